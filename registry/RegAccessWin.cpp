#include "registry/RegAccess.h"
#include "registry/RegFilesWin.h"
#include "registry/RegistryApiWin.h"
#include "toolkit/Events.h"

clsRegistryAccess& RegAccess() {
  static reg::WinRegistryApi registry;
  static reg::WinRegFiles files;
  static clsRegistryAccess instance(registry, files);
  // An export with an output box lets the windows repaint between keys.
  static const bool yields = (instance.SetYieldHook(tk::DoEvents), true);
  (void)yields;
  return instance;
}
