// The user's regional formats, put aside for a test and restored after it:
// they last for the whole prefix, so a test that changes them (or runs an
// installation, which forces some) puts them back. Windows build only.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/Win.h"

namespace testsupport {

// The formats an installation forces: the short date, the currency symbol,
// its digits and its decimal separator.
inline constexpr std::initializer_list<LCTYPE> kInstallationFormats = {LOCALE_SSHORTDATE, LOCALE_SCURRENCY,
                                                                       LOCALE_ICURRDIGITS, LOCALE_SMONDECIMALSEP};

class LocaleAside {
 public:
  explicit LocaleAside(std::initializer_list<LCTYPE> items = kInstallationFormats) {
    for (LCTYPE item : items) {
      char buffer[128] = {};
      GetLocaleInfoA(LOCALE_USER_DEFAULT, item, buffer, sizeof buffer);
      saved_.emplace_back(item, buffer);
    }
  }
  ~LocaleAside() {
    for (const auto& [item, value] : saved_) SetLocaleInfoA(LOCALE_USER_DEFAULT, item, value.c_str());
  }
  LocaleAside(const LocaleAside&) = delete;
  LocaleAside& operator=(const LocaleAside&) = delete;

 private:
  std::vector<std::pair<LCTYPE, std::string>> saved_;
};

}  // namespace testsupport
