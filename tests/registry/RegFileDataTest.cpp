// The data of "REGEDIT4" files as programs write them: long hex values
// continued over several lines, typed hex values, "=" inside string data,
// and the export and re-import of values the registry holds in any form.
#include <cstdio>
#include <string>

#include "RegistryFixture.h"

namespace {
const std::string kLong = "HKEY_CURRENT_USER\\";

// Two hex digits per byte, joined by ","; lines end with ",\" after every
// perLine bytes and the next line starts with two blanks, as the registry
// editor wraps them.
std::string HexLines(const std::string& bytes, size_t perLine) {
  std::string text;
  for (size_t i = 0; i < bytes.size(); ++i) {
    char pair[3];
    std::snprintf(pair, sizeof pair, "%02x", static_cast<unsigned char>(bytes[i]));
    text += pair;
    if (i + 1 == bytes.size()) break;
    text += ",";
    if ((i + 1) % perLine == 0) text += "\\\r\n  ";
  }
  return text;
}

std::string AllBytes() {
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
  return bytes;
}

// "%SystemRoot%\x" as an expandable string, and "a", "b" as a multi-string.
const std::string kExpand = std::string("%SystemRoot%\\x") + '\0';
const std::string kMulti = std::string("a\0b\0\0", 5);
}  // namespace

TEST_F(RegistryTest, ImportJoinsHexValuesContinuedOverSeveralLines) {
  const std::string file = FilePath("keyboard.reg");
  WriteFile(file, "REGEDIT4\r\n\r\n[" + base + "\\Keyboard]\r\n" +
                      "\"Table\"=hex:" + HexLines(AllBytes(), 25) + "\r\n" +
                      "\"List\"=hex(7):" + HexLines(kMulti, 2) + "\r\n" +
                      "\"Gaps\"=hex:01,\\\r\n\r\n  ; a note\r\n\t02,\t03,\\\r\n \t04\r\n" +
                      "\"Last\"=hex:01,\\\r\n" +
                      "\"After\"=\"x\"\r\n");
  ASSERT_EQ(ra->ImportFromReg(file), 1);
  uint32_t type = 0;
  EXPECT_EQ(GetRaw("Keyboard", "Table", type), AllBytes());
  EXPECT_EQ(type, reg::kTypeBinary);
  EXPECT_EQ(GetRaw("Keyboard", "List", type), kMulti);
  EXPECT_EQ(type, 7u);
  // As in the registry editor, empty lines, comments and tabs go on with it.
  EXPECT_EQ(GetRaw("Keyboard", "Gaps", type), "\x01\x02\x03\x04");
  // A continuation that reaches a value line of its own stops before it.
  EXPECT_EQ(GetRaw("Keyboard", "Last", type), "\x01");
  EXPECT_EQ(ra->ReadString(Path("Keyboard"), "After"), "x");
}

TEST_F(RegistryTest, ImportReadsLfAndCrLfAsLineEndsAndDropsTheCrsBeforeThem) {
  struct Case {
    std::string key, headerEnd, bodyEnd;
  };
  for (const Case& c : {Case{"CrLfHeader", "\r\n", "\n"}, Case{"CrCrLf", "\r\r\n", "\r\r\n"}, Case{"Lf", "\n", "\n"}}) {
    const std::string file = FilePath(c.key + ".reg");
    WriteFile(file, "REGEDIT4" + c.headerEnd + c.bodyEnd + "[" + Path(c.key) + "]" + c.bodyEnd +
                        "\"v\"=\"a\rb\"" + c.bodyEnd + "\"n\"=hex:01,\\" + c.bodyEnd + "  02" + c.bodyEnd);
    EXPECT_EQ(ra->ImportFromReg(file), 1) << c.key;
    // A CR inside a line stays in it.
    EXPECT_EQ(ra->ReadString(Path(c.key), "v"), "a\rb") << c.key;
    EXPECT_EQ(ra->ReadBinary(Path(c.key), "n"), "01 02") << c.key;
  }
}

