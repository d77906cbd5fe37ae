// The wizard pages' portable part: the summary text and the check-box toggle.
#include <gtest/gtest.h>

#include "wizard/Pages.h"

namespace {

TEST(WizardPageTexts, SummaryAndCheckToggle) {
  EXPECT_EQ(Pages::SummaryText("C:\\Demo", "Velmarind"),
            "\r\n  Percorso di installazione:\r\n     C:\\Demo\r\n\r\n  Gruppo di programmi:\r\n     Velmarind");
  // An empty group leaves five blanks as the last line, with no line break after it.
  const std::string empty = Pages::SummaryText("C:\\Demo", "");
  EXPECT_EQ(empty.substr(empty.size() - 7), "\r\n     ");

  EXPECT_EQ(Pages::ToggledCheckValue(0), 1);
  EXPECT_EQ(Pages::ToggledCheckValue(1), 0);
  EXPECT_EQ(Pages::ToggledCheckValue(2), 1);
  // The texts are code page 1252 bytes.
  EXPECT_NE(std::string(Pages::SummaryInstruction).find("\xAB" "Indietro\xBB,  altrimenti"), std::string::npos);
  EXPECT_NE(std::string(Pages::GroupInstruction).find("gi\xE0 esistenti."), std::string::npos);
}

}  // namespace
