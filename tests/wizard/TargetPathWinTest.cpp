// CheckTargetPath against real folders of the Wine prefix, with scripted
// answers to its questions.
#include <gtest/gtest.h>

#include "engine/SetupState.h"
#include "tests/support/Driver.h"
#include "tests/support/ScriptedHost.h"
#include "toolkit/Win.h"
#include "wizard/TargetPath.h"

namespace {

using testsupport::ScriptedHost;
using testsupport::ShownBox;

constexpr int kExclamation = tk::vbExclamation, kYesNoExclamation = tk::vbYesNo | tk::vbExclamation,
              kYesNoQuestion = tk::vbYesNo | tk::vbQuestion, kCritical = tk::vbCritical;

bool IsFolder(const std::string& path) {
  const DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

class TargetPath : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    // A folder of its own right under C:, shared with no case that may run
    // beside this one.
    root_ = std::string("C:\\target-path-test-") + info->name();
    testsupport::RemoveTree(root_);
    ASSERT_TRUE(CreateDirectoryA(root_.c_str(), nullptr)) << GetLastError();
    SetupInfo = {};
    SetupInfo.SoftwareHouseName = "Velmarind";
  }
  void TearDown() override { testsupport::RemoveTree(root_); }

  // Checks `typed`, expecting `cleaned` written back and the given result.
  void Check(std::string typed, const std::string& cleaned, bool rejected) {
    EXPECT_EQ(CheckTargetPath(typed), rejected) << cleaned;
    EXPECT_EQ(typed, cleaned);
  }
  void ExpectBoxes(const std::vector<ShownBox>& expected) {
    ASSERT_EQ(host_.boxes.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
      EXPECT_EQ(host_.boxes[i].text, expected[i].text) << i;
      EXPECT_EQ(host_.boxes[i].style, expected[i].style) << i;
      EXPECT_EQ(host_.boxes[i].title, "Velmarind setup") << i;
      EXPECT_EQ(host_.boxes[i].beepsBefore, expected[i].beepsBefore) << i;
    }
    host_.boxes.clear();
  }

  std::string root_;
  ScriptedHost host_;
};

const char kChooseAnother[] = "Specificare un altro percorso e riprovare.";
const char kHoldsFiles[] =
    "Il percorso scelto contiene già dei files. Se si sceglie di continuare, i file verranno sovrascritti. "
    "Proseguire comunque con l'installazione?";
const char kCreate[] = "Il percorso non esiste: si desidera crearlo?";

TEST_F(TargetPath, SyntaxRejectionsBeepAndKeepTheCleanedPath) {
  Check("", "", true);
  Check("  Programmi\\Demo\\ ", "Programmi\\Demo", true);
  Check(" \\\\server\\share\\\\", "\\\\server\\share", true);
  ExpectBoxes({{"Unità di destinazione ERRATA o MANCANTE.", kExclamation, "", 1},
               {"Unità di destinazione ERRATA o MANCANTE.", kExclamation, "", 1},
               {"Unità di destinazione ERRATA o MANCANTE.", kExclamation, "", 1}});

  Check("C:\\Demo?\\ ", "C:\\Demo?", true);
  Check("C:\\a:b", "C:\\a:b", true);
  ExpectBoxes({{"Il percorso contiene caratteri NON consentiti.", kExclamation, "", 1},
               {"Il percorso contiene caratteri NON consentiti.", kExclamation, "", 1}});

  Check("C:\\Programmi\\\\Demo", "C:\\Programmi\\\\Demo", true);
  ExpectBoxes({{"Percorso di rete NON AMMESSO.", kExclamation, "", 1}});
  EXPECT_EQ(host_.beeps, 6);
}

