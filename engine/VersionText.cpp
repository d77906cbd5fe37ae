#include "engine/VersionText.h"

#include <charconv>
#include <cstdio>

namespace VersionText {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

}  // namespace

double ReadFileVersion(const std::string& text) {
  // Gather the digits and the one point, blanks left out, then convert the
  // gathered text, which from_chars reads the same in every locale.
  std::string number;
  bool point = false;
  for (const char c : text) {
    if (IsBlank(c)) continue;
    if (c >= '0' && c <= '9') {
      number += c;
    } else if (c == '.' && !point) {
      point = true;
      number += c;
    } else {
      break;
    }
  }
  if (number.find_first_of("0123456789") == std::string::npos) return 0;
  if (number.front() == '.') number.insert(number.begin(), '0');
  double value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error != std::errc()) return 0;
  return value;
}

std::string TranslationKey(uint16_t language, uint16_t codePage) {
  char key[9];
  std::snprintf(key, sizeof key, "%04X%04X", static_cast<unsigned>(language), static_cast<unsigned>(codePage));
  return key;
}

}  // namespace VersionText
