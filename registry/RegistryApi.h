// The registry operations clsRegistryAccess needs, as an interface, so that
// the class computes the same way over the real registry (RegistryApiWin) and
// over the in-memory one (MemoryRegistry) that the native tests and the fuzz
// target use.
//
// Keys are 32-bit numbers: the seven root keys carry the values Windows gives
// its predefined keys (0x80000000 to 0x80000006); a key an implementation
// opens gets a small positive number, never 0, valid until CloseKey. Every
// operation returns 0 for success or a Windows error code; the codes the
// class tells apart are listed below. Names and data are single-byte text.
#pragma once

#include <cstdint>
#include <string>

namespace reg {

// Root keys, as 32-bit signed numbers.
inline constexpr int32_t kClassesRoot = static_cast<int32_t>(0x80000000u);
inline constexpr int32_t kCurrentUser = static_cast<int32_t>(0x80000001u);
inline constexpr int32_t kLocalMachine = static_cast<int32_t>(0x80000002u);
inline constexpr int32_t kUsers = static_cast<int32_t>(0x80000003u);
inline constexpr int32_t kPerformanceData = static_cast<int32_t>(0x80000004u);
inline constexpr int32_t kCurrentConfig = static_cast<int32_t>(0x80000005u);
inline constexpr int32_t kDynData = static_cast<int32_t>(0x80000006u);

// True for the seven root keys above.
inline bool IsRootKey(int32_t key) { return key >= kClassesRoot && key <= kDynData; }

// Value types.
inline constexpr uint32_t kTypeString = 1;
inline constexpr uint32_t kTypeExpandString = 2;
inline constexpr uint32_t kTypeBinary = 3;
inline constexpr uint32_t kTypeDword = 4;

// Access rights.
inline constexpr uint32_t kKeyRead = 0x20019;
inline constexpr uint32_t kKeyWrite = 0x20006;
inline constexpr uint32_t kKeyAllAccess = 0xF003F;

// Results.
inline constexpr int32_t kSuccess = 0;
inline constexpr int32_t kFileNotFound = 2;
inline constexpr int32_t kAccessDenied = 5;
inline constexpr int32_t kInvalidHandle = 6;
inline constexpr int32_t kInvalidParameter = 87;
inline constexpr int32_t kMoreData = 234;
inline constexpr int32_t kNoMoreItems = 259;

class Api {
 public:
  virtual ~Api() = default;

  // Opens root\subKey (the root itself when subKey is empty) with the given
  // access right into handle.
  virtual int32_t OpenKeyEx(int32_t root, const std::string& subKey, uint32_t access, int32_t& handle) = 0;

  // The same with the platform's default access.
  virtual int32_t OpenKey(int32_t root, const std::string& subKey, int32_t& handle) = 0;

  // Opens root\subKey, creating it and any missing keys above it.
  virtual int32_t CreateKey(int32_t root, const std::string& subKey, int32_t& handle) = 0;

  virtual int32_t CloseKey(int32_t handle) = 0;

  // Deletes key\subKey; an empty subKey deletes the key itself.
  virtual int32_t DeleteKey(int32_t key, const std::string& subKey) = 0;

  virtual int32_t DeleteValue(int32_t key, const std::string& name) = 0;

  // Stores data (its bytes, size data.size()) as the value name of type type.
  virtual int32_t SetValueEx(int32_t key, const std::string& name, uint32_t type, const std::string& data) = 0;

  // Reads the value name. data may be null: then only type and size are
  // reported. Otherwise size is the buffer's capacity on entry; when the
  // value does not fit the result is kMoreData. On success and on kMoreData
  // size holds the value's size in bytes.
  virtual int32_t QueryValueEx(int32_t key, const std::string& name, uint32_t& type, unsigned char* data,
                               uint32_t& size) = 0;

  // The name of sub-key number index. nameLength is the buffer's capacity in
  // characters, its NUL included, on entry, and the name's length on success;
  // kMoreData when the name does not fit, kNoMoreItems past the last one.
  virtual int32_t EnumKeyEx(int32_t key, uint32_t index, char* name, uint32_t& nameLength) = 0;

  // Name, type and data of value number index, lengths as above (dataLength
  // in bytes; on kMoreData it tells the size the data needs, data may be
  // null). kNoMoreItems past the last value.
  virtual int32_t EnumValue(int32_t key, uint32_t index, char* name, uint32_t& nameLength, uint32_t& type,
                            unsigned char* data, uint32_t& dataLength) = 0;
};

}  // namespace reg
