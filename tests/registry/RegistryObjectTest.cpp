// Keys and typed values of clsRegistryAccess, over whichever registry the
// test program links.
#include <string>
#include <vector>

#include "RegistryFixture.h"

using Names = std::vector<std::string>;
using Values = std::vector<RegValueEntry>;

TEST_F(RegistryTest, KeysFollowTheCreateFlagAndAreListedAndRemoved) {
  EXPECT_TRUE(ra->CreateKeyIfDoesntExists());
  ra->CreateKeyIfDoesntExists(false);
  EXPECT_EQ(ra->WriteString(Path("A\\B"), "v", "x"), 0);
  EXPECT_FALSE(ra->KeyExists(base));

  ra->CreateKeyIfDoesntExists(true);
  EXPECT_NE(ra->WriteString(Path("A\\B"), "v", "x"), 0);
  EXPECT_TRUE(ra->KeyExists(Path("A")));
  EXPECT_EQ(ra->ReadString(Path("A\\B"), "v"), "x");
  EXPECT_NE(ra->CreateKey(Path("C")), 0);

  Names keys{"stale"};
  EXPECT_EQ(ra->EnumKeys(base, keys), 2);
  EXPECT_EQ(keys, (Names{"A", "C"}));
  EXPECT_TRUE(ra->HaveSubkey(base));
  EXPECT_FALSE(ra->HaveSubkey(Path("C")));
  EXPECT_EQ(ra->EnumKeys(Path("C"), keys), 0);
  EXPECT_TRUE(keys.empty());
  keys = {"stale"};
  EXPECT_EQ(ra->EnumKeys(Path("Missing"), keys), -1);
  EXPECT_TRUE(keys.empty());
  EXPECT_FALSE(ra->HaveSubkey(Path("Missing")));

  EXPECT_NE(ra->KillKey(Path("C")), 0);
  EXPECT_FALSE(ra->KeyExists(Path("C")));
  EXPECT_EQ(ra->KillKey(Path("C")), 0);
}

TEST_F(RegistryTest, AtNamesTheDefaultValueOnlyForStrings) {
  ASSERT_NE(ra->WriteString(base, "@", "default"), 0);
  EXPECT_EQ(ra->ReadString(base, ""), "default");
  EXPECT_FALSE(ra->ValueExists(base, "@"));

  ASSERT_NE(ra->WriteDWORD(base, "@", 5), 0);
  EXPECT_TRUE(ra->ValueExists(base, "@"));
  EXPECT_EQ(ra->ReadDWORD(base, "@"), 5);
  EXPECT_EQ(ra->ReadString(base, ""), "default");
}

TEST_F(RegistryTest, StringsLoseLeadingBlanksAndAreReadWholeAtAnyLength) {
  ra->WriteString(base, "lead", "  text");
  ra->WriteString(base, "trail", "text  ");
  ra->WriteString(base, "empty", "");
  EXPECT_EQ(ra->ReadString(base, "lead"), "text");
  EXPECT_EQ(ra->ReadString(base, "trail"), "text  ");
  EXPECT_EQ(ra->ReadString(base, "empty", "def"), "");

  for (size_t length : {254u, 255u, 256u, 5000u}) {
    const std::string text(length, 'x');
    ra->WriteString(base, "long", text);
    EXPECT_EQ(ra->ReadString(base, "long", "def"), text) << length;
  }

  // A value stored without any byte, not even the NUL.
  PutRaw("", "nothing", reg::kTypeString, "");
  EXPECT_EQ(ra->ReadString(base, "nothing", "def"), "");

  EXPECT_EQ(ra->ReadString(base, "missing"), std::string(1, '\0'));
  EXPECT_EQ(ra->ReadString(base, "missing", "def"), "def");
  EXPECT_EQ(ra->ReadString(Path("Missing"), "lead", "def"), "def");
}