TEST_F(RegistryTest, ImportStoresTypedHexValuesWithTheirType) {
  const std::string file = FilePath("typed.reg");
  WriteFile(file, "REGEDIT4\r\n\r\n[" + base + "]\r\n" +
                      "@=hex(2):" + HexLines(kExpand, 100) + "\r\n" +
                      "\"Path\"=HEX(2):" + HexLines(kExpand, 100) + "\r\n" +
                      "\"Big\"=hex(b):01,00,00,00,00,00,00,80\r\n" +
                      "\"None\"=hex(0):\r\n" +
                      "\"Odd\"=hex(zz):01\r\n" +
                      "\"Quoted\"=\"hex(2):41,00\"\r\n");
  ASSERT_EQ(ra->ImportFromReg(file), 1);
  uint32_t type = 0;
  EXPECT_EQ(GetRaw("", "", type), kExpand);
  EXPECT_EQ(type, reg::kTypeExpandString);
  EXPECT_EQ(GetRaw("", "Path", type), kExpand);
  EXPECT_EQ(type, reg::kTypeExpandString);
  EXPECT_EQ(GetRaw("", "Big", type), std::string("\x01\0\0\0\0\0\0\x80", 8));
  EXPECT_EQ(type, 11u);
  EXPECT_EQ(GetRaw("", "None", type), "");
  EXPECT_EQ(type, 0u);
  // No type number: the text stays a string, as any other data.
  EXPECT_EQ(ra->ReadString(base, "Odd"), "hex(zz):01");
  // Data in quotes is a string, as a typed value's text always was.
  EXPECT_EQ(GetRaw("", "Quoted", type), std::string("hex(2):41,00") + '\0');
  EXPECT_EQ(type, reg::kTypeString);
}

TEST_F(RegistryTest, ImportSplitsAValueLineAtTheEqualsAfterItsName) {
  const std::string file = FilePath("putty.reg");
  WriteFile(file, "REGEDIT4\r\n\r\n[" + base + "\\Sessions\\Default]\r\n"
                  "\"TerminalModes\"=\"INTR=A,QUIT=A,ERASE=A\"\r\n"
                  "\"a=b\"=\"c\"\r\n"
                  "@=\"x=y\"\r\n"
                  "\"Empty\"=\"=\"\r\n"
                  "\"Folder\"=\"C:\\\\Program Files\\\\\"\r\n"
                  " \"sp\" = \"v\" \r\n"
                  "\"n\"=dword:0000001f\r\n");
  ASSERT_EQ(ra->ImportFromReg(file), 1);
  const std::string key = Path("Sessions\\Default");
  EXPECT_EQ(ra->ReadString(key, "TerminalModes"), "INTR=A,QUIT=A,ERASE=A");
  EXPECT_EQ(ra->ReadString(key, "a=b"), "c");
  EXPECT_EQ(ra->ReadString(key, ""), "x=y");
  EXPECT_EQ(ra->ReadString(key, "Empty"), "=");
  // This object's own dialect stays: no unescaping, blanks by the "=" kept.
  EXPECT_EQ(ra->ReadString(key, "Folder"), "C:\\\\Program Files\\\\");
  EXPECT_EQ(ra->ReadString(key, "sp "), "v");
  EXPECT_EQ(ra->ReadDWORD(key, "n"), 31);
}

