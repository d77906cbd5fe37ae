#include "registry/clsRegistryAccess.h"

#include <algorithm>
#include <utility>

#include "registry/HivePath.h"
#include "registry/RegText.h"

using reg::kSuccess;

namespace {
// Closes a key the member opened, on every way out of the member.
class KeyCloser {
 public:
  KeyCloser(reg::Api& api, int32_t handle) : api_(api), handle_(handle) {}
  ~KeyCloser() { api_.CloseKey(handle_); }
  KeyCloser(const KeyCloser&) = delete;
  KeyCloser& operator=(const KeyCloser&) = delete;

 private:
  reg::Api& api_;
  int32_t handle_;
};

// Key names are at most 255 characters and value names 16383, so a buffer
// this large always suffices; it bounds the asking again for a longer one.
constexpr size_t kNameBufferLimit = 32768;
constexpr size_t kFirstBuffer = 256;
// How often a read asks again when the value keeps growing in between.
constexpr int kReadAttempts = 16;

unsigned char* Bytes(std::string& s) { return reinterpret_cast<unsigned char*>(s.data()); }

// The name of sub-key index, asking again with a larger buffer while the
// name does not fit.
int32_t EnumKeyName(reg::Api& api, int32_t key, uint32_t index, std::string& name) {
  std::string buffer(kFirstBuffer, ' ');
  for (;;) {
    uint32_t length = static_cast<uint32_t>(buffer.size());
    int32_t r = api.EnumKeyEx(key, index, buffer.data(), length);
    if (r == reg::kMoreData && buffer.size() < kNameBufferLimit) {
      buffer.assign(buffer.size() * 2, ' ');
      continue;
    }
    if (r == kSuccess) name = buffer.substr(0, std::min<size_t>(length, buffer.size()));
    return r;
  }
}

// Name, type and data of value index, whole.
int32_t EnumValueEntry(reg::Api& api, int32_t key, uint32_t index, std::string& name, uint32_t& type,
                       std::string& data) {
  std::string nameBuffer(kFirstBuffer, ' ');
  std::string dataBuffer(kFirstBuffer, ' ');
  for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
    uint32_t nameLength = static_cast<uint32_t>(nameBuffer.size());
    uint32_t dataLength = static_cast<uint32_t>(dataBuffer.size());
    int32_t r = api.EnumValue(key, index, nameBuffer.data(), nameLength, type, Bytes(dataBuffer), dataLength);
    if (r == kSuccess) {
      name = nameBuffer.substr(0, std::min<size_t>(nameLength, nameBuffer.size()));
      data = dataBuffer.substr(0, std::min<size_t>(dataLength, dataBuffer.size()));
      return r;
    }
    if (r != reg::kMoreData) return r;
    if (dataLength > dataBuffer.size()) {
      dataBuffer.assign(dataLength, ' ');
    } else if (nameBuffer.size() < kNameBufferLimit) {
      nameBuffer.assign(nameBuffer.size() * 2, ' ');
    } else {
      return r;
    }
  }
  return reg::kMoreData;
}
}  // namespace

clsRegistryAccess::clsRegistryAccess(reg::Api& api, reg::Files& files) : api_(api), files_(files) {
  CreateKeyIfDoesntExists(true);
}

void clsRegistryAccess::CreateKeyIfDoesntExists(bool offon) { bCreateKey = offon; }

bool clsRegistryAccess::CreateKeyIfDoesntExists() const { return bCreateKey; }

int32_t clsRegistryAccess::CreateKey(const std::string& sPath) {
  Parse(sPath);
  if (api_.CreateKey(lRoot, sSubKey, lHandle) != kSuccess) return 0;
  api_.CloseKey(lHandle);
  return lHandle;
}

int32_t clsRegistryAccess::KillKey(const std::string& sPath) {
  Parse(sPath);
  if (api_.OpenKeyEx(lRoot, sSubKey, reg::kKeyAllAccess, lHandle) != kSuccess) return 0;
  KeyCloser closer(api_, lHandle);
  api_.DeleteKey(lHandle, "");
  return lHandle;
}

