// The "REGEDIT4" export and import of clsRegistryAccess.
#include <cstdio>

#include "registry/HivePath.h"
#include "registry/RegText.h"
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

// The number the leading hexadecimal digits of text give (0 when there are
// none), as a 32-bit number in two's complement: "FFFFFFFF" is -1. False
// when the digits give more than 32 bits.
bool ReadHexDword(const std::string& text, int32_t& number) {
  uint64_t value = 0;
  for (char c : text) {
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else break;
    value = value * 16 + static_cast<uint64_t>(digit);
    if (value > 0xFFFFFFFFull) return false;
  }
  number = static_cast<int32_t>(static_cast<uint32_t>(value));
  return true;
}
}  // namespace

int32_t clsRegistryAccess::ExportToReg(const std::string& sPath, const std::string& sRegFile, bool IncludeSubkeys,
                                       tk::TextHolder* Output) {
  // An existing file is never overwritten.
  if (files_.NormalFileExists(sRegFile)) return 0;
  if (!files_.Create(sRegFile, std::string(kHeader) + kCrLf + kCrLf)) return 0;
  return ExportKey(sPath, sRegFile, IncludeSubkeys, Output) ? 1 : 0;
}

bool clsRegistryAccess::ExportKey(const std::string& path, const std::string& file, bool IncludeSubkeys,
                                  tk::TextHolder* Output) {
  const std::string key = reg::LengthenHiveNames(path);
  if (Output) {
    if (yield_) yield_();
    Output->SetText(key);
  }

  std::string section = "[" + key + "]" + kCrLf;
  const std::string oneNul(1, '\0');
  if (ReadString(key, "", oneNul) != oneNul) section += "@=" + Quoted(ReadString(key, "", "")) + kCrLf;

  std::vector<std::string> names;
  std::vector<RegValueEntry> values;
  EnumValues(key, names, values, static_cast<int32_t>(reg::kTypeString));
  for (size_t i = 0; i < names.size(); ++i) {
    const std::string* text = std::get_if<std::string>(&values[i]);
    if (!names[i].empty() && text) section += Quoted(names[i]) + "=" + Quoted(*text) + kCrLf;
  }

  names.clear();
  values.clear();
  EnumValues(key, names, values, static_cast<int32_t>(reg::kTypeBinary));
  for (size_t i = 0; i < names.size(); ++i) {
    const std::string* hex = std::get_if<std::string>(&values[i]);
    const std::string bytes = hex ? reg::ReplaceChar(reg::TrimBlanks(*hex), ' ', ',') : std::string();
    section += Quoted(names[i]) + "=hex:" + bytes + kCrLf;
  }

  names.clear();
  values.clear();
  EnumValues(key, names, values, static_cast<int32_t>(reg::kTypeDword));
  for (size_t i = 0; i < names.size(); ++i) {
    const int32_t* number = std::get_if<int32_t>(&values[i]);
    section += Quoted(names[i]) + "=dword:" + EightHexDigits(number ? *number : 0) + kCrLf;
  }

  section += kCrLf;
  if (!files_.Append(file, section)) return false;

  if (IncludeSubkeys) {
    std::vector<std::string> subKeys;
    EnumKeys(key, subKeys);
    for (const std::string& name : subKeys) {
      if (!ExportKey(key + "\\" + name, file, IncludeSubkeys, Output)) return false;
    }
  }
  return true;
}

int32_t clsRegistryAccess::ImportFromReg(const std::string& sRegFile) {
  CreateKeyIfDoesntExists(true);
  if (!files_.NormalFileExists(sRegFile)) return 0;
  std::string text;
  if (!files_.ReadAll(sRegFile, text)) return 0;
  const std::vector<std::string> lines = reg::SplitCrLf(text);
  if (lines.empty() || reg::UpperAscii(lines[0]) != kHeader) return 0;

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
      KillKey(key.substr(1));
      continue;
    }
    for (; i < lines.size(); ++i) {
      const std::string line = reg::TrimBlanks(reg::WithoutChar(lines[i], '"'));
      if (!line.empty() && line[0] == '[') break;  // the next head
      if (line.empty() || line[0] == ';') continue;
      const size_t eq = line.find('=');
      if (eq == std::string::npos) continue;
      // Name and data are not trimmed again; text after a second "=" is dropped.
      const std::string name = line.substr(0, eq);
      const size_t eq2 = line.find('=', eq + 1);
      const std::string data = line.substr(eq + 1, eq2 == std::string::npos ? std::string::npos : eq2 - eq - 1);
      if (reg::TrimBlanks(data) == "-") {
        KillValue(key, name);
      } else if (reg::LowerAscii(data.substr(0, 4)) == "hex:") {
        WriteBinary(key, name, reg::ReplaceChar(data.substr(4), ',', ' '));
      } else if (reg::LowerAscii(data.substr(0, 6)) == "dword:") {
        // A number wider than 32 bits is passed over.
        int32_t number = 0;
        if (ReadHexDword(data.substr(6), number)) WriteDWORD(key, name, number);
      } else {
        WriteString(key, name, data);
        // "@" given as an empty string removes the default value.
        if (name == "@" && data.empty()) KillValue(key, "");
      }
    }
  }
  return 1;
}
