// The per-file installer under Wine: the replace flag, the version and date
// rules on components with real version resources, the registration, the
// fonts value and the date texts.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <optional>

#include "engine/InstallFile.h"
#include "engine/KnownNames.h"
#include "engine/ProgramManager.h"
#include "engine/SetupState.h"
#include "registry/RegAccess.h"
#include "tests/support/PendingReplacements.h"
#include "tests/support/ScriptedHost.h"
#include "tests/support/Wait.h"
#include "tests/support/WorkFolder.h"
#include "toolkit/Files.h"
#include "toolkit/Owners.h"
#include "toolkit/Win.h"

namespace {

using testsupport::Exists;
using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;

const char* const kFontsKey = "HKEY_LOCAL_MACHINE\\Software\\microsoft\\windows\\currentversion\\fonts";

std::string Component(const std::string& name) { return std::string(VERSION_DATA) + "\\" + name + ".dll"; }

std::string DateSeparator() {
  char separator[8] = {};
  return ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDATE, separator, sizeof separator) > 1 ? separator : "/";
}

void SetWritten(const std::string& path, uint64_t ticks) {
  const tk::FileHandle h(::CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(h.valid()) << path;
  const FILETIME t{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
  EXPECT_TRUE(::SetFileTime(h.get(), nullptr, nullptr, &t));
}

// 5 March 2004 09:07:03 UTC.
constexpr uint64_t kMarch2004 = 127229512230000000ull;

class InstallFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    work_ = std::make_unique<testsupport::ScratchWork>("engine-install", info->name());
    ASSERT_TRUE(::SetCurrentDirectoryA(work_->work().c_str()));
    SetupInfo = {};
    SetupInfo.TotalBytes = 1000000;
    SetupInfo.SoftwareHouseName = "Velmarind";
    RestartNeeded = false;
  }
  void TearDown() override {
    tk::Reset();
    work_.reset();
  }
  std::string Target(const std::string& name) const { return work_->work() + "\\app\\" + name; }
  // A package member, copied from a test component.
  void Package(const std::string& name, const std::string& component) const {
    ASSERT_TRUE(::CopyFileA(Component(component).c_str(), (work_->work() + "\\files\\" + name).c_str(), FALSE));
  }
  void Installed(const std::string& name, const std::string& component) const {
    ::CreateDirectoryA((work_->work() + "\\app").c_str(), nullptr);
    ASSERT_TRUE(::CopyFileA(Component(component).c_str(), Target(name).c_str(), FALSE));
  }

  std::unique_ptr<testsupport::ScratchWork> work_;
  testsupport::ScriptedHost host_;
};

