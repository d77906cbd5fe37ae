// The "REGEDIT4" import against a registry in memory: any file text must
// leave the import with 0 or 1, without a crash or a hang, and what it wrote
// below HKEY_CURRENT_USER must export again.
#include <cstddef>
#include <cstdint>
#include <string>

#include "registry/MemoryRegFiles.h"
#include "registry/MemoryRegistry.h"
#include "registry/clsRegistryAccess.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  reg::MemoryRegistry registry;
  reg::MemoryRegFiles files;
  clsRegistryAccess ra(registry, files);
  std::string text(reinterpret_cast<const char*>(data), size);
  // Most inputs lack the header; give it to those whose first byte is even,
  // so that the walk of the lines is reached.
  if (size > 0 && data[0] % 2 == 0) text = "REGEDIT4\r\n" + text.substr(1);
  files.files["in.reg"] = text;
  const int32_t result = ra.ImportFromReg("in.reg");
  if (result != 0 && result != 1) __builtin_trap();
  // What the import wrote exports again.
  if (ra.ExportToReg("HKCU", "out.reg") != 1) __builtin_trap();
  return 0;
}
