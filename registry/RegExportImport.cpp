// The "REGEDIT4" export and import of clsRegistryAccess.
#include <algorithm>
#include <cstdio>
#include <exception>

#include "registry/HivePath.h"
#include "registry/RegText.h"
#include "registry/RegValueLine.h"
#include "registry/clsRegistryAccess.h"

namespace {
constexpr const char* kHeader = "REGEDIT4";
constexpr const char* kCrLf = "\r\n";

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string EightHexDigits(int32_t n) {
  char digits[9];
  std::snprintf(digits, sizeof digits, "%08X", static_cast<unsigned>(static_cast<uint32_t>(n)));
  return digits;
}

// Hex-pair text ("0A FF") as the byte list of a line ("0A,FF").
std::string ByteList(const std::string& hexPairs) { return reg::ReplaceChar(reg::TrimBlanks(hexPairs), ' ', ','); }

// The type of a "hex(N):" line: N in lower-case hexadecimal.
std::string TypedHexPrefix(uint32_t type) {
  char prefix[16];
  std::snprintf(prefix, sizeof prefix, "hex(%x):", static_cast<unsigned>(type));
  return prefix;
}

// Runs the export or the import: a failure of the runtime inside it (out of
// memory on a large file, for instance) ends it with 0, as a failure it
// finds itself does; what was done before stays done.
template <typename Body>
int32_t ZeroOnRuntimeFailure(const Body& body) {
  try {
    return body();
  } catch (const std::exception&) {
    return 0;
  }
}
}  // namespace

int32_t clsRegistryAccess::ExportToReg(const std::string& sPath, const std::string& sRegFile, bool IncludeSubkeys,
                                       tk::TextHolder* Output) {
  return ZeroOnRuntimeFailure([&]() -> int32_t {
    // An existing file is never overwritten.
    if (files_.NormalFileExists(sRegFile)) return 0;
    // A key that cannot be opened (missing, or of no known hive) gives no file.
    std::vector<std::string> subKeys;
    if (EnumKeys(sPath, subKeys) < 0) return 0;
    if (!files_.Create(sRegFile, std::string(kHeader) + kCrLf + kCrLf)) return 0;
    return ExportKey(sPath, sRegFile, IncludeSubkeys, Output) ? 1 : 0;
  });
}

bool clsRegistryAccess::ExportKey(const std::string& path, const std::string& file, bool IncludeSubkeys,
                                  tk::TextHolder* Output) {
  const std::string key = reg::LengthenHiveNames(path);
  if (Output) {
    if (yield_) yield_();
    Output->SetText(key);
  }
  // Each value under its stored name; one whose read failed is left out and
  // makes the export incomplete, as does a list that could not be walked to
  // its end.
  std::vector<ValueRecord> values;
  bool complete = false;
  if (ListValues(key, -1, values, complete) < 0) return false;
  std::string section = "[" + key + "]" + kCrLf;
  // A string default is the "@" line; a binary or DWORD default comes with
  // its group under the empty name; any other keeps its type as "hex(N):".
  const auto byDefault =
      std::find_if(values.begin(), values.end(), [](const ValueRecord& v) { return v.name.empty(); });
  // No default value: nothing to write here, as for a binary one.
  const uint32_t defaultType = byDefault == values.end() ? reg::kTypeBinary : byDefault->type;
  if (defaultType == reg::kTypeString) {
    if (byDefault->read) section += "@=" + Quoted(std::get<std::string>(byDefault->entry)) + kCrLf;
    complete = complete && byDefault->read;
  } else if (defaultType != reg::kTypeBinary && defaultType != reg::kTypeDword) {
    section += "@=" + TypedHexPrefix(defaultType) + ByteList(BinToStr(byDefault->data)) + kCrLf;
  }
  for (const ValueRecord& v : values) {
    if (v.type != reg::kTypeString || v.name.empty()) continue;
    if (v.read) section += Quoted(v.name) + "=" + Quoted(std::get<std::string>(v.entry)) + kCrLf;
    complete = complete && v.read;
  }
  for (const ValueRecord& v : values) {
    if (v.type == reg::kTypeBinary) section += Quoted(v.name) + "=hex:" + ByteList(BinToStr(v.data)) + kCrLf;
  }
  for (const ValueRecord& v : values) {
    if (v.type != reg::kTypeDword) continue;
    if (v.read) section += Quoted(v.name) + "=dword:" + EightHexDigits(std::get<int32_t>(v.entry)) + kCrLf;
    complete = complete && v.read;
  }
  section += kCrLf;
  if (!files_.Append(file, section)) return false;

  if (IncludeSubkeys) {
    std::vector<std::string> subKeys;
    bool listed = false;
    ListKeys(key, subKeys, listed);
    complete = complete && listed;
    for (const std::string& name : subKeys) {
      if (!ExportKey(key + "\\" + name, file, IncludeSubkeys, Output)) complete = false;
    }
  }
  return complete;
}

