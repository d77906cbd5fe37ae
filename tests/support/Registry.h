// Registry reads for tests: what a program under test left in the registry.
// Windows build only.
#pragma once

#include <optional>
#include <string>

#include "toolkit/Win.h"

namespace testsupport {

struct RegistryValue {
  DWORD type = 0;
  std::string text;  // the data up to its first NUL
};

// A value of root\key (name "" for the key's default value); nullopt when
// the key or the value is missing.
std::optional<RegistryValue> ReadRegistryValue(HKEY root, const std::string& key, const std::string& name);

// A value's text, or "<no key>" or "<no value>" for what is missing.
std::string RegistryString(HKEY root, const std::string& key, const std::string& name);

bool RegistryKeyExists(HKEY root, const std::string& key);

// Deletes a value of root\key; false when the key or the value is missing.
bool DeleteRegistryValue(HKEY root, const std::string& key, const std::string& name);

}  // namespace testsupport
