// The extraction in this process, on real files of the Wine prefix.
#include <gtest/gtest.h>

#include "launcher/Extract.h"
#include "launcher/FrmLaunch.h"
#include "launcher/WorkFolder.h"
#include "tests/support/Driver.h"
#include "tests/support/Package.h"
#include "tests/support/Texts.h"
#include "toolkit/Files.h"
#include "toolkit/Win.h"

namespace {

using testsupport::BuildPackage;
using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;

class Extraction : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    root_ = std::string("C:\\extract-tests\\") + info->name();
    testsupport::RemoveTree(root_);
    CreateDirectoryA("C:\\extract-tests", nullptr);
    ASSERT_TRUE(CreateDirectoryA(root_.c_str(), nullptr));
    WorkDir = root_ + "\\work";
    ASSERT_TRUE(CreateDirectoryA(WorkDir.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA((WorkDir + "\\files").c_str(), nullptr));
    package_ = root_ + "\\Setup.UMF";
  }
  void TearDown() override {
    tk::Reset();
    testsupport::RemoveTree(root_);
  }
  std::string root_, package_;
};

TEST_F(Extraction, WritesEachMemberWhereItBelongsAndClosesThePackage) {
  const std::string a(400, 'a'), b(300, 'b'), c(200, 'c');
  const std::string bytes = BuildPackage({{"a.txt", a}, {"b.txt", b}, {"c.txt", c}});
  ASSERT_EQ(bytes.size(), 935u);
  ASSERT_TRUE(WriteFileBytes(package_, bytes));

  EXPECT_EQ(ExtractSetupArchive(package_), ExtractResult::Done);
  EXPECT_EQ(ReadFileBytes(WorkDir + "\\files\\a.txt"), a);
  EXPECT_EQ(ReadFileBytes(WorkDir + "\\files\\b.txt"), b);
  EXPECT_EQ(ReadFileBytes(WorkDir + "\\files\\c.txt"), c);
  // Neither the package nor a member is left open.
  EXPECT_FALSE(tk::IsOpen(1));
  EXPECT_FALSE(tk::IsOpen(2));
  EXPECT_TRUE(DeleteFileA(package_.c_str()));
}

TEST_F(Extraction, CutsAnExistingLongerDestinationAndCopiesLargeMembersWhole) {
  ASSERT_TRUE(WriteFileBytes(WorkDir + "\\files\\old.bin", std::string(5000, 'X')));
  std::string large(3 * 1024 * 1024 + 17, '\0');
  for (size_t i = 0; i < large.size(); ++i) large[i] = static_cast<char>((i * 131) ^ (i >> 11));
  ASSERT_TRUE(WriteFileBytes(package_, BuildPackage({{"old.bin", "new"}, {"large.bin", large}})));

  EXPECT_EQ(ExtractSetupArchive(package_), ExtractResult::Done);
  EXPECT_EQ(ReadFileBytes(WorkDir + "\\files\\old.bin"), std::string("new"));
  EXPECT_EQ(ReadFileBytes(WorkDir + "\\files\\large.bin"), large);
}

TEST_F(Extraction, StopsAtTheFirstMemberItCannotWrite) {
  // A folder of the member's name: its destination cannot be opened. (A
  // read-only file would not do under Wine run as root, which writes it.)
  const std::string blocked = WorkDir + "\\files\\b.txt";
  ASSERT_TRUE(CreateDirectoryA(blocked.c_str(), nullptr));
  ASSERT_TRUE(WriteFileBytes(package_, BuildPackage({{"a.txt", "A"}, {"b.txt", "B"}, {"c.txt", "C"},
                                                      {"INSTALLER.EXE", "I"}})));

  EXPECT_EQ(ExtractSetupArchive(package_), ExtractResult::WriteFailed);
  EXPECT_EQ(ReadFileBytes(WorkDir + "\\files\\a.txt"), std::string("A"));
  EXPECT_EQ(GetFileAttributesA(blocked.c_str()), DWORD{FILE_ATTRIBUTE_DIRECTORY});
  EXPECT_FALSE(ReadFileBytes(WorkDir + "\\files\\c.txt"));
  EXPECT_FALSE(ReadFileBytes(WorkDir + "\\INSTALLER.EXE"));
  EXPECT_FALSE(tk::IsOpen(1));
  EXPECT_FALSE(tk::IsOpen(2));
}

// Every member, the setup's own files and the payload alike, leaves the
// extraction with the archive attribute alone and the setup program's times.
TEST_F(Extraction, StampsEveryMemberWithTheArchiveAttributeAndTheProgramsTimes) {
  ASSERT_TRUE(WriteFileBytes(package_, BuildPackage({{"INSTALLER.EXE", "MZ"}, {"Setup.dip", "dip"},
                                                      {"Dati.bin", std::string(3 << 20, 'x')}})));
  EXPECT_EQ(ExtractSetupArchive(package_), ExtractResult::Done);
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, sizeof self);
  const auto mine = testsupport::GetTimes(self);
  ASSERT_TRUE(mine);
  for (const std::string name : {"INSTALLER.EXE", "Setup.dip", "files\\Dati.bin"}) {
    SCOPED_TRACE(name);
    const std::string path = WorkDir + "\\" + name;
    EXPECT_EQ(GetFileAttributesA(path.c_str()), DWORD{FILE_ATTRIBUTE_ARCHIVE});
    const auto its = testsupport::GetTimes(path);
    ASSERT_TRUE(its);
    EXPECT_EQ(its->write, mine->write);
    EXPECT_EQ(its->creation, mine->creation);
  }
}

TEST_F(Extraction, AMissingOrMalformedPackageWritesNothing) {
  EXPECT_EQ(ExtractSetupArchive(package_), ExtractResult::NoPackage);
  EXPECT_EQ(GetFileAttributesA(package_.c_str()), INVALID_FILE_ATTRIBUTES) << "the package was created";

  ASSERT_TRUE(WriteFileBytes(package_, "abc"));
  EXPECT_EQ(ExtractSetupArchive(package_), ExtractResult::BadLengthField);
  ASSERT_TRUE(WriteFileBytes(package_, "a.txt|1;00099"));
  EXPECT_EQ(ExtractSetupArchive(package_), ExtractResult::BadLengthField);
  // A size that runs past the directory: nothing partial is written.
  ASSERT_TRUE(WriteFileBytes(package_, "xyz" + std::string("a.txt|500;") + "00010"));
  EXPECT_EQ(ExtractSetupArchive(package_), ExtractResult::BadEntry);
  EXPECT_TRUE(testsupport::ListNames(WorkDir + "\\files\\*").empty());
  EXPECT_FALSE(tk::IsOpen(1));
  // Sizes that stop short of the directory: not the whole package.
  ASSERT_TRUE(WriteFileBytes(package_, "xyz" + std::string("a.txt|2;") + "00008"));
  EXPECT_EQ(ExtractSetupArchive(package_), ExtractResult::BadEntry);
}

// The start-up window's message stands whole in its face, and its bar's
// figures are drawn with their own face.
TEST(LaunchWindow, ItsTextStandsWholeInItsFace) {
  FrmLaunch window;
  EXPECT_TRUE(testsupport::ShowsItsCaptionWhole(window.Label1));
  EXPECT_TRUE(testsupport::DrawnWithItsFace(window.picStatus[0].Font()));
}

}  // namespace
