// Hive names of registry key paths: the seven hives in their long form
// ("HKEY_CURRENT_USER") and short form ("HKCU"), and their root keys.
#pragma once

#include <cstdint>
#include <string>

namespace reg {

// Replaces every occurrence of each long hive name by its short name,
// anywhere in path and without regard to letter case, in the order
// HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_CLASSES_ROOT, HKEY_USERS,
// HKEY_PERFORMANCE_DATA, HKEY_DYN_DATA, HKEY_CURRENT_CONFIG.
std::string ShortenHiveNames(const std::string& path);

// The reverse: every short name by its long name, without regard to letter
// case, in the order HKCU, HKLM, HKCR, HKUS, HKPD, HKDD, HKCC.
std::string LengthenHiveNames(const std::string& path);

// The root key of a short hive name, compared exactly (upper case); 0 when
// the name is none of the seven.
int32_t RootOfShortHive(const std::string& hive);

// Text with ASCII letters in upper case (the hive part of a path).
std::string UpperAscii(std::string text);

}  // namespace reg