// What a folder held is listed once: names in any case, short names,
// folders and hidden files count; a folder not there yet held nothing.
TEST_F(InstallFileTest, KnownNamesAnswerFromOneListingOfEachFolder) {
  ASSERT_TRUE(::CreateDirectoryA((work_->work() + "\\app").c_str(), nullptr));
  ASSERT_TRUE(WriteFileBytes(Target("A Long Name Indeed.txt"), "x"));
  ASSERT_TRUE(WriteFileBytes(Target("Hidden.ini"), "x"));
  ASSERT_TRUE(::SetFileAttributesA(Target("Hidden.ini").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  ASSERT_TRUE(::CreateDirectoryA(Target("Sub").c_str(), nullptr));
  char shortPath[MAX_PATH] = {};
  ASSERT_GT(::GetShortPathNameA(Target("A Long Name Indeed.txt").c_str(), shortPath, MAX_PATH), 0u);
  const std::string shortName = std::string(shortPath).substr(std::string(shortPath).find_last_of('\\') + 1);

  Gest_File::KnownNames known;
  EXPECT_FALSE(known.Absent(Target("a long name INDEED.TXT")));
  EXPECT_FALSE(known.Absent(Target(shortName)));
  EXPECT_FALSE(known.Absent(Target("HIDDEN.INI")));
  EXPECT_FALSE(known.Absent(Target("sub")));
  EXPECT_TRUE(known.Absent(Target("New.txt")));
  // Listed once: what is put there afterwards is not seen unless added.
  ASSERT_TRUE(WriteFileBytes(Target("Later.txt"), "x"));
  EXPECT_TRUE(known.Absent(Target("Later.txt")));
  known.Add(Target("later.TXT"));
  EXPECT_FALSE(known.Absent(Target("Later.txt")));
  EXPECT_TRUE(known.Absent(Target("not yet\\Made.txt")));
  EXPECT_FALSE(known.Absent("C:\\AtTheRoot.txt"));
}

// A target that its folder's listing did not show but that is there by the
// time it is created is decided on as a target looked for: kept when it may
// not be replaced, replaced otherwise, and told as one that existed.
TEST_F(InstallFileTest, ATargetThatAppearsAfterTheListingIsNeverTakenForANewFile) {
  ASSERT_TRUE(work_->Write("files\\Config.ini", "package"));
  ASSERT_TRUE(::CreateDirectoryA((work_->work() + "\\app").c_str(), nullptr));
  Gest_File::KnownNames known;
  ASSERT_TRUE(known.Absent(Target("Config.ini")));
  ASSERT_TRUE(known.Absent(Target("Other.ini")));
  ASSERT_TRUE(WriteFileBytes(Target("Config.ini"), "the user's settings"));
  bool existed = false;
  EXPECT_TRUE(Gest_File::InstallFile("files\\Config.ini", Target("Config.ini"), false, existed, &known));
  EXPECT_TRUE(existed);
  EXPECT_EQ(ReadFileBytes(Target("Config.ini")), "the user's settings");

  ASSERT_TRUE(WriteFileBytes(Target("Other.ini"), "an older and longer file"));
  ASSERT_TRUE(::SetFileAttributesA(Target("Other.ini").c_str(), FILE_ATTRIBUTE_HIDDEN));
  existed = false;
  EXPECT_TRUE(Gest_File::InstallFile("files\\Config.ini", Target("Other.ini"), true, existed, &known));
  EXPECT_TRUE(existed);
  EXPECT_EQ(ReadFileBytes(Target("Other.ini")), "package");

  // A new one is created and known from then on.
  existed = true;
  EXPECT_TRUE(Gest_File::InstallFile("files\\Config.ini", Target("Fresh.ini"), true, existed, &known));
  EXPECT_FALSE(existed);
  EXPECT_EQ(ReadFileBytes(Target("Fresh.ini")), "package");
  EXPECT_FALSE(known.Absent(Target("Fresh.ini")));
  EXPECT_TRUE(host_.boxes.empty());
}

TEST_F(InstallFileTest, ReadsTheFileVersionOfRealResources) {
  EXPECT_DOUBLE_EQ(Gest_File::GetFileVersion(Component("v6_0_81_69")), 6.0);
  EXPECT_DOUBLE_EQ(Gest_File::GetFileVersion(Component("v5_1_2600_0")), 5.1);
  EXPECT_DOUBLE_EQ(Gest_File::GetFileVersion(Component("v1_0_0_1")), 1.0);
  EXPECT_DOUBLE_EQ(Gest_File::GetFileVersion(Component("v4_71_3110_0")), 4.71);
  EXPECT_DOUBLE_EQ(Gest_File::GetFileVersion(Component("v4_8_0_0")), 4.8);
  EXPECT_DOUBLE_EQ(Gest_File::GetFileVersion(Component("v7_5_long")), 7.5);
  EXPECT_DOUBLE_EQ(Gest_File::GetFileVersion(Component("v6_no_company")), 0.0);
  EXPECT_DOUBLE_EQ(Gest_File::GetFileVersion(Component("v_none")), 0.0);
  EXPECT_DOUBLE_EQ(Gest_File::GetFileVersion(Component("missing")), 0.0);
}

TEST_F(InstallFileTest, CopiesMissingTargetsAndKeepsWhatMayNotBeReplaced) {
  ASSERT_TRUE(work_->Write("files\\Readme.txt", "new text"));
  bool existed = true;
  EXPECT_TRUE(Gest_File::InstallFile("files\\Readme.txt", Target("deep\\Readme.txt"), false, existed));
  EXPECT_FALSE(existed);
  EXPECT_EQ(ReadFileBytes(Target("deep\\Readme.txt")), "new text");

  ASSERT_TRUE(WriteFileBytes(Target("deep\\Readme.txt"), "user's text"));
  EXPECT_TRUE(Gest_File::InstallFile("files\\Readme.txt", Target("deep\\Readme.txt"), false, existed));
  EXPECT_TRUE(existed);
  EXPECT_EQ(ReadFileBytes(Target("deep\\Readme.txt")), "user's text");

  // A missing payload file is not installed, and says so only by its result.
  EXPECT_FALSE(Gest_File::InstallFile("files\\Gone.txt", Target("deep\\Readme.txt"), true, existed));
  EXPECT_EQ(ReadFileBytes(Target("deep\\Readme.txt")), "user's text");
  EXPECT_TRUE(host_.boxes.empty());
  EXPECT_EQ(host_.beeps, 0);
}

TEST_F(InstallFileTest, ReplacesOnlyWhatIsNotNewer) {
  // Executables follow the version rule without being registered.
  struct Case {
    const char* package;
    const char* installed;
    bool replaced;
  };
  const Case cases[] = {
      {"v6_0_81_69", "v6_0_81_69", true},     {"v5_1_2600_0", "v6_0_81_69", false},
      {"v_none", "v6_0_81_69", false},        {"v6_no_company", "v5_1_2600_0", false},
      {"v1_0_0_1", "v_none", true},           {"v4_71_3110_0", "v4_8_0_0", false},
      {"v4_8_0_0", "v4_71_3110_0", true},
  };
  int i = 0;
  for (const Case& c : cases) {
    const std::string name = "Prog" + std::to_string(i++) + ".exe";
    Package(name, c.package);
    Installed(name, c.installed);
    bool existed = false;
    EXPECT_EQ(Gest_File::InstallFile("files\\" + name, Target(name), true, existed), c.replaced) << c.package;
    EXPECT_TRUE(existed);
    EXPECT_EQ(ReadFileBytes(Target(name)), ReadFileBytes(Component(c.replaced ? c.package : c.installed)))
        << c.package << " over " << c.installed;
  }

  // Databases by their last writes, to the second.
  ASSERT_TRUE(work_->Write("files\\Data.mdb", "package"));
  ASSERT_TRUE(WriteFileBytes(Target("Data.mdb"), "installed"));
  SetWritten(work_->work() + "\\files\\Data.mdb", kMarch2004);
  SetWritten(Target("Data.mdb"), kMarch2004 + 10000000);
  bool existed = false;
  EXPECT_FALSE(Gest_File::InstallFile("files\\Data.mdb", Target("Data.mdb"), true, existed));
  EXPECT_EQ(ReadFileBytes(Target("Data.mdb")), "installed");
  SetWritten(Target("Data.mdb"), kMarch2004 + 9999999);  // the same second
  EXPECT_TRUE(Gest_File::InstallFile("files\\Data.mdb", Target("Data.mdb"), true, existed));
  EXPECT_EQ(ReadFileBytes(Target("Data.mdb")), "package");
  EXPECT_TRUE(host_.boxes.empty());
}

TEST_F(InstallFileTest, RegistersComponentsByTheirExtensionOnly) {
  // a.b.dll has the extension B.DLL: no version test, no registration.
  Package("a.b.dll", "v5_1_2600_0");
  Installed("a.b.dll", "v6_0_81_69");
  Package("Reg.dll", "v6_0_81_69");
  bool existed = false;
  EXPECT_TRUE(Gest_File::InstallFile("files\\a.b.dll", Target("a.b.dll"), true, existed));
  EXPECT_EQ(ReadFileBytes(Target("a.b.dll")), ReadFileBytes(Component("v5_1_2600_0")));
  EXPECT_TRUE(Gest_File::InstallFile("files\\Reg.dll", Target("Reg.dll"), true, existed));
  EXPECT_FALSE(existed);

  // regsvr32 runs on its own; its component leaves a marker when registered.
  const std::string marker = Target("Reg.dll.registered");
  EXPECT_TRUE(testsupport::WaitFor([&] { return Exists(marker); }, std::chrono::seconds(30),
                                   std::chrono::milliseconds(100)));
  // Once every regsvr32 started here has ended, a.b.dll's missing marker
  // tells that it was not registered (and the folder is let go of).
  EXPECT_TRUE(testsupport::WaitChildrenEnded("regsvr32.exe", std::chrono::seconds(30)));
  EXPECT_FALSE(Exists(Target("a.b.dll.registered")));
}

TEST_F(InstallFileTest, RecordsFontsOnlyOnThe9xFamily) {
  ASSERT_TRUE(work_->Write("files\\Qx Sans.ttf", "font"));
  host_.overrideVersion = true;
  host_.version = {true, 4, 10, 2222, 1};
  RegAccess().KillValue(kFontsKey, "Qx Sans.ttf (TrueType)");
  bool existed = false;
  EXPECT_TRUE(Gest_File::InstallFile("files\\Qx Sans.ttf", Target("Qx Sans.ttf"), true, existed));
  EXPECT_EQ(RegAccess().ReadString(kFontsKey, "Qx Sans.ttf (TrueType)", ""), "Qx Sans.ttf");
  RegAccess().KillValue(kFontsKey, "Qx Sans.ttf (TrueType)");

  host_.version = {true, 6, 1, 7601, 2};
  EXPECT_TRUE(Gest_File::InstallFile("files\\Qx Sans.ttf", Target("Qx Sans.ttf"), true, existed));
  EXPECT_TRUE(existed);
  EXPECT_FALSE(RegAccess().ValueExists(kFontsKey, "Qx Sans.ttf (TrueType)"));
  EXPECT_TRUE(host_.boxes.empty());
}

// A target the folder listing does not show is still the user's file: the
// keep flag and the version rule apply to it as to any other.
TEST_F(InstallFileTest, HiddenAndSystemTargetsAreTheUsersFilesToo) {
  ASSERT_TRUE(work_->Write("files\\Config.ini", "package"));
  ::CreateDirectoryA((work_->work() + "\\app").c_str(), nullptr);
  for (const DWORD attribute : {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM}) {
    const std::string target = Target("Config" + std::to_string(attribute) + ".ini");
    ASSERT_TRUE(WriteFileBytes(target, "user's"));
    ASSERT_TRUE(::SetFileAttributesA(target.c_str(), attribute));
    bool existed = false;
    EXPECT_TRUE(Gest_File::InstallFile("files\\Config.ini", target, false, existed));
    EXPECT_TRUE(existed) << attribute;
    EXPECT_EQ(ReadFileBytes(target), "user's") << attribute;
    EXPECT_EQ(::GetFileAttributesA(target.c_str()) & attribute, attribute);
  }

  const DWORD unseen = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  Package("Newer.exe", "v5_1_2600_0");
  Installed("Newer.exe", "v6_0_81_69");
  ASSERT_TRUE(::SetFileAttributesA(Target("Newer.exe").c_str(), unseen));
  bool existed = false;
  EXPECT_FALSE(Gest_File::InstallFile("files\\Newer.exe", Target("Newer.exe"), true, existed));
  EXPECT_TRUE(existed);
  EXPECT_TRUE(ReadFileBytes(Target("Newer.exe")) == ReadFileBytes(Component("v6_0_81_69"))) << "the newer one stays";
  EXPECT_TRUE(host_.boxes.empty());
}

// The copy is done when the fonts step fails (the version facts cannot be
// read): the user is told, and the file counts as installed all the same.
TEST_F(InstallFileTest, AFailureAfterTheCopyIsToldAndTheFileStaysInstalled) {
  ASSERT_TRUE(work_->Write("files\\Qx Serif.ttf", "font"));
  host_.overrideVersion = true;
  host_.version = {};  // GetVersionExA fails
  bool existed = true;
  EXPECT_TRUE(Gest_File::InstallFile("files\\Qx Serif.ttf", Target("Qx Serif.ttf"), true, existed));
  EXPECT_FALSE(existed);
  EXPECT_EQ(ReadFileBytes(Target("Qx Serif.ttf")), "font");
  EXPECT_EQ(host_.beeps, 1);
  ASSERT_EQ(host_.boxes.size(), 1u);
  EXPECT_EQ(host_.boxes[0].text, "Invalid procedure call or argument");
  EXPECT_EQ(host_.boxes[0].style, tk::vbCritical);
  EXPECT_EQ(host_.boxes[0].title, "Velmarind setup");
}

// Puts a folder where wininit.ini belongs, so that it cannot be written;
// the prefix's own file comes back afterwards.
class WininitBlocked {
 public:
  WininitBlocked() : path_(ProgramManager::GetWindowsDir() + "\\wininit.ini"), saved_(ReadFileBytes(path_)) {
    ::DeleteFileA(path_.c_str());
    made_ = ::CreateDirectoryA(path_.c_str(), nullptr);
  }
  ~WininitBlocked() {
    ::RemoveDirectoryA(path_.c_str());
    if (saved_) WriteFileBytes(path_, *saved_);
  }
  bool made() const { return made_; }

 private:
  std::string path_;
  std::optional<std::string> saved_;
  bool made_ = false;
};

TEST_F(InstallFileTest, AFailedDeferralBeepsAndIsNotInstalled) {
  ASSERT_TRUE(work_->Write("files\\Busy.txt", "new"));
  ::CreateDirectoryA((work_->work() + "\\app").c_str(), nullptr);
  ASSERT_TRUE(WriteFileBytes(Target("Busy.txt"), "old"));
  bool existed = false;
  {
    WininitBlocked blocked;
    ASSERT_TRUE(blocked.made());
    const testsupport::HeldOpen held(Target("Busy.txt"));
    ASSERT_TRUE(held.held());
    EXPECT_FALSE(Gest_File::InstallFile("files\\Busy.txt", Target("Busy.txt"), true, existed));
  }
  EXPECT_TRUE(existed);
  EXPECT_FALSE(RestartNeeded);
  EXPECT_EQ(host_.beeps, 1);
  EXPECT_TRUE(host_.boxes.empty());  // an access error shows no message
  // Nothing will ever take the new file in: no copy of it stays beside.
  EXPECT_EQ(ReadFileBytes(Target("Busy.000")), std::nullopt);
  EXPECT_EQ(ReadFileBytes(Target("Busy.txt")), "old");
}

// A folder under a payload file's name is never replaced: the file is not
// installed, nothing is deferred (no temporary copy, no wininit.ini line, no
// pending rename, no restart) and nothing is registered.
TEST_F(InstallFileTest, AFolderUnderTheTargetsNameIsNeverReplaced) {
  testsupport::WininitAside wininit;
  testsupport::PendingRenamesAside pendingRenames;
  Package("Thing.dll", "v6_0_81_69");
  ::CreateDirectoryA((work_->work() + "\\app").c_str(), nullptr);
  ASSERT_TRUE(::CreateDirectoryA(Target("Thing.dll").c_str(), nullptr));
  Gest_File::KnownNames known;
  for (Gest_File::KnownNames* listing : {static_cast<Gest_File::KnownNames*>(nullptr), &known}) {
    bool existed = true;
    EXPECT_FALSE(Gest_File::InstallFile("files\\Thing.dll", Target("Thing.dll"), true, existed, listing));
    EXPECT_FALSE(existed);
  }
  EXPECT_FALSE(RestartNeeded);
  EXPECT_EQ(testsupport::ListNames(Target("*")), std::vector<std::string>{"Thing.dll"});
  EXPECT_FALSE(ReadFileBytes(wininit.path()).has_value());
  EXPECT_FALSE(pendingRenames.Read().has_value());
  EXPECT_TRUE(testsupport::WaitChildrenEnded("regsvr32.exe", std::chrono::milliseconds(0))) << "regsvr32 ran";
  EXPECT_TRUE(host_.boxes.empty());
  EXPECT_EQ(host_.beeps, 0);
}

TEST_F(InstallFileTest, DateTextsUseTheUserSeparator) {
  const std::string s = DateSeparator();
  EXPECT_EQ(Gest_File::GetFileDateString(work_->work() + "\\missing.mdb"), "01" + s + "01" + s + "1601 0.0.0");
  EXPECT_EQ(Gest_File::FileTimeToDateString(kMarch2004), "05" + s + "03" + s + "2004 9.7.3");
  // Any length of path opens.
  std::string folder = work_->work();
  while (folder.size() < 200) {
    folder += "\\a_rather_long_folder_name";
    ASSERT_TRUE(::CreateDirectoryA(folder.c_str(), nullptr));
  }
  const std::string file = folder + "\\Data.mdb";
  ASSERT_TRUE(WriteFileBytes(file, "x"));
  SetWritten(file, kMarch2004);
  EXPECT_EQ(Gest_File::GetFileDateString(file), "05" + s + "03" + s + "2004 9.7.3");
}

}  // namespace
