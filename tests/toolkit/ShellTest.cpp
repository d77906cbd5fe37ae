#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>

#include "tests/support/Driver.h"
#include "tests/support/Wait.h"

#include "toolkit/App.h"
#include "toolkit/Files.h"
#include "toolkit/Shell.h"
#include "toolkit/Win.h"

namespace {

// The text of a file once it exists, waiting for it at most a minute.
std::string AwaitFile(const std::string& path) {
  std::optional<std::string> text;
  testsupport::WaitFor([&] { return (text = testsupport::ReadFileBytes(path)).has_value(); }, std::chrono::minutes(1),
                       std::chrono::milliseconds(100));
  return text.value_or("<none>");
}

TEST(Shell, StartsACommandLineWithoutWaitingAndGivesItsProcessId) {
  const std::string out = testsupport::TempFolder() + "tkshell." + std::to_string(::GetCurrentProcessId()) + ".txt";
  ::DeleteFileA(out.c_str());

  int status = -1;
  std::string command = "\"";
  command += tk::AppPath();
  command += "\\tk_shell_probe.exe\" \"";
  command += out;
  command += "\" avviato";
  const uint32_t pid = tk::Shell(command, tk::vbHide, &status);
  EXPECT_NE(pid, 0u);
  EXPECT_NE(pid, ::GetCurrentProcessId());
  EXPECT_EQ(status, 0);
  EXPECT_EQ(AwaitFile(out), "avviato");
  ::DeleteFileA(out.c_str());
}

TEST(Shell, ReportsWhatCannotStart) {
  int status = -1;
  EXPECT_EQ(tk::Shell(tk::AppPath() + "\\no_such_program.exe", tk::vbNormalFocus, &status), 0u);
  EXPECT_EQ(status, tk::errFileNotFound);
  EXPECT_EQ(tk::Shell("", tk::vbNormalFocus, &status), 0u);
  EXPECT_EQ(status, tk::errInvalidCall);
  EXPECT_EQ(tk::Shell(tk::AppPath() + "\\tk_shell_probe.exe", 5, &status), 0u);
  EXPECT_EQ(status, tk::errInvalidCall);
}

}  // namespace