TEST_F(RegistryTest, NumbersReadBackOrFallBackOnTheDefault) {
  ra->WriteDWORD(base, "minus", -1);
  ra->WriteDWORD(base, "min", INT32_MIN);
  EXPECT_EQ(ra->ReadDWORD(base, "minus", 7), -1);
  EXPECT_EQ(ra->ReadDWORD(base, "min"), INT32_MIN);
  EXPECT_EQ(ra->ReadDWORD(base, "missing"), -1);
  EXPECT_EQ(ra->ReadDWORD(base, "missing", 9), 9);

  // Any value of at most four bytes is a number; a longer one is not.
  ra->WriteBinary(base, "short", "1F 01");
  ra->WriteBinary(base, "five", "01 02 03 04 05");
  EXPECT_EQ(ra->ReadDWORD(base, "short"), 0x011F);
  EXPECT_EQ(ra->ReadDWORD(base, "five", 9), 9);
}

TEST_F(RegistryTest, BinaryValuesRoundTripWhole) {
  EXPECT_NE(ra->WriteBinary(base, "three", "0a ff 00"), 0);
  EXPECT_EQ(ra->ReadBinary(base, "three"), "0A FF 00");

  ra->WriteBinary(base, "empty", "");
  EXPECT_TRUE(ra->ValueExists(base, "empty"));
  EXPECT_EQ(ra->ReadBinary(base, "empty", "def"), "");

  // Blank bytes at the edges belong to the data.
  ra->WriteBinary(base, "blanks", "20 41 20");
  EXPECT_EQ(ra->ReadBinary(base, "blanks"), "20 41 20");

  std::string hex;
  for (int i = 0; i < 600; ++i) hex += ra->BinToStr(std::string(1, static_cast<char>(i)));
  ra->WriteBinary(base, "long", hex);
  EXPECT_EQ(ra->ReadBinary(base, "long"), hex.substr(1));

  EXPECT_EQ(ra->ReadBinary(base, "missing", "def"), "def");
  EXPECT_EQ(ra->ReadBinary(Path("Missing"), "three"), "");
}

TEST_F(RegistryTest, ValuesAreRemovedAndTestedPerKey) {
  ra->WriteString(base, "v", "x");
  EXPECT_TRUE(ra->ValueExists(base, "v"));
  EXPECT_NE(ra->KillValue(base, "v"), 0);
  EXPECT_FALSE(ra->ValueExists(base, "v"));
  // The key could be opened: success, though there was nothing to delete.
  EXPECT_NE(ra->KillValue(base, "v"), 0);
  EXPECT_EQ(ra->KillValue(Path("Missing"), "v"), 0);
  EXPECT_FALSE(ra->ValueExists(Path("Missing"), "v"));
}

TEST_F(RegistryTest, EnumValuesDeliversEachTypeItsWayAndFilters) {
  // Names in alphabetical order, which is also the order they are created
  // in: Windows lists values in creation order, Wine in name order.
  const std::string longName(300, 'n');
  std::string bigHex;
  for (int i = 0; i < 400; ++i) bigHex += " 5A";
  ra->WriteString(base, "a", "text");
  ra->WriteBinary(base, "b", "0a ff");
  ra->WriteDWORD(base, "c", 31);
  PutRaw("", "d", reg::kTypeExpandString, std::string("%PATH%") + '\0');
  ra->WriteBinary(base, "e", bigHex);
  ra->WriteString(base, longName, "long name");

  Names names;
  Values values;
  ASSERT_EQ(ra->EnumValues(base, names, values), 6);
  EXPECT_EQ(names, (Names{"a", "b", "c", "d", "e", longName}));
  EXPECT_EQ(values[0], RegValueEntry(std::string("text")));
  EXPECT_EQ(values[1], RegValueEntry(std::string("0A FF")));
  EXPECT_EQ(values[2], RegValueEntry(int32_t{31}));
  EXPECT_EQ(values[3], RegValueEntry());
  EXPECT_EQ(values[4], RegValueEntry(bigHex.substr(1)));
  EXPECT_EQ(values[5], RegValueEntry(std::string("long name")));

  ASSERT_EQ(ra->EnumValues(base, names, values, 4), 1);
  EXPECT_EQ(names, Names{"c"});

  EXPECT_EQ(ra->EnumValues(Path("Missing"), names, values), -1);
  EXPECT_EQ(names, Names{"c"});  // left as they were
}