bool clsRegistryAccess::KeyExists(const std::string& sPath) {
  Parse(sPath);
  if (api_.OpenKeyEx(lRoot, sSubKey, reg::kKeyAllAccess, lHandle) != kSuccess) return false;
  api_.CloseKey(lHandle);
  return true;
}

int32_t clsRegistryAccess::EnumKeys(const std::string& sPath, std::vector<std::string>& Key) {
  bool listed = false;
  return ListKeys(sPath, Key, listed);
}

int32_t clsRegistryAccess::ListKeys(const std::string& sPath, std::vector<std::string>& names, bool& listed) {
  names.clear();
  listed = false;
  Parse(sPath);
  if (api_.OpenKey(lRoot, sSubKey, lHandle) != kSuccess) return -1;
  const int32_t handle = lHandle;
  KeyCloser closer(api_, handle);
  // Any result but success ends the walk: past the last sub-key, and also a
  // key whose sub-keys may not be listed, which would fail at every index.
  std::string name;
  int32_t r = kSuccess;
  for (uint32_t index = 0; (r = EnumKeyName(api_, handle, index, name)) == kSuccess; ++index) names.push_back(name);
  listed = r == reg::kNoMoreItems;
  return static_cast<int32_t>(names.size());
}

bool clsRegistryAccess::HaveSubkey(const std::string& sPath) {
  Parse(sPath);
  if (api_.OpenKey(lRoot, sSubKey, lHandle) != kSuccess) return false;
  KeyCloser closer(api_, lHandle);
  std::string buffer(255, ' ');
  uint32_t length = 255;
  return api_.EnumKeyEx(lHandle, 0, buffer.data(), length) != reg::kNoMoreItems;
}

int32_t clsRegistryAccess::WriteValue(const std::string& sPath, const std::string& name, uint32_t type,
                                      const std::string& data) {
  if (!KeyExists(sPath)) {
    if (!bCreateKey) return 0;
    CreateKey(sPath);
  }
  Parse(sPath);
  if (api_.OpenKeyEx(lRoot, sSubKey, reg::kKeyWrite, lHandle) != kSuccess) return 0;
  KeyCloser closer(api_, lHandle);
  return api_.SetValueEx(lHandle, name, type, data) == kSuccess ? lHandle : 0;
}

int32_t clsRegistryAccess::WriteString(const std::string& sPath, const std::string& sName, const std::string& sValue) {
  const std::string name = sName == "@" ? std::string() : sName;
  return WriteValue(sPath, name, reg::kTypeString, sValue + '\0');
}

int32_t clsRegistryAccess::QueryWhole(int32_t key, const std::string& name, uint32_t& type, std::string& data) {
  for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
    uint32_t size = static_cast<uint32_t>(data.size());
    int32_t r = api_.QueryValueEx(key, name, type, Bytes(data), size);
    if (r == reg::kMoreData && size > data.size()) {
      data.assign(size, ' ');
      continue;
    }
    if (r == kSuccess) data.resize(std::min<size_t>(size, data.size()));
    return r;
  }
  return reg::kMoreData;
}

bool clsRegistryAccess::QueryString(const std::string& sPath, const std::string& sName, std::string& text) {
  Parse(sPath);
  if (api_.OpenKeyEx(lRoot, sSubKey, reg::kKeyRead, lHandle) != kSuccess) return false;
  KeyCloser closer(api_, lHandle);
  uint32_t type = reg::kTypeString;
  text.assign(255, ' ');
  if (QueryWhole(lHandle, sName, type, text) != kSuccess) return false;
  text = reg::TrimBlanks(text);
  // The last byte is the terminating NUL; a value stored with no bytes (or
  // only blanks) has none to drop.
  if (!text.empty()) text.pop_back();
  return true;
}

