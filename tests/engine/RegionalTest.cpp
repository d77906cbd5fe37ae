// SetRegionalFormats on the Wine user's locale. The prefix is shared by the
// whole test run, so the four values are put aside first and back after.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "engine/Regional.h"
#include "tests/support/Locale.h"
#include "toolkit/Win.h"

namespace {

using Values = std::array<std::string, 4>;

std::string Read(LCTYPE item) {
  char buffer[256] = {};
  EXPECT_NE(::GetLocaleInfoA(LOCALE_USER_DEFAULT, item, buffer, sizeof buffer), 0) << item;
  return buffer;
}

static_assert(testsupport::kInstallationFormats.size() == 4, "one value for each format");
// The formats in the order of Values.
const std::array<LCTYPE, 4> kItems = [] {
  std::array<LCTYPE, 4> items{};
  std::copy(testsupport::kInstallationFormats.begin(), testsupport::kInstallationFormats.end(), items.begin());
  return items;
}();

Values ReadAll() {
  Values v;
  for (std::size_t i = 0; i < kItems.size(); ++i) v[i] = Read(kItems[i]);
  return v;
}

void WriteAll(const Values& v) {
  for (std::size_t i = 0; i < kItems.size(); ++i)
    ASSERT_TRUE(::SetLocaleInfoA(LOCALE_USER_DEFAULT, kItems[i], v[i].c_str())) << v[i];
  ASSERT_EQ(ReadAll(), v) << "the prefix did not keep the values written";
}

// The four values are put back after each case.
class Regional : public ::testing::Test {
 private:
  const testsupport::LocaleAside saved_;
};

}  // namespace

TEST_F(Regional, ForcesDateYearCurrencySymbolDigitsAndSeparator) {
  struct Row {
    Values before, after;
  };
  const Row rows[] = {
      {{"d/M/yyyy", "L.", "0", "."}, {"d/M/yyyy", "€", "2", ","}},
      {{"dd/MM/yy", "EUR", "1", ","}, {"dd/MM/yyyy", "€", "2", ","}},
      {{"dd/MM/YYYY", "€ ", "3", "."}, {"dd/MM/yyyy", "€ ", "3", ","}},
      {{"M/d/yy", "$", "2", "€"}, {"dd/MM/yyyy", "€", "2", ","}},
      {{"yyyy-MM-dd", "EUR €", "2", "."}, {"dd/MM/yyyy", "EUR €", "2", ","}},
  };
  for (const Row& r : rows) {
    WriteAll(r.before);
    Misc::SetRegionalFormats();
    EXPECT_EQ(ReadAll(), r.after) << r.before[0] << " | " << r.before[1] << " | " << r.before[2];
  }
}
