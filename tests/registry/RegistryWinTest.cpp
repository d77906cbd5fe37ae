// What only the real registry and files show, under Wine.
#include <cstdint>
#include <memory>
#include <new>
#include <string>

#include "RegistryFixture.h"
#include "registry/RegAccess.h"
#include "toolkit/Owners.h"
#include "toolkit/Win.h"

namespace {
// Runs the system's registry editor silently on file and waits for it.
bool RegeditImport(const std::string& file) {
  char windows[MAX_PATH];
  const UINT length = ::GetWindowsDirectoryA(windows, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return false;
  std::string line(1, '"');
  line.append(windows, length).append("\\regedit.exe\" /S \"").append(file).append(1, '"');
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
    return false;
  }
  const tk::ProcessHandles handles(started);
  ::WaitForSingleObject(handles.process.get(), INFINITE);
  return true;
}
}  // namespace

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

// A file of a terabyte (sparse: it takes no room on the disk) cannot be held
// in memory: the import's failure to allocate gives 0 and reaches no caller.
TEST_F(RegistryTest, ImportOfAFileTooLargeForMemoryReturnsZero) {
  const uint64_t size = uint64_t{1} << 40;
  if (size <= SIZE_MAX && std::unique_ptr<char[]>(new (std::nothrow) char[static_cast<size_t>(size)])) {
    GTEST_SKIP() << "this machine grants a terabyte";
  }
  const std::string file = FilePath("huge.reg");
  {
    tk::FileHandle huge(
        ::CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(huge.valid());
    DWORD written = 0;
    ASSERT_TRUE(::WriteFile(huge.get(), "REGEDIT4\r\n", 10, &written, nullptr));
    LARGE_INTEGER end;
    end.QuadPart = static_cast<LONGLONG>(size);
    ASSERT_TRUE(::SetFilePointerEx(huge.get(), end, nullptr, FILE_BEGIN) && ::SetEndOfFile(huge.get()));
  }
  EXPECT_EQ(ra->ImportFromReg(file), 0);
}

TEST_F(RegistryTest, SharedObjectWorksOnTheRealRegistry) {
  clsRegistryAccess& shared = RegAccess();
  EXPECT_EQ(&shared, &RegAccess());
  EXPECT_TRUE(shared.CreateKeyIfDoesntExists());
  EXPECT_NE(shared.WriteDWORD(base, "n", 0x1234), 0);

  tk::RegKey key;
  ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, backend->baseSubKey().c_str(), 0, KEY_READ, key.out()),
            ERROR_SUCCESS);
  DWORD type = 0;
  DWORD value = 0;
  DWORD size = sizeof value;
  EXPECT_EQ(::RegQueryValueExA(key.get(), "n", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(value, 0x1234u);
}

// Where the object's dialect and the registry editor's agree (no backslash
// or quote inside the data), both store the same types and bytes.
TEST_F(RegistryTest, ImportStoresWhatTheRegistryEditorStores) {
  const std::string body =
      "]\r\n"
      "\"TerminalModes\"=\"INTR=A,QUIT=A\"\r\n"
      "\"Table\"=hex:00,01,02,03,04,05,06,07,\\\r\n"
      "\r\n"
      "; empty lines, comments and tabs inside the value\r\n"
      "\t08,09,0a,0b,\\\r\n"
      "  fe,ff\r\n"
      "\"Path\"=hex(2):25,53,79,73,74,65,6d,52,6f,6f,74,25,00\r\n"
      "\"List\"=hex(7):61,00,62,63,00,\\\r\n"
      "  00\r\n"
      "@=hex(2):25,54,45,4d,50,25,00\r\n"
      "\"Big\"=hex(b):01,00,00,00,00,00,00,80\r\n"
      "\"n\"=dword:0000001f\r\n";
  const std::string theirs = FilePath("regedit.reg");
  const std::string ours = FilePath("object.reg");
  // The registry editor knows the long hive names only.
  const std::string key = "HKEY_CURRENT_USER\\" + backend->baseSubKey();
  WriteFile(theirs, "REGEDIT4\r\n\r\n[" + key + "\\Regedit" + body);
  WriteFile(ours, "REGEDIT4\r\n\r\n[" + key + "\\Object" + body);
  ASSERT_TRUE(RegeditImport(theirs));
  ASSERT_EQ(ra->ImportFromReg(ours), 1);

  for (const char* name : {"TerminalModes", "Table", "Path", "List", "", "Big", "n"}) {
    uint32_t theirType = 0;
    uint32_t ourType = 0;
    const std::string theirData = GetRaw("Regedit", name, theirType);
    ASSERT_NE(theirData, "missing") << name;
    EXPECT_EQ(GetRaw("Object", name, ourType), theirData) << name;
    EXPECT_EQ(ourType, theirType) << name;
  }
}
