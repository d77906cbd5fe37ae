#include "registry/MemoryRegistry.h"
#include "registry/RegAccess.h"
#include "registry/StreamRegFiles.h"

clsRegistryAccess& RegAccess() {
  static reg::MemoryRegistry registry;
  static reg::StreamRegFiles files;
  static clsRegistryAccess instance(registry, files);
  return instance;
}
