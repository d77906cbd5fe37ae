#include "registry/RegAccess.h"
#include "registry/RegFilesWin.h"
#include "registry/RegistryApiWin.h"

clsRegistryAccess& RegAccess() {
  static reg::WinRegistryApi registry;
  static reg::WinRegFiles files;
  static clsRegistryAccess instance(registry, files);
  return instance;
}
