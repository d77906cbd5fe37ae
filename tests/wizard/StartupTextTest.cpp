#include <gtest/gtest.h>

#include "wizard/Captions.h"
#include "wizard/WelcomeText.h"

TEST(Captions, AppNameIsCutAtTheFirstBlankVDot) {
  EXPECT_EQ(Captions::AppNameCaption("Contabilità v.2.1"), "CONTABILITÀ ");
  EXPECT_EQ(Captions::ApptitleCaption("Contabilità v.2.1"), "Installazione di CONTABILITÀ V.2.1");
  EXPECT_EQ(Captions::AppNameCaption("Contabilità 2.1"), "");
  EXPECT_EQ(Captions::AppNameCaption("Demo V.2"), "");  // the search is case-sensitive
  EXPECT_EQ(Captions::AppNameCaption("Demo v.1 v.2"), "DEMO ");
}

TEST(Captions, UpperCaseCoversTheCodePage1252Letters) {
  EXPECT_EQ(Captions::UpperCase("abcxyz àáâãäåæçèéêëìíîïðñòóôõöøùúûüýþ"),
            "ABCXYZ ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝÞ");
  EXPECT_EQ(Captions::UpperCase("šœžÿ"), "ŠŒŽŸ");
  // Letters without a capital in the code page, signs and capitals stay.
  EXPECT_EQ(Captions::UpperCase("ß÷µ€§«» 0-9 ÀŠ@[`{"), "ß÷µ€§«» 0-9 ÀŠ@[`{");
}

TEST(WelcomeText, EachAtBecomesTheNameWithItsBlanksCollapsed) {
  const std::pair<std::string, std::string> cases[] = {
      {"Benvenuti in @ !", "Benvenuti in Demo !"},
      {"@ ti dà il benvenuto", " Demo ti dà il benvenuto"},
      {"   @ ti dà il benvenuto", " Demo ti dà il benvenuto"},
      {"  Ciao   @  ", "Ciao Demo"},
      {"@ e @", "Demo e Demo"},
      {"@@", "Demo Demo"},
      {"Riga uno\r\nBenvenuti in @.\r\n", "Riga uno\r\nBenvenuti in Demo.\r\n"},
      // Without "@" nothing changes, trailing blanks included.
      {"  Nessun nome  ", "  Nessun nome  "},
      {"", ""},
  };
  for (const auto& [text, expected] : cases)
    EXPECT_EQ(WelcomeText::InsertAppName(text, "Demo"), expected) << text;
}

TEST(WelcomeText, ANameWithAnAtIsInsertedAsItIs) {
  EXPECT_EQ(WelcomeText::InsertAppName("Ciao @, @!", "A@B"), "Ciao A@B, A@B!");
  EXPECT_EQ(WelcomeText::InsertAppName("@", "@"), " @");
  EXPECT_EQ(WelcomeText::InsertAppName("x @ y", " @ "), "x  @  y");
}
