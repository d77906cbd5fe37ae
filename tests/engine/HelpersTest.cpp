#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "engine/Csidl.h"
#include "engine/Gest_File.h"
#include "engine/Misc.h"
#include "engine/ProgramManager.h"
#include "engine/SetupState.h"
#include "engine/SpecialFolder.h"
#include "tests/engine/HelpersTestFolder.h"
#include "toolkit/Host.h"
#include "toolkit/Owners.h"

using helpers_test::Exists;
using helpers_test::ScratchFolder;

namespace {

// Records every beep and message box, in order, and answers OK.
struct RecordingHost : tk::Host {
  struct Event {
    std::string text;  // "<beep>" for a beep
    int style;
    std::string title;
  };
  std::vector<Event> events;
  int ShowMessageBox(const std::string& text, int style, const std::string& title) override {
    events.push_back({text, style, title});
    return tk::vbOK;
  }
  void Beep() override { events.push_back({"<beep>", 0, ""}); }
  [[noreturn]] void EndProcess(unsigned code) override { throw tk::ProcessEnded{code}; }
};

class Helpers : public ::testing::Test {
 protected:
  void SetUp() override { tk::SetHost(&host); }
  void TearDown() override { tk::SetHost(nullptr); }
  RecordingHost host;
};

// A time in June 2001.
constexpr FILETIME kOldTime{0xB3FB6000, 0x01C0F592};

// Last-access and last-write times of a file, read without opening it.
std::pair<uint64_t, uint64_t> TimesOf(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA d{};
  EXPECT_TRUE(::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &d)) << path;
  auto ticks = [](const FILETIME& t) { return (uint64_t{t.dwHighDateTime} << 32) | t.dwLowDateTime; };
  return {ticks(d.ftLastAccessTime), ticks(d.ftLastWriteTime)};
}

void SetOldTimes(const std::string& path) {
  const tk::FileHandle h(::CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(h.valid() && ::SetFileTime(h.get(), &kOldTime, &kOldTime, &kOldTime));
}

}  // namespace

TEST_F(Helpers, FileExistsAndKillFileFindOnlyListableFiles) {
  ScratchFolder f("helpers_kill");
  const std::string folder = f.Folder("sub");
  const std::string full = f.Folder("full", FILE_ATTRIBUTE_ARCHIVE);
  f.File("full\\inside.txt");
  const std::string hidden = f.File("hidden.txt", FILE_ATTRIBUTE_HIDDEN);
  const std::string system = f.File("system.txt", FILE_ATTRIBUTE_SYSTEM);
  const std::string readOnly = f.File("ro.txt", FILE_ATTRIBUTE_READONLY);
  const std::string archive = f.File("archive.txt", FILE_ATTRIBUTE_ARCHIVE);
  const std::string missing = f.path() + "\\missing.txt";

  int err = -1;
  EXPECT_FALSE(Gest_File::FileExists(folder, &err));
  EXPECT_EQ(err, 0);
  // A folder with more than its folder bit is still no file, even when the
  // path's final "\" would list the files inside it.
  EXPECT_FALSE(Gest_File::FileExists(full + "\\"));
  EXPECT_FALSE(Gest_File::FileExists(hidden));
  EXPECT_FALSE(Gest_File::FileExists(system));
  EXPECT_TRUE(Gest_File::FileExists(readOnly));
  EXPECT_TRUE(Gest_File::FileExists(archive));
  EXPECT_FALSE(Gest_File::FileExists(missing, &err));
  EXPECT_EQ(err, 0);
  EXPECT_FALSE(Gest_File::FileExists(f.path() + "\\bad|name", &err));
  EXPECT_EQ(err, 52);

  EXPECT_FALSE(Gest_File::KillFile(folder));
  EXPECT_FALSE(Gest_File::KillFile(hidden));
  EXPECT_FALSE(Gest_File::KillFile(system));
  EXPECT_FALSE(Gest_File::KillFile(missing));
  EXPECT_TRUE(Gest_File::KillFile(readOnly));
  EXPECT_TRUE(Gest_File::KillFile(archive));
  EXPECT_TRUE(Exists(folder));
  EXPECT_EQ(::GetFileAttributesA(hidden.c_str()) & FILE_ATTRIBUTE_HIDDEN, DWORD{FILE_ATTRIBUTE_HIDDEN});
  EXPECT_EQ(::GetFileAttributesA(system.c_str()) & FILE_ATTRIBUTE_SYSTEM, DWORD{FILE_ATTRIBUTE_SYSTEM});
  EXPECT_FALSE(Exists(readOnly));
  EXPECT_FALSE(Exists(archive));
}

