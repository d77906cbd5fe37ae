// "REGEDIT4" export and import of clsRegistryAccess, over whichever registry
// the test program links.
#include <string>
#include <vector>

#include "RegistryFixture.h"

namespace {
// A text box that remembers every text it was given.
struct RecordingBox : tk::TextHolder {
  std::vector<std::string> texts;
  std::string Text() const override { return texts.empty() ? "" : texts.back(); }
  void SetText(const std::string& text) override { texts.push_back(text); }
};

const std::string kLong = "HKEY_CURRENT_USER\\";
}  // namespace

TEST_F(RegistryTest, ExportWritesTheFormatByteForByteAndImportRestoresIt) {
  ra->WriteString(base, "Name", "Text");
  ra->WriteBinary(base, "Bin", "0A FF");
  ra->WriteDWORD(base, "Num", 31);
  ra->WriteDWORD(base, "Neg", -1);
  const std::string file = FilePath("example.reg");
  ASSERT_EQ(ra->ExportToReg(base, file), 1);

  const std::string head = "[" + kLong + backend->baseSubKey() + "]";
  // DWORD lines in the registry's order of the values: Wine lists them by
  // name, Windows as created.
  const std::string expectedTail = "\"Bin\"=hex:0A,FF\r\n";
  const std::string text = ReadFile(file);
  const std::string byCreation = "REGEDIT4\r\n\r\n" + head + "\r\n\"Name\"=\"Text\"\r\n" + expectedTail +
                                 "\"Num\"=dword:0000001F\r\n\"Neg\"=dword:FFFFFFFF\r\n\r\n";
  const std::string byName = "REGEDIT4\r\n\r\n" + head + "\r\n\"Name\"=\"Text\"\r\n" + expectedTail +
                             "\"Neg\"=dword:FFFFFFFF\r\n\"Num\"=dword:0000001F\r\n\r\n";
  EXPECT_TRUE(text == byCreation || text == byName) << text;

  ASSERT_NE(ra->KillKey(base), 0);
  ASSERT_FALSE(ra->KeyExists(base));
  ra->CreateKeyIfDoesntExists(false);
  EXPECT_EQ(ra->ImportFromReg(file), 1);
  EXPECT_TRUE(ra->CreateKeyIfDoesntExists());
  EXPECT_EQ(ra->ReadString(base, "Name"), "Text");
  EXPECT_EQ(ra->ReadBinary(base, "Bin"), "0A FF");
  EXPECT_EQ(ra->ReadDWORD(base, "Num"), 31);
  EXPECT_EQ(ra->ReadDWORD(base, "Neg", 0), -1);
}

TEST_F(RegistryTest, ExportWalksSubKeysDepthFirstAndShowsEachKey) {
  ra->CreateKey(Path("A\\X"));
  ra->WriteDWORD(Path("A"), "n", 1);
  ra->CreateKey(Path("B"));
  const std::string root = kLong + backend->baseSubKey();

  RecordingBox box;
  int yields = 0;
  ra->SetYieldHook([&] { ++yields; });
  ASSERT_EQ(ra->ExportToReg(base, FilePath("all.reg"), true, &box), 1);
  const std::vector<std::string> order{root, root + "\\A", root + "\\A\\X", root + "\\B"};
  EXPECT_EQ(box.texts, order);
  EXPECT_EQ(yields, 4);
  std::string expected = "REGEDIT4\r\n\r\n";
  for (const std::string& key : order) {
    expected += "[" + key + "]\r\n";
    if (key == root + "\\A") expected += "\"n\"=dword:00000001\r\n";
    expected += "\r\n";
  }
  EXPECT_EQ(ReadFile(FilePath("all.reg")), expected);

  // Without sub-keys and without a box: one section, no yielding.
  ASSERT_EQ(ra->ExportToReg(base, FilePath("one.reg"), false), 1);
  EXPECT_EQ(ReadFile(FilePath("one.reg")), "REGEDIT4\r\n\r\n[" + root + "]\r\n\r\n");
  EXPECT_EQ(yields, 4);
}

TEST_F(RegistryTest, ExportWritesDefaultsByTypeAndLeavesOtherTypesOut) {
  ra->WriteString(Path("S"), "@", "dflt");
  PutRaw("B", "", reg::kTypeBinary, std::string("AB\n", 3));
  PutRaw("B", "exp", reg::kTypeExpandString, std::string("%X%") + '\0');
  ASSERT_EQ(ra->ExportToReg(Path("S"), FilePath("s.reg")), 1);
  EXPECT_EQ(ReadFile(FilePath("s.reg")),
            "REGEDIT4\r\n\r\n[" + kLong + backend->baseSubKey() + "\\S]\r\n@=\"dflt\"\r\n\r\n");

  // A binary default: as bytes under the empty name, with no "@" line.
  ASSERT_EQ(ra->ExportToReg(Path("B"), FilePath("b.reg")), 1);
  EXPECT_EQ(ReadFile(FilePath("b.reg")), "REGEDIT4\r\n\r\n[" + kLong + backend->baseSubKey() +
                                             "\\B]\r\n\"\"=hex:41,42,0A\r\n\r\n");
}

