// Setup.exe with its temporary folder on a drive without the space for the
// package: a small drive that tools/small-drive.sh mounts for this program
// and names in SMALL_DRIVE.
#include <gtest/gtest.h>

#include <chrono>

#include "tests/support/Driver.h"
#include "tests/support/Package.h"
#include "toolkit/Win.h"

using namespace std::chrono_literals;

namespace {

TEST(FullDrive, SetupSaysTheTemporaryDriveHasNotTheSpaceAndEnds) {
  char drive[MAX_PATH] = {}, tmp[MAX_PATH] = {}, temp[MAX_PATH] = {};
  const DWORD n = GetEnvironmentVariableA("SMALL_DRIVE", drive, MAX_PATH);
  ASSERT_TRUE(n > 0 && n < MAX_PATH) << "run through tools/small-drive.sh";
  const std::string dir = "C:\\fulldrive-tests", exe = dir + "\\Setup.exe";
  testsupport::RemoveTree(dir);
  ASSERT_TRUE(CreateDirectoryA(dir.c_str(), nullptr));
  ASSERT_TRUE(CopyFileA(SETUP_EXE_PATH, exe.c_str(), FALSE));
  // The setup files after a first member of a megabyte, more than the drive
  // holds: nothing of the package fits.
  std::vector<testsupport::Member> members = testsupport::SetupFileMembers();
  members.insert(members.begin(), {"Data.bin", std::string(1 << 20, 'd')});
  ASSERT_TRUE(testsupport::WriteFileBytes(dir + "\\Setup.UMF", testsupport::BuildPackage(members)));

  GetEnvironmentVariableA("TMP", tmp, MAX_PATH);
  GetEnvironmentVariableA("TEMP", temp, MAX_PATH);
  SetEnvironmentVariableA("TMP", drive);
  SetEnvironmentVariableA("TEMP", drive);
  testsupport::Program p("\"" + exe + "\"", dir);
  SetEnvironmentVariableA("TMP", tmp);
  SetEnvironmentVariableA("TEMP", temp);
  ASSERT_TRUE(p.started());
  const auto box = p.WaitDialog(60s);
  ASSERT_TRUE(box.has_value()) << "no message shown";
  EXPECT_EQ(box->text, "Spazio insufficiente sull'unità della cartella temporanea. L'installazione non può proseguire.");
  EXPECT_EQ(box->title, "Setup");
  EXPECT_TRUE(box->hasIcon);
  EXPECT_EQ(testsupport::ListNames(std::string(drive) + "~*.stp").size(), 1u);
  testsupport::PressButton(box->hwnd, "OK");
  ASSERT_TRUE(p.Wait(60s).has_value()) << "Setup.exe did not end";
  // The work folder is emptied and removed.
  EXPECT_TRUE(testsupport::ListNames(std::string(drive) + "*").empty());
  testsupport::RemoveTree(dir);
}

}  // namespace
