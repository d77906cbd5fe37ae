// Misc: the current user's regional formats that the installed application
// relies on, and the text helper that reads locale values.
// TrimAtNullOrEmpty only computes (both builds); SetRegionalFormats talks to
// Windows (Windows build only).
#pragma once

#include <string>

namespace Misc {

// The text before its first NUL character; "" when it holds none. (Its
// sibling TrimAtNull, engine/Misc.h, keeps a text without NUL whole.)
inline std::string TrimAtNullOrEmpty(const std::string& text) {
  const std::size_t nul = text.find('\0');
  return nul == std::string::npos ? std::string() : text.substr(0, nul);
}

// Forces the current user's (LOCALE_USER_DEFAULT) formats, in this order:
// - short date: "dd/MM/yyyy" unless it ends in "yyy" (case-sensitive);
// - currency symbol: "€" unless it contains the euro sign;
// - currency digits: "2" when the value, read as a number and rounded to a
//   whole one, is below 2;
// - currency decimal separator: always ",".
// A value that cannot be read counts as empty, so the first three are then
// written. A write that Windows refuses is passed over: this is a
// best-effort step of the installation and has nothing to report. The
// values stay for the user after the program ends.
void SetRegionalFormats();

}  // namespace Misc
