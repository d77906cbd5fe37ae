#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "tests/support/Driver.h"
#include "toolkit/App.h"
#include "toolkit/Owners.h"
#include "toolkit/Win.h"

namespace {

std::string ModulePath() {
  char path[MAX_PATH + 1] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

TEST(App, PathAndNameOfTheRunningProgram) {
  EXPECT_EQ(tk::AppEXEName(), "toolkit_app_test");
  const std::string folder = tk::AppPath();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), '\\');
  EXPECT_EQ(folder + "\\" + tk::AppEXEName() + ".exe", ModulePath());
  EXPECT_EQ(tk::AppTitle(), "toolkit_app_test");
  tk::SetAppTitle("Setup");
  EXPECT_EQ(tk::AppTitle(), "Setup");
}

// Waits (at most a minute) for a program to end; its exit code, or -1.
int ExitCodeOf(testsupport::Program& program) {
  return static_cast<int>(program.Wait(std::chrono::minutes(1)).value_or(static_cast<DWORD>(-1)));
}

int RunToEnd(const std::string& commandLine) {
  testsupport::Program program(commandLine, std::nullopt);
  return ExitCodeOf(program);
}

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

TEST(App, PrevInstanceSeesAnotherRunningProcessOfTheSameNameInAnyCase) {
  const std::string probe = tk::AppPath() + "\\tk_instance_probe.exe";
  const std::string tag = std::to_string(::GetCurrentProcessId());
  const std::string askedName = "tk.test.asked." + tag, endName = "tk.test.end." + tag;
  const tk::KernelHandle asked(::CreateEventA(nullptr, TRUE, FALSE, askedName.c_str()));
  const tk::KernelHandle end(::CreateEventA(nullptr, TRUE, FALSE, endName.c_str()));
  ASSERT_TRUE(asked.valid());
  ASSERT_TRUE(end.valid());

  // Copies of the probe under other names, in a folder of their own.
  const std::string folder = testsupport::TempFolder() + "tkprobe." + tag;
  ::CreateDirectoryA(folder.c_str(), nullptr);
  const std::string upper = folder + "\\TK_INSTANCE_PROBE.EXE", other = folder + "\\other_probe.exe";
  ASSERT_TRUE(::CopyFileA(probe.c_str(), upper.c_str(), FALSE));
  ASSERT_TRUE(::CopyFileA(probe.c_str(), other.c_str(), FALSE));

  EXPECT_EQ(RunToEnd(Quoted(probe)), 0);  // alone

  testsupport::Program first(Quoted(probe) + " " + askedName + " " + endName, std::nullopt);
  ASSERT_TRUE(first.started());
  ASSERT_EQ(::WaitForSingleObject(asked.get(), 60000), WAIT_OBJECT_0);

  EXPECT_EQ(RunToEnd(Quoted(probe)), 1);
  EXPECT_EQ(RunToEnd(Quoted(upper)), 1);
  EXPECT_EQ(RunToEnd(Quoted(other)), 0);

  ::SetEvent(end.get());
  EXPECT_EQ(ExitCodeOf(first), 0);  // it was the first

  EXPECT_EQ(RunToEnd(Quoted(probe)), 0);  // the mark went with it
  ::DeleteFileA(upper.c_str());
  ::DeleteFileA(other.c_str());
  ::RemoveDirectoryA(folder.c_str());
}

}  // namespace
