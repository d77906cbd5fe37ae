// What only the in-memory registry can show: paths into any hive, a key
// whose enumeration is refused, and that no member leaves a key open. Also
// the converters, which touch no registry.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "registry/MemoryRegFiles.h"
#include "registry/MemoryRegistry.h"
#include "registry/clsRegistryAccess.h"

namespace {
struct MemoryRegistryAccess : ::testing::Test {
  reg::MemoryRegistry registry;
  reg::MemoryRegFiles files;
  clsRegistryAccess ra{registry, files};

  bool Exists(int32_t root, const std::string& subKey) {
    int32_t handle = 0;
    if (registry.OpenKey(root, subKey, handle) != reg::kSuccess) return false;
    registry.CloseKey(handle);
    return true;
  }
};
}  // namespace

TEST_F(MemoryRegistryAccess, PathsNameTheirHiveByItsFirstFourLetters) {
  EXPECT_NE(ra.WriteString("hklm\\Software", "v", "x"), 0);
  EXPECT_TRUE(Exists(reg::kLocalMachine, "Software"));
  EXPECT_TRUE(ra.KeyExists("HKEY_LOCAL_MACHINE"));
  EXPECT_TRUE(ra.KeyExists("hkey_local_machine\\software"));

  EXPECT_NE(ra.CreateKey("HKLMX\\A"), 0);
  EXPECT_TRUE(Exists(reg::kLocalMachine, "A"));

  EXPECT_NE(ra.CreateKey("HKCU\\Data\\HKEY_USERS"), 0);
  EXPECT_TRUE(Exists(reg::kCurrentUser, "Data\\HKUS"));

  EXPECT_NE(ra.CreateKey("HKEY_USERS\\U"), 0);
  EXPECT_TRUE(Exists(reg::kUsers, "U"));
  EXPECT_NE(ra.CreateKey("hkdd\\D"), 0);
  EXPECT_TRUE(Exists(reg::kDynData, "D"));

  // "HKU" is no hive: every member fails.
  std::vector<std::string> keys;
  std::vector<std::string> names;
  std::vector<RegValueEntry> values;
  EXPECT_EQ(ra.CreateKey("HKU\\Software"), 0);
  EXPECT_EQ(ra.WriteString("HKU\\Software", "v", "x"), 0);
  EXPECT_EQ(ra.WriteDWORD("HKU\\Software", "v", 1), 0);
  EXPECT_FALSE(ra.KeyExists("HKU\\Software"));
  EXPECT_EQ(ra.ReadString("HKU\\Software", "v", "def"), "def");
  EXPECT_EQ(ra.EnumKeys("HKU\\Software", keys), -1);
  EXPECT_EQ(ra.EnumValues("HKU\\Software", names, values), -1);
  EXPECT_EQ(ra.KillKey("HKU\\Software"), 0);
  EXPECT_FALSE(Exists(reg::kUsers, "Software"));

  EXPECT_EQ(registry.OpenHandleCount(), 0u);
}

TEST_F(MemoryRegistryAccess, RefusedEnumerationEndsAndNoKeyStaysOpen) {
  ra.CreateKey("HKCU\\Locked\\Sub");
  ra.WriteString("HKCU\\Locked", "v", "x");
  ASSERT_TRUE(registry.DenyEnumeration(reg::kCurrentUser, "Locked"));

  std::vector<std::string> keys{"stale"};
  std::vector<std::string> names;
  std::vector<RegValueEntry> values;
  EXPECT_EQ(ra.EnumKeys("HKCU\\Locked", keys), 0);
  EXPECT_TRUE(keys.empty());
  EXPECT_EQ(ra.EnumValues("HKCU\\Locked", names, values), 0);
  // What could not be listed makes the export incomplete: 0.
  EXPECT_EQ(ra.ExportToReg("HKCU\\Locked", "l.reg"), 0);
  EXPECT_EQ(files.files["l.reg"], "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Locked]\r\n\r\n");
  ra.CreateKey("HKCU\\Keys\\Sub");
  ra.WriteString("HKCU\\Values", "v", "x");
  ASSERT_TRUE(registry.DenyEnumeration(reg::kCurrentUser, "Keys", reg::MemoryRegistry::kSubKeyList));
  ASSERT_TRUE(registry.DenyEnumeration(reg::kCurrentUser, "Values", reg::MemoryRegistry::kValueList));
  EXPECT_EQ(ra.ExportToReg("HKCU\\Keys", "k.reg"), 0);
  EXPECT_EQ(ra.ExportToReg("HKCU\\Keys", "k1.reg", false), 1);
  EXPECT_EQ(ra.ExportToReg("HKCU\\Values", "v.reg"), 0);

  ra.ReadBinary("HKCU\\Locked", "v");
  ra.ValueExists("HKCU\\Locked", "v");
  ra.KillValue("HKCU\\Locked", "v");
  ra.HaveSubkey("HKCU\\Locked");
  EXPECT_EQ(registry.OpenHandleCount(), 0u);
}

// Wine refuses key names of 255 characters, which Windows allows.
TEST_F(MemoryRegistryAccess, KeyNamesOfFullLengthAreListedWhole) {
  const std::string longest(255, 'k');
  ASSERT_NE(ra.CreateKey("HKCU\\T\\" + longest), 0);
  ASSERT_NE(ra.CreateKey("HKCU\\T\\short"), 0);
  std::vector<std::string> keys;
  EXPECT_EQ(ra.EnumKeys("HKCU\\T", keys), 2);
  EXPECT_EQ(keys, (std::vector<std::string>{longest, "short"}));
  EXPECT_TRUE(ra.HaveSubkey("HKCU\\T"));
}

TEST_F(MemoryRegistryAccess, HexTextConvertsBothWays) {
  std::string hex = "0a ff00";
  EXPECT_EQ(ra.StrToBin(hex), std::string("\x0a\xff\x00", 3));
  EXPECT_EQ(hex, "0aff00");

  // A lone last digit is a byte of its own value, whatever the count.
  struct Case {
    std::string text;
    std::string bytes;
  };
  for (const Case& c : {Case{"A", "\x0a"}, Case{"abc", "\xab\x0c"}, Case{"1 2 3 4 5", std::string("\x12\x34\x05")},
                        Case{"G1", std::string(1, '\0')}, Case{"1G", "\x01"}, Case{"", ""}, Case{"   ", ""}}) {
    std::string text = c.text;
    EXPECT_EQ(ra.StrToBin(text), c.bytes) << c.text;
  }

  EXPECT_EQ(ra.BinToStr("\x0a\xff"), " 0A FF");
  EXPECT_EQ(ra.BinToStr(""), "");

  // No length limit either way.
  std::string bytes;
  for (int i = 0; i < 70000; ++i) bytes += static_cast<char>(i * 7);
  std::string text = ra.BinToStr(bytes);
  EXPECT_EQ(text.size(), 3u * bytes.size());
  EXPECT_EQ(ra.StrToBin(text), bytes);

  EXPECT_TRUE(ra.isBinValid("0A ff 1"));
  EXPECT_FALSE(ra.isBinValid(""));
  EXPECT_FALSE(ra.isBinValid("   "));
  EXPECT_FALSE(ra.isBinValid("0G"));
  EXPECT_FALSE(ra.isBinValid("0A,FF"));
}