TEST_F(RegistryTest, ExportWritesValuesUnderTheirRealNamesAndTheyComeBack) {
  PutRaw("", "Const  ", reg::kTypeDword, std::string("\x1F\0\0\0", 4));
  PutRaw("", " Lead", reg::kTypeDword, std::string("\xFF\xFF\xFF\xFF", 4));
  PutRaw("", "Text ", reg::kTypeString, std::string("t ") + '\0');
  PutRaw("", "Bin ", reg::kTypeBinary, "\x0A");
  const std::string file = FilePath("names.reg");
  ASSERT_EQ(ra->ExportToReg(base, file), 1);
  const std::string text = ReadFile(file);
  for (const char* line : {"\r\n\"Const  \"=dword:0000001F\r\n", "\r\n\" Lead\"=dword:FFFFFFFF\r\n",
                           "\r\n\"Text \"=\"t \"\r\n", "\r\n\"Bin \"=hex:0A\r\n"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line << " in\n" << text;
  }

  ASSERT_NE(ra->KillKey(base), 0);
  ASSERT_EQ(ra->ImportFromReg(file), 1);
  uint32_t type = 0;
  EXPECT_EQ(GetRaw("", "Const  ", type), std::string("\x1F\0\0\0", 4));
  EXPECT_EQ(GetRaw("", " Lead", type), "\xFF\xFF\xFF\xFF");
  EXPECT_EQ(GetRaw("", "Text ", type), std::string("t ") + '\0');
  EXPECT_EQ(GetRaw("", "Bin ", type), "\x0A");
}

TEST_F(RegistryTest, ExportLeavesOutAValueItCannotReadAndReportsIt) {
  PutRaw("", "Wide", reg::kTypeDword, std::string("\x01\0\0\0\x02\0\0\0", 8));
  PutRaw("", "Fine", reg::kTypeDword, std::string("\x02\0\0\0", 4));
  const std::string file = FilePath("wide.reg");
  EXPECT_EQ(ra->ExportToReg(base, file), 0);
  EXPECT_EQ(ReadFile(file),
            "REGEDIT4\r\n\r\n[" + kLong + backend->baseSubKey() + "]\r\n\"Fine\"=dword:00000002\r\n\r\n");

  // A sub-key that cannot be read fails the export but not its siblings.
  ra->KillKey(base);
  PutRaw("A", "Wide", reg::kTypeDword, std::string("\x01\0\0\0\x02\0\0\0", 8));
  PutRaw("B", "n", reg::kTypeDword, std::string("\x03\0\0\0", 4));
  EXPECT_EQ(ra->ExportToReg(base, FilePath("tree.reg")), 0);
  EXPECT_NE(ReadFile(FilePath("tree.reg")).find("\"n\"=dword:00000003"), std::string::npos);
}

TEST_F(RegistryTest, DefaultsOfEveryTypeExportInTheirTypedFormAndComeBack) {
  PutRaw("Number", "", reg::kTypeDword, std::string("\x1F\0\0\0", 4));
  PutRaw("Binary", "", reg::kTypeBinary, std::string("\x0A\0\r\n\"\xFF", 6));
  PutRaw("Expand", "", reg::kTypeExpandString, kExpand);
  PutRaw("Multi", "", 7, kMulti);
  ra->WriteString(Path("Text"), "@", "dflt");
  const std::string file = FilePath("defaults.reg");
  ASSERT_EQ(ra->ExportToReg(base, file), 1);
  const std::string head = "[" + kLong + backend->baseSubKey();
  EXPECT_EQ(ReadFile(file), "REGEDIT4\r\n\r\n" + head + "]\r\n\r\n" +
                                head + "\\Binary]\r\n\"\"=hex:0A,00,0D,0A,22,FF\r\n\r\n" +
                                head + "\\Expand]\r\n@=hex(2):25,53,79,73,74,65,6D,52,6F,6F,74,25,5C,78,00\r\n\r\n" +
                                head + "\\Multi]\r\n@=hex(7):61,00,62,00,00\r\n\r\n" +
                                head + "\\Number]\r\n\"\"=dword:0000001F\r\n\r\n" +
                                head + "\\Text]\r\n@=\"dflt\"\r\n\r\n");

  ASSERT_NE(ra->KillKey(Path("Number")), 0);
  ASSERT_NE(ra->KillKey(Path("Binary")), 0);
  ASSERT_NE(ra->KillKey(Path("Expand")), 0);
  ASSERT_NE(ra->KillKey(Path("Multi")), 0);
  ASSERT_NE(ra->KillKey(Path("Text")), 0);
  ASSERT_EQ(ra->ImportFromReg(file), 1);
  uint32_t type = 0;
  EXPECT_EQ(GetRaw("Number", "", type), std::string("\x1F\0\0\0", 4));
  EXPECT_EQ(type, reg::kTypeDword);
  EXPECT_EQ(GetRaw("Binary", "", type), std::string("\x0A\0\r\n\"\xFF", 6));
  EXPECT_EQ(type, reg::kTypeBinary);
  EXPECT_EQ(GetRaw("Expand", "", type), kExpand);
  EXPECT_EQ(type, reg::kTypeExpandString);
  EXPECT_EQ(GetRaw("Multi", "", type), kMulti);
  EXPECT_EQ(type, 7u);
  EXPECT_EQ(ra->ReadString(Path("Text"), ""), "dflt");
}

TEST_F(RegistryTest, ExportAndImportReportWhenNothingCouldBeDone) {
  EXPECT_EQ(ra->ExportToReg(Path("Missing"), FilePath("missing.reg")), 0);
  EXPECT_EQ(ra->ExportToReg("HKXX\\Software", FilePath("nohive.reg")), 0);
  EXPECT_EQ(ReadFile(FilePath("missing.reg")), "");

  // Every write goes to a hive that does not exist.
  const std::string nowhere = FilePath("nowhere.reg");
  WriteFile(nowhere, "REGEDIT4\r\n\r\n[HKEY_NOWHERE\\Software]\r\n\"v\"=\"x\"\r\n\"n\"=dword:00000001\r\n");
  EXPECT_EQ(ra->ImportFromReg(nowhere), 0);

  // One write that lands is an import; so is a file with nothing to write.
  const std::string some = FilePath("some.reg");
  WriteFile(some, "REGEDIT4\r\n\r\n[HKEY_NOWHERE\\Software]\r\n\"v\"=\"x\"\r\n[" + base + "]\r\n\"v\"=\"x\"\r\n");
  EXPECT_EQ(ra->ImportFromReg(some), 1);
  EXPECT_EQ(ra->ReadString(base, "v"), "x");
  const std::string header = FilePath("header.reg");
  WriteFile(header, "REGEDIT4\r\n\r\n");
  EXPECT_EQ(ra->ImportFromReg(header), 1);
}