std::string clsRegistryAccess::ReadString(const std::string& sPath, const std::string& sName,
                                          const std::string& sDefault) {
  std::string text;
  return QueryString(sPath, sName, text) ? text : sDefault;
}

int32_t clsRegistryAccess::WriteDWORD(const std::string& sPath, const std::string& sName, int32_t lValue) {
  const uint32_t v = static_cast<uint32_t>(lValue);
  std::string data;
  for (int shift = 0; shift < 32; shift += 8) data += static_cast<char>((v >> shift) & 0xFF);
  return WriteValue(sPath, sName, reg::kTypeDword, data);
}

bool clsRegistryAccess::QueryDword(const std::string& sPath, const std::string& sName, int32_t& number) {
  Parse(sPath);
  if (api_.OpenKeyEx(lRoot, sSubKey, reg::kKeyRead, lHandle) != kSuccess) return false;
  KeyCloser closer(api_, lHandle);
  unsigned char bytes[4] = {0, 0, 0, 0};
  uint32_t type = reg::kTypeDword;
  uint32_t size = 4;
  if (api_.QueryValueEx(lHandle, sName, type, bytes, size) != kSuccess) return false;
  const uint32_t v = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
  number = static_cast<int32_t>(v);
  return true;
}

int32_t clsRegistryAccess::ReadDWORD(const std::string& sPath, const std::string& sName, int32_t lDefault) {
  int32_t number = 0;
  return QueryDword(sPath, sName, number) ? number : lDefault;
}

int32_t clsRegistryAccess::WriteBinary(const std::string& sPath, const std::string& sName, const std::string& sValue) {
  return WriteTyped(sPath, sName, reg::kTypeBinary, sValue);
}

int32_t clsRegistryAccess::WriteTyped(const std::string& sPath, const std::string& sName, uint32_t type,
                                      std::string hex) {
  return WriteValue(sPath, sName, type, StrToBin(hex));
}

std::string clsRegistryAccess::ReadBinary(const std::string& sPath, const std::string& sName,
                                          const std::string& sDefault) {
  Parse(sPath);
  if (api_.OpenKeyEx(lRoot, sSubKey, reg::kKeyRead, lHandle) != kSuccess) return sDefault;
  KeyCloser closer(api_, lHandle);
  // The first query only learns the size; its result does not matter.
  unsigned char probe = '0';
  uint32_t type = reg::kTypeBinary;
  uint32_t size = 1;
  api_.QueryValueEx(lHandle, sName, type, &probe, size);
  std::string bytes(size, ' ');
  if (QueryWhole(lHandle, sName, type, bytes) != kSuccess) return sDefault;
  return reg::TrimBlanks(BinToStr(bytes));
}

int32_t clsRegistryAccess::KillValue(const std::string& sPath, const std::string& sName) {
  Parse(sPath);
  if (api_.OpenKeyEx(lRoot, sSubKey, reg::kKeyWrite, lHandle) != kSuccess) return 0;
  KeyCloser closer(api_, lHandle);
  api_.DeleteValue(lHandle, sName);
  return lHandle;
}

bool clsRegistryAccess::ValueExists(const std::string& sPath, const std::string& sName) {
  Parse(sPath);
  if (api_.OpenKeyEx(lRoot, sSubKey, reg::kKeyRead, lHandle) != kSuccess) return false;
  KeyCloser closer(api_, lHandle);
  uint32_t type = 0;
  uint32_t size = 1;
  return api_.QueryValueEx(lHandle, sName, type, nullptr, size) == kSuccess;
}

