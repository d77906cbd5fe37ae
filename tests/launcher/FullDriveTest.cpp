// The work folder on a drive without the space for the package: a small
// drive that tools/small-drive.sh mounts for this program and names in
// SMALL_DRIVE. The extraction in this process, then Setup.exe itself with
// its temporary folder there.
#include <gtest/gtest.h>

#include <chrono>

#include "launcher/Extract.h"
#include "launcher/WorkFolder.h"
#include "tests/support/Driver.h"
#include "tests/support/Package.h"
#include "toolkit/Files.h"
#include "toolkit/Win.h"

using namespace std::chrono_literals;

namespace {

using testsupport::BuildPackage;
using testsupport::Exists;

class FullDrive : public ::testing::Test {
 protected:
  void SetUp() override {
    char drive[MAX_PATH] = {};
    const DWORD n = GetEnvironmentVariableA("SMALL_DRIVE", drive, MAX_PATH);
    ASSERT_TRUE(n > 0 && n < MAX_PATH) << "run through tools/small-drive.sh";
    drive_ = drive;
    testsupport::RemoveTree(dir_);
    ASSERT_TRUE(CreateDirectoryA(dir_.c_str(), nullptr));
  }
  void TearDown() override {
    tk::Reset();
    testsupport::RemoveTree(dir_);
    for (const std::string& name : testsupport::ListNames(drive_ + "*")) testsupport::RemoveTree(drive_ + name);
  }
  // A package of the setup files with a member of a megabyte, more than the
  // drive holds, as its first member or its last.
  bool WritePackage(bool bigFirst) const {
    std::vector<testsupport::Member> members = testsupport::SetupFileMembers();
    members.insert(bigFirst ? members.begin() : members.end(), {"Data.bin", std::string(1 << 20, 'd')});
    return testsupport::WriteFileBytes(dir_ + "\\Setup.UMF", BuildPackage(members));
  }
  std::string drive_, dir_ = "C:\\fulldrive-tests";
};

TEST_F(FullDrive, AMemberRefusedForLackOfSpaceEndsTheExtractionAsSuch) {
  WorkDir = drive_ + "work";
  ASSERT_TRUE(CreateDirectoryA(WorkDir.c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryA((WorkDir + "\\files").c_str(), nullptr));
  ASSERT_TRUE(WritePackage(false));
  EXPECT_EQ(ExtractSetupArchive(dir_ + "\\Setup.UMF"), ExtractResult::DiskFull);
  EXPECT_TRUE(Exists(WorkDir + "\\Licence.txt"));
  EXPECT_FALSE(Exists(WorkDir + "\\files\\Data.bin"));
}

TEST_F(FullDrive, SetupSaysTheTemporaryDriveHasNotTheSpaceAndEnds) {
  ASSERT_TRUE(WritePackage(true));
  const std::string exe = dir_ + "\\Setup.exe";
  ASSERT_TRUE(CopyFileA(SETUP_EXE_PATH, exe.c_str(), FALSE));
  char tmp[MAX_PATH] = {}, temp[MAX_PATH] = {};
  GetEnvironmentVariableA("TMP", tmp, MAX_PATH);
  GetEnvironmentVariableA("TEMP", temp, MAX_PATH);
  SetEnvironmentVariableA("TMP", drive_.c_str());
  SetEnvironmentVariableA("TEMP", drive_.c_str());
  testsupport::Program p("\"" + exe + "\"", dir_);
  SetEnvironmentVariableA("TMP", tmp);
  SetEnvironmentVariableA("TEMP", temp);
  ASSERT_TRUE(p.started());

  const auto box = p.WaitDialog(60s);
  ASSERT_TRUE(box.has_value()) << "no message shown";
  EXPECT_EQ(box->text, "Spazio insufficiente sull'unità della cartella temporanea. L'installazione non può proseguire.");
  EXPECT_EQ(box->title, "Setup");
  EXPECT_TRUE(box->hasIcon);
  EXPECT_EQ(testsupport::ListNames(drive_ + "~*.stp").size(), 1u);
  testsupport::PressButton(box->hwnd, "OK");
  ASSERT_TRUE(p.Wait(60s).has_value()) << "Setup.exe did not end";
  EXPECT_TRUE(testsupport::ListNames(drive_ + "*").empty());
}

}  // namespace
