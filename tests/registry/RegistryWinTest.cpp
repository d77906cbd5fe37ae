// What only the real registry and files show, under Wine.
#include <string>

#include "RegistryFixture.h"
#include "registry/RegAccess.h"
#include "toolkit/Win.h"

TEST_F(RegistryTest, HiddenRegFilesCountAsMissing) {
  const std::string file = FilePath("hidden.reg");
  WriteFile(file, "REGEDIT4\r\n\r\n[" + base + "]\r\n\"v\"=\"x\"\r\n");
  ASSERT_TRUE(::SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_HIDDEN));
  EXPECT_EQ(ra->ImportFromReg(file), 0);
  EXPECT_FALSE(ra->KeyExists(base));
  ASSERT_TRUE(::SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL));
  EXPECT_EQ(ra->ImportFromReg(file), 1);
  EXPECT_EQ(ra->ReadString(base, "v"), "x");
  // A folder of that name is no file either.
  EXPECT_EQ(ra->ImportFromReg(dir.string()), 0);
}

TEST_F(RegistryTest, SharedObjectWorksOnTheRealRegistry) {
  clsRegistryAccess& shared = RegAccess();
  EXPECT_EQ(&shared, &RegAccess());
  EXPECT_TRUE(shared.CreateKeyIfDoesntExists());
  EXPECT_NE(shared.WriteDWORD(base, "n", 0x1234), 0);

  HKEY key = nullptr;
  ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, backend->baseSubKey().c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
  DWORD type = 0;
  DWORD value = 0;
  DWORD size = sizeof value;
  EXPECT_EQ(::RegQueryValueExA(key, "n", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size), ERROR_SUCCESS);
  ::RegCloseKey(key);
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(value, 0x1234u);
}
