// The "REGEDIT4" import against a registry in memory: any file text must
// leave the import with 0 or 1, without a crash or a hang, and the export of
// what it wrote below HKEY_CURRENT_USER must end with 0 or 1 too (0 when a
// typed hex line stored a value that cannot be read as its type, such as a
// DWORD of five bytes).
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
  const int32_t exported = ra.ExportToReg("HKCU", "out.reg");
  if (exported != 0 && exported != 1) __builtin_trap();
  // The export always gets as far as the file's header and first section.
  if (files.files["out.reg"].rfind("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER]\r\n", 0) != 0) __builtin_trap();
  return 0;
}
