// The end of the program in this process: the work folder emptied, the
// restart requested, the installed application started, the process ended.
#include <gtest/gtest.h>

#include <chrono>

#include "engine/EndOfProgram.h"
#include "engine/SetupState.h"
#include "tests/engine/RecordingView.h"
#include "tests/support/PendingReplacements.h"
#include "tests/support/ScriptedHost.h"
#include "tests/support/Wait.h"
#include "tests/support/WorkFolder.h"
#include "toolkit/Win.h"

namespace {

using testsupport::ListNames;
using testsupport::ScratchWork;
using testsupport::ScriptedHost;

class EndOfProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    work_ = std::make_unique<ScratchWork>("end-tests", info->name());
    SourceDir = work_->work();
    RestartNeeded = false;
    RunCommand.clear();
    view_.autoEsegui = 1;
    SetSetupView(&view_);
  }
  void TearDown() override {
    SetSetupView(nullptr);
    RestartNeeded = false;
    RunCommand.clear();
    work_.reset();
  }
  std::unique_ptr<ScratchWork> work_;
  ScriptedHost host_;
  testsupport::RecordingView view_;
};

TEST_F(EndOfProgram, EmptiesAndRemovesTheWorkFolderLeavingTheTemporaryFolderCurrent) {
  const std::string& w = work_->work();
  for (const char* f : {"files\\a.bin", "files\\ro.bin", "files\\hidden.bin", "Setup.dip", "ro.txt", "hid.txt"})
    ASSERT_TRUE(work_->Write(f, "x"));
  ASSERT_TRUE(SetFileAttributesA((w + "\\files\\ro.bin").c_str(), FILE_ATTRIBUTE_READONLY));
  ASSERT_TRUE(SetFileAttributesA((w + "\\files\\hidden.bin").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  ASSERT_TRUE(SetFileAttributesA((w + "\\ro.txt").c_str(), FILE_ATTRIBUTE_READONLY));
  ASSERT_TRUE(SetFileAttributesA((w + "\\hid.txt").c_str(), FILE_ATTRIBUTE_HIDDEN));

  EXPECT_THROW(Misc::CleanUpAndExit(), tk::ProcessEnded);

  EXPECT_EQ(GetFileAttributesA(w.c_str()), INVALID_FILE_ATTRIBUTES);
  char current[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, current);
  EXPECT_EQ(std::string(current) + "\\work", w);
  EXPECT_TRUE(host_.restartRequests.empty());
}

// What cannot be removed stays, silently (the host answers no message box).
TEST_F(EndOfProgram, AFolderInsideFilesOrAHeldFileKeepsTheWorkFolder) {
  const std::string& w = work_->work();
  ASSERT_TRUE(CreateDirectoryA((w + "\\files\\sub").c_str(), nullptr));
  ASSERT_TRUE(work_->Write("files\\a.bin", "x"));
  EXPECT_THROW(Misc::CleanUpAndExit(), tk::ProcessEnded);
  EXPECT_EQ(ListNames(w + "\\files\\*"), std::vector<std::string>{"sub"});
  EXPECT_EQ(ListNames(w + "\\*"), std::vector<std::string>{"files"});

  ASSERT_TRUE(RemoveDirectoryA((w + "\\files\\sub").c_str()));
  ASSERT_TRUE(work_->Write("held.txt", "x"));
  {
    const testsupport::HeldOpen held(w + "\\held.txt");
    ASSERT_TRUE(held.held());
    EXPECT_THROW(Misc::CleanUpAndExit(), tk::ProcessEnded);
  }
  EXPECT_EQ(ListNames(w + "\\*"), std::vector<std::string>{"held.txt"});
  EXPECT_TRUE(host_.boxes.empty());
}

TEST_F(EndOfProgram, RequestsTheRestartBeforeStartingTheApplication) {
  const std::string marker = work_->work() + "\\..\\started.txt";
  DeleteFileA(marker.c_str());
  RestartNeeded = true;
  RunCommand = std::string("\"") + SHELL_PROBE_PATH + "\" \"" + marker + "\" avviato";
  host_.overrideVersion = true;
  host_.version = {true, 5, 1, 2600, 2};
  bool startedBeforeRestart = true;
  host_.onRestartRequest = [&] { startedBeforeRestart = GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES; };

  EXPECT_THROW(Misc::CleanUpAndExit(), tk::ProcessEnded);

  EXPECT_EQ(host_.restartRequests, std::vector<uint32_t>{2});
  EXPECT_FALSE(startedBeforeRestart);
  std::optional<std::string> content;
  testsupport::WaitFor([&] { return (content = testsupport::ReadFileBytes(marker)).has_value(); },
                       std::chrono::seconds(10));
  EXPECT_EQ(content, std::string("avviato"));
  DeleteFileA(marker.c_str());
}

TEST_F(EndOfProgram, StartsNothingWhenTheBoxIsClearOrTheCommandEmpty) {
  const std::string marker = work_->work() + "\\..\\never.txt";
  RunCommand = std::string("\"") + SHELL_PROBE_PATH + "\" \"" + marker + "\" x";
  view_.autoEsegui = 0;
  EXPECT_THROW(Misc::CleanUpAndExit(), tk::ProcessEnded);
  view_.autoEsegui = 2;
  EXPECT_THROW(Misc::CleanUpAndExit(), tk::ProcessEnded);
  // Then one that does start it, with a file of its own: once that file is
  // there, an application the two runs above had started would have written
  // its file as well.
  const std::string witness = work_->work() + "\\..\\witness.txt";
  DeleteFileA(witness.c_str());
  RunCommand = std::string("\"") + SHELL_PROBE_PATH + "\" \"" + witness + "\" x";
  view_.autoEsegui = 1;
  EXPECT_THROW(Misc::CleanUpAndExit(), tk::ProcessEnded);
  ASSERT_TRUE(testsupport::WaitFor([&] { return testsupport::Exists(witness); }, std::chrono::seconds(10)));
  EXPECT_FALSE(testsupport::ReadFileBytes(marker));
  DeleteFileA(witness.c_str());

  // A 9x system asks the other way; an empty command starts nothing at all.
  view_.autoEsegui = 1;
  RunCommand.clear();
  RestartNeeded = true;
  host_.overrideVersion = true;
  host_.version = {true, 4, 10, 2222, 1};
  EXPECT_THROW(Misc::CleanUpAndExit(), tk::ProcessEnded);
  EXPECT_EQ(host_.restartRequests, std::vector<uint32_t>{2});
}

}  // namespace