TEST_F(Helpers, PathExistsCreatesMissingLevelsAndCreatePathReportsWhatItCouldNotMake) {
  SetupInfo.SoftwareHouseName = "Velmarind";
  ScratchFolder f("helpers_path");
  EXPECT_TRUE(Gest_File::PathExists(f.path(), false, true));
  EXPECT_TRUE(Gest_File::PathExists(f.path() + "\\", false, false));
  EXPECT_TRUE(Gest_File::PathExists("C:\\", false, false));

  const std::string outer = f.path() + "\\outer";
  const std::string inner = outer + "\\inner";
  EXPECT_FALSE(Gest_File::PathExists(inner, false, true));
  EXPECT_FALSE(Exists(outer));
  EXPECT_TRUE(Gest_File::PathExists(inner, true, true));
  EXPECT_TRUE(Exists(inner));
  EXPECT_TRUE(Gest_File::CreatePath(f.path() + "\\two\\levels\\", true));
  EXPECT_TRUE(Exists(f.path() + "\\two\\levels"));
  EXPECT_TRUE(host.events.empty());

  // Folders that cannot be made: under an existing file, on a missing drive.
  const std::string file = f.File("plain.txt");
  const char free = helpers_test::FreeDriveLetter();
  ASSERT_NE(free, '\0');
  const std::string noDrive = std::string(1, free) + ":\\x\\y";
  // Too long to be made whole: the levels made on the way go again.
  const std::string level = "\\cartella-di-installazione";
  std::string tooLong = f.path();
  while (tooLong.size() < 285) tooLong += level;
  EXPECT_TRUE(Gest_File::PathExists(file + "\\sub", true, false));
  EXPECT_TRUE(Gest_File::CreatePath(noDrive, false));
  EXPECT_TRUE(Gest_File::CreatePath(tooLong, false));
  EXPECT_FALSE(Exists(f.path() + level));
  EXPECT_TRUE(host.events.empty());

  for (const std::string& path : {file + "\\sub", noDrive, tooLong}) {
    host.events.clear();
    EXPECT_FALSE(Gest_File::PathExists(path, true, true)) << path;
    ASSERT_EQ(host.events.size(), 2u) << path;
    EXPECT_EQ(host.events[0].text, "<beep>");
    EXPECT_EQ(host.events[1].text, "Impossibile creare il percorso.");
    EXPECT_EQ(host.events[1].style, tk::vbCritical);
    EXPECT_EQ(host.events[1].title, "Velmarind setup");
  }
  EXPECT_FALSE(Exists(file + "\\sub"));
  EXPECT_FALSE(Exists(f.path() + level));
}

