#include "tests/support/Registry.h"

#include <vector>

#include "toolkit/Owners.h"

namespace testsupport {

std::optional<RegistryValue> ReadRegistryValue(HKEY root, const std::string& key, const std::string& name) {
  tk::RegKey opened;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, opened.out()) != ERROR_SUCCESS) return std::nullopt;
  RegistryValue value;
  DWORD size = 0;
  LONG result = RegQueryValueExA(opened.get(), name.c_str(), nullptr, &value.type, nullptr, &size);
  std::vector<char> data(size + 1, '\0');
  if (result == ERROR_SUCCESS)
    result = RegQueryValueExA(opened.get(), name.c_str(), nullptr, &value.type, reinterpret_cast<BYTE*>(data.data()),
                              &size);
  if (result != ERROR_SUCCESS) return std::nullopt;
  value.text = data.data();
  return value;
}

std::string RegistryString(HKEY root, const std::string& key, const std::string& name) {
  if (!RegistryKeyExists(root, key)) return "<no key>";
  const auto value = ReadRegistryValue(root, key, name);
  return value ? value->text : "<no value>";
}

bool RegistryKeyExists(HKEY root, const std::string& key) {
  tk::RegKey opened;
  return RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, opened.out()) == ERROR_SUCCESS;
}

bool DeleteRegistryValue(HKEY root, const std::string& key, const std::string& name) {
  tk::RegKey opened;
  return RegOpenKeyExA(root, key.c_str(), 0, KEY_SET_VALUE, opened.out()) == ERROR_SUCCESS &&
         RegDeleteValueA(opened.get(), name.c_str()) == ERROR_SUCCESS;
}

}  // namespace testsupport