int32_t clsRegistryAccess::ImportFromReg(const std::string& sRegFile) {
  CreateKeyIfDoesntExists(true);
  return ZeroOnRuntimeFailure([&] { return ImportFile(sRegFile); });
}

int32_t clsRegistryAccess::ImportFile(const std::string& sRegFile) {
  if (!files_.NormalFileExists(sRegFile)) return 0;
  std::string text;
  if (!files_.ReadAll(sRegFile, text)) return 0;
  const std::vector<std::string> lines = reg::SplitLines(text);
  if (lines.empty() || reg::UpperAscii(lines[0]) != kHeader) return 0;

  // A file whose every write failed has imported nothing.
  int writes = 0;
  bool applied = false;
  size_t i = 1;
  while (i < lines.size()) {
    const std::string head = reg::WithoutChar(reg::TrimBlanks(lines[i]), '"');
    if (head.empty() || head[0] != '[') {
      ++i;
      continue;
    }
    if (head.size() < 2) return 0;  // a lone "[" names no key
    const std::string key = head.substr(1, head.size() - 2);
    ++i;
    if (!key.empty() && key[0] == '-') {
      // The key's own lines are passed over by the walk.
      if (KillKey(key.substr(1)) != 0) applied = true;
      continue;
    }
    while (i < lines.size()) {
      const std::string line = reg::TrimBlanks(reg::WithoutChar(lines[i], '"'));
      if (!line.empty() && line[0] == '[') break;  // the next head
      ++i;
      reg::ValueLine value;
      if (line.empty() || line[0] == ';' || !reg::SplitValueLine(reg::TrimBlanks(lines[i - 1]), value)) continue;
      const std::string& name = value.name;
      const std::string& data = value.data;
      if (reg::TrimBlanks(data) == "-") {
        if (KillValue(key, name) != 0) applied = true;
        continue;
      }
      ++writes;
      int32_t result = 0;
      uint32_t type = 0;
      std::string hex;
      const bool plainHex = reg::LowerAscii(data.substr(0, 4)) == "hex:";
      // "hex(N):" data in quotes stays the string it always was.
      if (reg::ParseHexData(data, type, hex) && (plainHex || !value.quotedData)) {
        hex = reg::ReplaceChar(reg::JoinContinuedHex(hex, lines, i), ',', ' ');
        // "hex:" writes under the name as given, "@" too; "hex(N):" lands
        // where its text did when such lines were stored as strings.
        result = plainHex ? WriteBinary(key, name, hex)
                          : WriteTyped(key, name == "@" ? std::string() : name, type, hex);
      } else if (reg::LowerAscii(data.substr(0, 6)) == "dword:") {
        // A number wider than 32 bits is passed over.
        int32_t number = 0;
        if (reg::ReadHexDword(data.substr(6), number)) result = WriteDWORD(key, name, number);
      } else {
        result = WriteString(key, name, data);
        // "@" given as an empty string removes the default value.
        if (name == "@" && data.empty()) KillValue(key, "");
      }
      if (result != 0) applied = true;
    }
  }
  return writes > 0 && !applied ? 0 : 1;
}