TEST_F(Helpers, ProgramGroupsCountOnlyVisibleSubFolders) {
  const std::string programs = SpecialFolder::GetSpecialFolder(Csidl::Programs);
  ASSERT_FALSE(programs.empty());
  const std::string tag = "h3grp" + std::to_string(::GetCurrentProcessId());
  ScratchFolder visible1(programs + "\\" + tag + "_one", false), visible2(programs + "\\" + tag + "_two", false),
      hidden(programs + "\\" + tag + "_hidden", false), dotted(programs + "\\." + tag + "_dot", false);
  ::SetFileAttributesA(hidden.path().c_str(), FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN);
  // Windows shows the dotted folder; Wine hides every dotted name itself.
  ::SetFileAttributesA(dotted.path().c_str(), FILE_ATTRIBUTE_DIRECTORY);
  const std::string file = visible1.File("..\\" + tag + "_file.lnk");  // beside the groups

  std::set<std::string> groups;
  int16_t index = 1;
  int err = -1;
  for (std::string name; !(name = ProgramManager::GetProgramGroup(index, &err)).empty(); ++index) {
    EXPECT_TRUE(groups.insert(name).second) << name;
    if (index > 1000) break;
  }
  EXPECT_EQ(err, 0);
  EXPECT_EQ(ProgramManager::GetProgramGroup(0), "");
  EXPECT_EQ(ProgramManager::GetProgramGroup(static_cast<int16_t>(index + 1)), "");

  std::set<std::string> ours;
  for (const std::string& g : groups)
    if (g.rfind(tag, 0) == 0 || g.rfind("." + tag, 0) == 0) ours.insert(g);
  EXPECT_EQ(ours, (std::set<std::string>{tag + "_one", tag + "_two"}));
  for (const std::string& g : groups) EXPECT_NE(g[0], '.') << g;
  ::DeleteFileA(file.c_str());
}

TEST_F(Helpers, SystemAndShellFoldersAndTheWindowsFamily) {
  for (const std::string& dir : {ProgramManager::GetSystemDir(), ProgramManager::GetWindowsDir()}) {
    ASSERT_FALSE(dir.empty());
    std::string lower = dir;
    ::CharLowerBuffA(lower.data(), static_cast<DWORD>(lower.size()));
    EXPECT_EQ(dir, lower);
    EXPECT_NE(dir.back(), '\\');
    EXPECT_TRUE(Gest_File::PathExists(dir, false, false)) << dir;
  }
  char system[MAX_PATH + 1] = {};
  ::GetSystemDirectoryA(system, MAX_PATH);
  EXPECT_EQ(::lstrcmpiA(system, ProgramManager::GetSystemDir().c_str()), 0);

  const std::string programFiles = SpecialFolder::GetSpecialFolder(Csidl::ProgramFiles);
  ASSERT_FALSE(programFiles.empty());
  EXPECT_NE(programFiles.back(), '\\');
  EXPECT_TRUE(Gest_File::PathExists(programFiles, false, false));
  EXPECT_EQ(SpecialFolder::GetSpecialFolder(0x7F), "");

  WinMajor = 0;
  int err = -1;
  EXPECT_TRUE(Misc::IsWinNT(&err));
  EXPECT_EQ(err, 0);
  EXPECT_GE(WinMajor, 5);

  const std::string appPath = Misc::GetAppPath(&err);
  EXPECT_EQ(err, 0);
  ASSERT_FALSE(appPath.empty());
  EXPECT_NE(appPath.back(), '\\');
  EXPECT_TRUE(Exists(Misc::SetupProgramPath(Misc::ProgramFile())));
}

TEST_F(Helpers, SetFileTimesFromSetupCopiesTheProgramsTimesUnlessTheTargetIsReadOnly) {
  ScratchFolder f("helpers_times");
  const std::string plain = f.File("stamp.txt");
  const std::string readOnly = f.File("ro.txt");
  SetOldTimes(plain);
  SetOldTimes(readOnly);
  ::SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
  const auto before = TimesOf(readOnly);

  int err = -1;
  Gest_File::SetFileTimesFromSetup(plain, &err);
  EXPECT_EQ(err, 0);
  Gest_File::SetFileTimesFromSetup(readOnly, &err);
  EXPECT_EQ(err, 0);
  Gest_File::SetFileTimesFromSetup(f.path() + "\\missing.txt", &err);
  EXPECT_EQ(err, 0);

  const auto program = TimesOf(Misc::ProgramFile());
  EXPECT_EQ(TimesOf(plain).second, program.second);
  EXPECT_NE(program.second, TimesOf(readOnly).second);
  EXPECT_EQ(TimesOf(readOnly), before);
}
