#include "registry/HivePath.h"

#include <array>

#include "registry/RegistryApi.h"

namespace reg {
namespace {
struct Hive {
  const char* longName;
  const char* shortName;
  int32_t root;
};

// Order matters: it is the order of the replacements.
constexpr std::array<Hive, 7> kShortenOrder{{
    {"HKEY_CURRENT_USER", "HKCU", kCurrentUser},
    {"HKEY_LOCAL_MACHINE", "HKLM", kLocalMachine},
    {"HKEY_CLASSES_ROOT", "HKCR", kClassesRoot},
    {"HKEY_USERS", "HKUS", kUsers},
    {"HKEY_PERFORMANCE_DATA", "HKPD", kPerformanceData},
    {"HKEY_DYN_DATA", "HKDD", kDynData},
    {"HKEY_CURRENT_CONFIG", "HKCC", kCurrentConfig},
}};

// Replaces each occurrence of find (any letter case) from left to right;
// replaced text is not searched again.
std::string ReplaceNoCase(const std::string& text, const std::string& find, const std::string& with) {
  const std::string upperText = UpperAscii(text);
  const std::string upperFind = UpperAscii(find);
  std::string result;
  size_t from = 0;
  for (size_t at = upperText.find(upperFind); at != std::string::npos; at = upperText.find(upperFind, from)) {
    result.append(text, from, at - from);
    result += with;
    from = at + find.size();
  }
  result.append(text, from, std::string::npos);
  return result;
}
}  // namespace

std::string UpperAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

std::string ShortenHiveNames(const std::string& path) {
  std::string result = path;
  for (const Hive& h : kShortenOrder) result = ReplaceNoCase(result, h.longName, h.shortName);
  return result;
}

std::string LengthenHiveNames(const std::string& path) {
  // The table's order is also the order HKCU, HKLM, HKCR, HKUS, HKPD, HKDD, HKCC.
  std::string result = path;
  for (const Hive& h : kShortenOrder) result = ReplaceNoCase(result, h.shortName, h.longName);
  return result;
}

int32_t RootOfShortHive(const std::string& hive) {
  for (const Hive& h : kShortenOrder) {
    if (hive == h.shortName) return h.root;
  }
  return 0;
}

}  // namespace reg
