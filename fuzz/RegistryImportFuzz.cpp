// The "REGEDIT4" import against a registry in memory: any file text must
// leave the import with 0 or 1, without a crash or a hang, and the export of
// what it wrote below HKEY_CURRENT_USER must end with 0 or 1 too (0 when a
// typed hex line stored a value that cannot be read as its type, such as a
// DWORD of five bytes). When the dialect can hold that tree, importing the
// export into an empty registry and exporting again gives the same file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "registry/MemoryRegFiles.h"
#include "registry/MemoryRegistry.h"
#include "registry/RegText.h"
#include "registry/clsRegistryAccess.h"

namespace {
bool StartsWith(const std::string& text, const char* start) { return text.rfind(start, 0) == 0; }

// True when the export of path's tree imports back as the same tree: every
// key but the hive has a line of its own or a sub-key (an import creates a
// key only by writing a value into it), and no string's text, as read, leaves
// its line ("\n", a quote) or reads as another kind of data ("-", "hex:",
// "dword:", or an empty default, which removes the default).
bool CanHold(clsRegistryAccess& ra, const std::string& path, bool hive) {
  std::vector<std::string> names;
  std::vector<RegValueEntry> values;
  bool lines = ra.ValueExists(path, "");
  ra.EnumValues(path, names, values, reg::kTypeString);
  for (size_t i = 0; i < names.size(); ++i) {
    const std::string& text = std::get<std::string>(values[i]);
    const std::string lower = reg::LowerAscii(text);
    if (text.find_first_of("\"\n") != std::string::npos || reg::TrimBlanks(text) == "-" ||
        StartsWith(lower, "hex:") || StartsWith(lower, "dword:") || (names[i].empty() && text.empty())) {
      return false;
    }
    lines = lines || !names[i].empty();
  }
  lines = lines || ra.EnumValues(path, names, values, reg::kTypeBinary) > 0 ||
          ra.EnumValues(path, names, values, reg::kTypeDword) > 0;
  std::vector<std::string> keys;
  ra.EnumKeys(path, keys);
  if (!hive && !lines && keys.empty()) return false;
  for (const std::string& key : keys) {
    if (!CanHold(ra, path + "\\" + key, false)) return false;
  }
  return true;
}
}  // namespace

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

  if (exported == 1 && CanHold(ra, "HKCU", true)) {
    reg::MemoryRegistry empty;
    clsRegistryAccess again(empty, files);
    if (again.ImportFromReg("out.reg") != 1 || again.ExportToReg("HKCU", "again.reg") != 1) __builtin_trap();
    if (files.files["again.reg"] != files.files["out.reg"]) __builtin_trap();
  }
  return 0;
}
