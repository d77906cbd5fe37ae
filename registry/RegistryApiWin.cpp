#include "registry/RegistryApiWin.h"

#include <limits>

namespace reg {

HKEY WinRegistryApi::Find(int32_t key) const {
  // The predefined keys are sign-extended 32-bit values in either build.
  if (IsRootKey(key)) return reinterpret_cast<HKEY>(static_cast<LONG_PTR>(key));
  auto it = open_.find(key);
  return it == open_.end() ? nullptr : it->second.get();
}

void WinRegistryApi::Remember(HKEY opened, int32_t& handle) {
  while (next_ <= 0 || open_.count(next_) != 0) {
    next_ = next_ <= 0 || next_ == std::numeric_limits<int32_t>::max() ? 1 : next_ + 1;
  }
  handle = next_;
  open_[handle].reset(opened);
  next_ = handle == std::numeric_limits<int32_t>::max() ? 1 : handle + 1;
}

template <typename Open>
int32_t WinRegistryApi::OpenWith(int32_t root, int32_t& handle, Open open) {
  HKEY parent = Find(root);
  if (!parent) return kInvalidHandle;
  HKEY opened = nullptr;
  LONG r = open(parent, &opened);
  if (r == ERROR_SUCCESS) Remember(opened, handle);
  return r;
}

int32_t WinRegistryApi::OpenKeyEx(int32_t root, const std::string& subKey, uint32_t access, int32_t& handle) {
  return OpenWith(root, handle,
                  [&](HKEY parent, HKEY* opened) { return ::RegOpenKeyExA(parent, subKey.c_str(), 0, access, opened); });
}

int32_t WinRegistryApi::OpenKey(int32_t root, const std::string& subKey, int32_t& handle) {
  return OpenWith(root, handle, [&](HKEY parent, HKEY* opened) { return ::RegOpenKeyA(parent, subKey.c_str(), opened); });
}

int32_t WinRegistryApi::CreateKey(int32_t root, const std::string& subKey, int32_t& handle) {
  return OpenWith(root, handle,
                  [&](HKEY parent, HKEY* opened) { return ::RegCreateKeyA(parent, subKey.c_str(), opened); });
}

int32_t WinRegistryApi::CloseKey(int32_t handle) {
  if (IsRootKey(handle)) return kSuccess;
  auto it = open_.find(handle);
  if (it == open_.end()) return kInvalidHandle;
  const LONG r = ::RegCloseKey(it->second.release());
  open_.erase(it);
  return r;
}

int32_t WinRegistryApi::DeleteKey(int32_t key, const std::string& subKey) {
  HKEY k = Find(key);
  if (!k) return kInvalidHandle;
  return ::RegDeleteKeyA(k, subKey.c_str());
}

int32_t WinRegistryApi::DeleteValue(int32_t key, const std::string& name) {
  HKEY k = Find(key);
  if (!k) return kInvalidHandle;
  return ::RegDeleteValueA(k, name.c_str());
}

int32_t WinRegistryApi::SetValueEx(int32_t key, const std::string& name, uint32_t type, const std::string& data) {
  HKEY k = Find(key);
  if (!k) return kInvalidHandle;
  if constexpr (sizeof(size_t) > sizeof(DWORD)) {
    if (data.size() > std::numeric_limits<DWORD>::max()) return kInvalidParameter;
  }
  return ::RegSetValueExA(k, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                          static_cast<DWORD>(data.size()));
}

int32_t WinRegistryApi::QueryValueEx(int32_t key, const std::string& name, uint32_t& type, unsigned char* data,
                                     uint32_t& size) {
  HKEY k = Find(key);
  if (!k) return kInvalidHandle;
  DWORD t = type;
  DWORD s = size;
  LONG r = ::RegQueryValueExA(k, name.c_str(), nullptr, &t, data, &s);
  type = t;
  size = s;
  return r;
}

int32_t WinRegistryApi::EnumKeyEx(int32_t key, uint32_t index, char* name, uint32_t& nameLength) {
  HKEY k = Find(key);
  if (!k) return kInvalidHandle;
  DWORD length = nameLength;
  LONG r = ::RegEnumKeyExA(k, index, name, &length, nullptr, nullptr, nullptr, nullptr);
  nameLength = length;
  return r;
}

int32_t WinRegistryApi::EnumValue(int32_t key, uint32_t index, char* name, uint32_t& nameLength, uint32_t& type,
                                  unsigned char* data, uint32_t& dataLength) {
  HKEY k = Find(key);
  if (!k) return kInvalidHandle;
  DWORD length = nameLength;
  DWORD t = 0;
  DWORD size = dataLength;
  LONG r = ::RegEnumValueA(k, index, name, &length, nullptr, &t, data, &size);
  nameLength = length;
  type = t;
  dataLength = size;
  return r;
}

}  // namespace reg