TEST_F(RegistryTest, ExportNeverOverwritesAFile) {
  ra->WriteString(base, "v", "x");
  const std::string file = FilePath("there.reg");
  WriteFile(file, "keep");
  EXPECT_EQ(ra->ExportToReg(base, file), 0);
  EXPECT_EQ(ReadFile(file), "keep");
  EXPECT_EQ(ra->ExportToReg(base, FilePath("no such folder/x.reg")), 0);
}

TEST_F(RegistryTest, ImportChecksTheHeaderAndStopsOnALoneBracket) {
  const std::string body = "\r\n[" + base + "]\r\n\"v\"=\"x\"\r\n";
  struct Case {
    std::string header;
    int32_t result;
  };
  for (const Case& c : {Case{"regedit4", 1}, Case{"ReGeDiT4", 1}, Case{"REGEDIT4 ", 0},
                        Case{"Windows Registry Editor Version 5.00", 0}}) {
    ra->KillValue(base, "v");
    const std::string file = FilePath("h.reg");
    WriteFile(file, c.header + body);
    EXPECT_EQ(ra->ImportFromReg(file), c.result) << c.header;
    EXPECT_EQ(ra->ValueExists(base, "v"), c.result == 1) << c.header;
  }
  WriteFile(FilePath("empty.reg"), "");
  EXPECT_EQ(ra->ImportFromReg(FilePath("empty.reg")), 0);
  EXPECT_EQ(ra->ImportFromReg(FilePath("missing.reg")), 0);

  // What came before the lone "[" stays applied.
  WriteFile(FilePath("bracket.reg"), "REGEDIT4\r\n[" + base + "]\r\n\"w\"=\"y\"\r\n[\r\n\"z\"=\"z\"\r\n");
  EXPECT_EQ(ra->ImportFromReg(FilePath("bracket.reg")), 0);
  EXPECT_EQ(ra->ReadString(base, "w"), "y");
}

TEST_F(RegistryTest, ImportAppliesEachKindOfLine) {
  ra->WriteString(Path("Doomed\\Leaf"), "v", "x");
  ra->WriteString(Path("Doomed"), "v", "x");
  ra->KillKey(Path("Doomed\\Leaf"));
  ra->WriteString(base, "gone", "x");
  ra->WriteString(base, "@", "default");
  const std::string file = FilePath("lines.reg");
  WriteFile(file,
            "REGEDIT4\r\n"
            "\"before\"=\"head\"\r\n"
            "[" + Path("Empty") + "]\r\n"
            "\r\n"
            "[-" + Path("Doomed") + "]\r\n"
            "\"kept\"=\"no\"\r\n"
            "  [" + base + "]  \r\n"
            "; \"comment\"=\"x\"\r\n"
            "\"gone\"=-\r\n"
            "@=\"\"\r\n"
            "\"path\"=\"C:\\\\dir\\\"q\\\"\"\r\n"
            "\"big\"=dword:100000000\r\n"
            "\"wide\"=dword:0000000010\r\n"
            " \"sp\" = \"v\" \r\n"
            "\"[odd\"=\"x\"\r\n"
            "\"after\"=\"odd\"\r\n");
  EXPECT_EQ(ra->ImportFromReg(file), 1);

  EXPECT_FALSE(ra->KeyExists(Path("Empty")));
  EXPECT_FALSE(ra->KeyExists(Path("Doomed")));
  EXPECT_FALSE(ra->ValueExists(base, "before"));
  EXPECT_FALSE(ra->ValueExists(base, "kept"));
  EXPECT_FALSE(ra->ValueExists(base, "gone"));
  EXPECT_FALSE(ra->ValueExists(base, ""));
  EXPECT_EQ(ra->ReadString(base, "path"), "C:\\\\dir\\q\\");
  EXPECT_FALSE(ra->ValueExists(base, "big"));
  EXPECT_EQ(ra->ReadDWORD(base, "wide"), 16);
  // Blanks by the "=" stay with name and data; the read loses the leading one.
  EXPECT_TRUE(ra->ValueExists(base, "sp "));
  EXPECT_EQ(ra->ReadString(base, "sp "), "v");
  // "[odd=x" opened a section of its own, so "after" went to key "odd=".
  EXPECT_FALSE(ra->ValueExists(base, "after"));
}