TEST_F(TargetPath, ExistingFolderWithoutOrdinaryFilesIsAcceptedWithoutQuestion) {
  ASSERT_TRUE(CreateDirectoryA((root_ + "\\subs").c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryA((root_ + "\\subs\\one").c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryA((root_ + "\\hidden").c_str(), nullptr));
  ASSERT_TRUE(testsupport::WriteFileBytes(root_ + "\\hidden\\h.txt", "x"));
  ASSERT_TRUE(testsupport::WriteFileBytes(root_ + "\\hidden\\s.sys", "x"));
  ASSERT_TRUE(SetFileAttributesA((root_ + "\\hidden\\h.txt").c_str(), FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(SetFileAttributesA((root_ + "\\hidden\\s.sys").c_str(), FILE_ATTRIBUTE_SYSTEM));

  Check(" " + root_ + "\\subs\\\\", root_ + "\\subs", false);
  Check(root_ + "\\hidden", root_ + "\\hidden", false);
  Check(root_ + "\\subs\\one\\", root_ + "\\subs\\one", false);
  ExpectBoxes({});
  EXPECT_EQ(host_.beeps, 0);
  // The file that showed the folder can be written in is gone again.
  EXPECT_EQ(testsupport::ListNames(root_ + "\\subs\\one\\*"), std::vector<std::string>{});
}

TEST_F(TargetPath, ExistingFolderWithFilesAsksWhetherToOverwrite) {
  ASSERT_TRUE(testsupport::WriteFileBytes(root_ + "\\old.exe", "x"));
  ASSERT_TRUE(SetFileAttributesA((root_ + "\\old.exe").c_str(), FILE_ATTRIBUTE_READONLY));

  host_.answers = {tk::vbYes};
  Check(root_, root_, false);
  ExpectBoxes({{kHoldsFiles, kYesNoExclamation, "", 1}});

  host_.answers = {tk::vbNo};
  Check(root_ + "\\", root_, true);
  ExpectBoxes({{kHoldsFiles, kYesNoExclamation, "", 1}, {kChooseAnother, kExclamation, "", 0}});
  SetFileAttributesA((root_ + "\\old.exe").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(TargetPath, DriveRootIsCheckedAsTheDriveLetterAndColon) {
  // The root of C: lists its folders, so it exists; a plain file there
  // brings the overwrite question.
  const std::string probe = "C:\\target-path-root-probe.txt";
  ASSERT_TRUE(testsupport::WriteFileBytes(probe, "x"));
  host_.answers = {tk::vbNo};
  Check(" C:\\ ", "C:", true);
  DeleteFileA(probe.c_str());
  ExpectBoxes({{kHoldsFiles, kYesNoExclamation, "", 1}, {kChooseAnother, kExclamation, "", 0}});
}

TEST_F(TargetPath, MissingFolderIsCreatedWholeOnYesAndLeftAloneOnNo) {
  const std::string chain = root_ + "\\Velmarind\\Demo";

  host_.answers = {tk::vbNo};
  Check(chain + " ", chain, true);
  ExpectBoxes({{kCreate, kYesNoQuestion, "", 0}, {kChooseAnother, kExclamation, "", 0}});
  EXPECT_FALSE(IsFolder(root_ + "\\Velmarind"));

  host_.answers = {tk::vbYes};
  Check(chain + "\\", chain, false);
  ExpectBoxes({{kCreate, kYesNoQuestion, "", 0}});
  EXPECT_TRUE(IsFolder(chain));
  EXPECT_EQ(host_.beeps, 0);
}

// "C:Demo" names a folder under drive C's current folder, wherever that is:
// refused as a wrong drive, with nothing asked and nothing created there.
TEST_F(TargetPath, AFolderRelativeToTheDrivesCurrentFolderIsRefused) {
  ASSERT_TRUE(SetCurrentDirectoryA(root_.c_str()));
  host_.answers = {tk::vbYes, tk::vbYes};
  Check(" C:Demo\\ ", "C:Demo", true);
  Check("C:Programmi\\Demo", "C:Programmi\\Demo", true);
  SetCurrentDirectoryA("C:\\");
  ExpectBoxes({{"Unità di destinazione ERRATA o MANCANTE.", kExclamation, "", 1},
               {"Unità di destinazione ERRATA o MANCANTE.", kExclamation, "", 1}});
  EXPECT_FALSE(IsFolder(root_ + "\\Demo"));
  EXPECT_FALSE(IsFolder(root_ + "\\Programmi"));
}

TEST_F(TargetPath, DigitBeforeTheColonPassesTheSyntaxButCannotBeCreated) {
  host_.answers = {tk::vbYes};
  Check("1:\\Demo", "1:\\Demo", true);
  ExpectBoxes({{kCreate, kYesNoQuestion, "", 0}, {"Impossibile creare il percorso.", kCritical, "", 1}});
}

// A folder too long for the file list's longest name below it is refused
// before anything is asked or created; one character shorter it is not.
TEST_F(TargetPath, AFolderTooLongForThePayloadsLongestNameIsRefused) {
  const std::string name = std::string(150, 'n') + ".dat";
  SourceDir = root_;
  ASSERT_TRUE(testsupport::WriteFileBytes(root_ + "\\Setup.ftc", "Demo.exe;§§QX_App_Path§§;1\r\n" + name +
                                                                      ";§§QX_App_Path§§\\Dati;1\r\n"));
  const std::string head = root_ + "\\";
  const std::string tooLong = head + std::string(260 - head.size() - name.size() - 6, 'd');
  ASSERT_EQ((tooLong + "\\Dati\\" + name).size(), 260u);
  host_.answers = {tk::vbYes};
  Check(tooLong, tooLong, true);
  ExpectBoxes({{"Percorso troppo LUNGO per i file da installare.", kExclamation, "", 1}});
  EXPECT_FALSE(IsFolder(tooLong));

  host_.answers = {tk::vbNo};
  Check(tooLong.substr(0, tooLong.size() - 1), tooLong.substr(0, tooLong.size() - 1), true);
  ExpectBoxes({{kCreate, kYesNoQuestion, "", 0}, {kChooseAnother, kExclamation, "", 0}});
  SourceDir.clear();
}

// Linux's sysfs, through the prefix's drive of the whole file system: a
// folder that exists and takes no new file, even from a program run as root.
TEST_F(TargetPath, AFolderInWhichNoFileCanBeCreatedIsRefused) {
  ASSERT_TRUE(IsFolder("Z:\\sys\\kernel"));
  Check("Z:\\sys\\kernel\\", "Z:\\sys\\kernel", true);
  ExpectBoxes({{"Impossibile scrivere nel percorso scelto.", kExclamation, "", 1}});
}

}  // namespace
