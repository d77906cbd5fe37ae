#include <gtest/gtest.h>

#include <string>

#include "toolkit/App.h"
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

// Starts a program; its process handle, or nullptr.
HANDLE Start(std::string commandLine) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started)) {
    return nullptr;
  }
  ::CloseHandle(started.hThread);
  return started.hProcess;
}

// Waits (at most a minute) for a process to end; its exit code, or -1.
int ExitCodeOf(HANDLE process) {
  DWORD code = static_cast<DWORD>(-1);
  if (process && ::WaitForSingleObject(process, 60000) == WAIT_OBJECT_0) ::GetExitCodeProcess(process, &code);
  if (process) ::CloseHandle(process);
  return static_cast<int>(code);
}

int RunToEnd(const std::string& commandLine) { return ExitCodeOf(Start(commandLine)); }

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

TEST(App, PrevInstanceSeesAnotherRunningProcessOfTheSameNameInAnyCase) {
  const std::string probe = tk::AppPath() + "\\tk_instance_probe.exe";
  const std::string tag = std::to_string(::GetCurrentProcessId());
  const std::string askedName = "tk.test.asked." + tag, endName = "tk.test.end." + tag;
  const HANDLE asked = ::CreateEventA(nullptr, TRUE, FALSE, askedName.c_str());
  const HANDLE end = ::CreateEventA(nullptr, TRUE, FALSE, endName.c_str());
  ASSERT_NE(asked, nullptr);
  ASSERT_NE(end, nullptr);

  // Copies of the probe under other names, in a folder of their own.
  char temp[MAX_PATH + 1] = {};
  ::GetTempPathA(sizeof temp, temp);
  const std::string folder = std::string(temp) + "tkprobe." + tag;
  ::CreateDirectoryA(folder.c_str(), nullptr);
  const std::string upper = folder + "\\TK_INSTANCE_PROBE.EXE", other = folder + "\\other_probe.exe";
  ASSERT_TRUE(::CopyFileA(probe.c_str(), upper.c_str(), FALSE));
  ASSERT_TRUE(::CopyFileA(probe.c_str(), other.c_str(), FALSE));

  EXPECT_EQ(RunToEnd(Quoted(probe)), 0);  // alone

  const HANDLE first = Start(Quoted(probe) + " " + askedName + " " + endName);
  ASSERT_NE(first, nullptr);
  ASSERT_EQ(::WaitForSingleObject(asked, 60000), WAIT_OBJECT_0);

  EXPECT_EQ(RunToEnd(Quoted(probe)), 1);
  EXPECT_EQ(RunToEnd(Quoted(upper)), 1);
  EXPECT_EQ(RunToEnd(Quoted(other)), 0);

  ::SetEvent(end);
  EXPECT_EQ(ExitCodeOf(first), 0);  // it was the first

  EXPECT_EQ(RunToEnd(Quoted(probe)), 0);  // the mark went with it
  ::CloseHandle(asked);
  ::CloseHandle(end);
  ::DeleteFileA(upper.c_str());
  ::DeleteFileA(other.c_str());
  ::RemoveDirectoryA(folder.c_str());
}

}  // namespace
