#include "engine/Regional.h"

#include "toolkit/Numbers.h"
#include "toolkit/Win.h"

namespace Misc {
namespace {

// Reads one item of the user's locale the way the system always has: into a
// buffer of 100 characters, offering 99 of them, and cut at the first NUL.
// A failed read gives "".
std::string ReadUserLocale(LCTYPE item) {
  std::string buffer(100, '\0');
  if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, item, buffer.data(), 99) == 0) return {};
  return TrimAtNullOrEmpty(buffer);
}

void WriteUserLocale(LCTYPE item, const char* value) {
  // A refused write leaves the user's value as it was; nothing depends on it.
  static_cast<void>(::SetLocaleInfoA(LOCALE_USER_DEFAULT, item, value));
}

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

void SetRegionalFormats() {
  if (!EndsWith(ReadUserLocale(LOCALE_SSHORTDATE), "yyy")) WriteUserLocale(LOCALE_SSHORTDATE, "dd/MM/yyyy");
  if (ReadUserLocale(LOCALE_SCURRENCY).find("€") == std::string::npos) WriteUserLocale(LOCALE_SCURRENCY, "€");
  if (tk::RoundHalfEven(tk::Val(ReadUserLocale(LOCALE_ICURRDIGITS))) < 2) WriteUserLocale(LOCALE_ICURRDIGITS, "2");
  WriteUserLocale(LOCALE_SMONDECIMALSEP, ",");
}

}  // namespace Misc
