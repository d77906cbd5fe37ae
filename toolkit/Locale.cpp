#include "toolkit/Locale.h"

#include "toolkit/Numbers.h"
#include "toolkit/Win.h"

namespace tk {
namespace {
// The first character of a separator item of the user's locale, or fallback.
char UserSeparator(LCTYPE item, char fallback) {
  char buffer[8] = {};
  if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, item, buffer, sizeof buffer) == 0 || buffer[0] == '\0') {
    return fallback;
  }
  return buffer[0];
}
}  // namespace

char UserThousandsSeparator() { return UserSeparator(LOCALE_STHOUSAND, ','); }
char UserDecimalSeparator() { return UserSeparator(LOCALE_SDECIMAL, '.'); }

std::string Format(double value, const std::string& pattern) {
  return FormatPattern(value, pattern, UserThousandsSeparator());
}

std::string CStrSingle(float value) { return SingleToText(value, UserDecimalSeparator()); }

}  // namespace tk