int32_t clsRegistryAccess::ListValues(const std::string& sPath, int32_t OnlyType, std::vector<ValueRecord>& records,
                                      bool& listed) {
  listed = false;
  Parse(sPath);
  // A handle of its own: the reads below use lHandle.
  int32_t handle = 0;
  if (api_.OpenKey(lRoot, sSubKey, handle) != kSuccess) return -1;
  KeyCloser closer(api_, handle);
  records.clear();
  ValueRecord record;
  // As in ListKeys, any result but success ends the walk.
  int32_t r = kSuccess;
  for (uint32_t index = 0;
       (r = EnumValueEntry(api_, handle, index, record.name, record.type, record.data)) == kSuccess; ++index) {
    if (OnlyType != -1 && static_cast<int64_t>(OnlyType) != static_cast<int64_t>(record.type)) continue;
    // Read under the stored name: a trimmed one may name another value or none.
    record.read = true;
    if (record.type == reg::kTypeBinary) {
      record.entry = record.data.empty() ? std::string() : reg::TrimBlanks(BinToStr(record.data));
    } else if (record.type == reg::kTypeDword) {
      int32_t number = 0;
      record.read = QueryDword(sPath, record.name, number);
      record.entry = number;
    } else if (record.type == reg::kTypeString) {
      std::string text;
      record.read = QueryString(sPath, record.name, text);
      record.entry = record.read ? text : std::string();
    } else {
      record.entry = std::monostate();
    }
    records.push_back(record);
  }
  listed = r == reg::kNoMoreItems;
  return static_cast<int32_t>(records.size());
}

int32_t clsRegistryAccess::EnumValues(const std::string& sPath, std::vector<std::string>& sName,
                                      std::vector<RegValueEntry>& sValue, int32_t OnlyType) {
  std::vector<ValueRecord> records;
  bool listed = false;
  if (ListValues(sPath, OnlyType, records, listed) < 0) return -1;
  sName.clear();
  sValue.clear();
  for (ValueRecord& record : records) {
    sName.push_back(reg::TrimBlanks(record.name));
    sValue.push_back(std::move(record.entry));
  }
  return static_cast<int32_t>(sName.size());
}

std::string clsRegistryAccess::StrToBin(std::string& sBin) {
  sBin = reg::TrimBlanks(reg::WithoutChar(sBin, ' '));
  std::string bytes;
  bytes.reserve(sBin.size() / 2 + 1);
  // Pairs from the left; an odd count leaves the last digit alone, and it
  // becomes a byte of its own value.
  for (size_t i = 0; i < sBin.size(); i += 2) {
    const int high = reg::HexDigitValue(sBin[i]);
    const int low = i + 1 < sBin.size() ? reg::HexDigitValue(sBin[i + 1]) : -1;
    int value = 0;
    if (high >= 0) value = low >= 0 ? high * 16 + low : high;
    bytes += static_cast<char>(value);
  }
  return bytes;
}

std::string clsRegistryAccess::BinToStr(const std::string& sStr) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string text;
  text.reserve(sStr.size() * 3);
  for (char c : sStr) {
    const unsigned char b = static_cast<unsigned char>(c);
    text += ' ';
    text += kDigits[b >> 4];
    text += kDigits[b & 0x0F];
  }
  return text;
}

bool clsRegistryAccess::isBinValid(const std::string& sBin) {
  const std::string digits = reg::TrimBlanks(reg::UpperAscii(reg::WithoutChar(sBin, ' ')));
  if (digits.empty()) return false;
  return digits.find_first_not_of("0123456789ABCDEF ") == std::string::npos;
}

void clsRegistryAccess::SetYieldHook(std::function<void()> hook) { yield_ = std::move(hook); }

int32_t clsRegistryAccess::ParseKeyPath(std::string& path, std::string& subKey) {
  path = reg::ShortenHiveNames(path);
  const size_t slash = path.find('\\');
  std::string hive;
  if (slash != std::string::npos) {
    // Only the first four characters name the hive: "HKLMX\A" is HKLM's A.
    hive = reg::UpperAscii(path.substr(0, 4));
    subKey = path.substr(slash + 1);
  } else {
    hive = reg::UpperAscii(path);
    subKey.clear();
  }
  return reg::RootOfShortHive(hive);
}

void clsRegistryAccess::Parse(const std::string& sPath) {
  std::string path = sPath;
  lRoot = ParseKeyPath(path, sSubKey);
}
