// Drives another program of the same Wine prefix from a test: starts it,
// waits for it, and finds, reads and answers its message boxes. Windows
// build only.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "toolkit/Owners.h"
#include "toolkit/Win.h"

namespace testsupport {

// A message box (dialog class "#32770") of a process, as the user sees it.
struct DialogView {
  HWND hwnd = nullptr;
  std::string title;
  std::string text;                  // the message's text
  std::vector<std::string> buttons;  // button captions, "&" removed
  bool hasIcon = false;              // an icon control is shown
};

class Program {
 public:
  // Starts commandLine in folder cwd (nullopt: the test's own).
  Program(const std::string& commandLine, const std::optional<std::string>& cwd);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool started() const { return process_.valid(); }
  DWORD pid() const { return pid_; }

  // Waits for the process to end; the exit code, or nullopt on time-out.
  std::optional<DWORD> Wait(std::chrono::milliseconds timeout);

  // The first visible dialog of the process, waiting up to timeout.
  std::optional<DialogView> WaitDialog(std::chrono::milliseconds timeout);

  // The visible top-level windows of the process with the given class name
  // ("" for any class).
  std::vector<HWND> TopWindows(const std::string& className) const;

  void Kill();

 private:
  tk::KernelHandle process_;
  DWORD pid_ = 0;
};

// Waits until no process of the given file name ("regsvr32.exe", in any
// case) that this process started is running; false on time-out.
bool WaitChildrenEnded(const std::string& exeName, std::chrono::milliseconds timeout);

// Reads a dialog's title, text and buttons.
DialogView ReadDialog(HWND dialog);

// Presses the dialog's button with the given caption ("OK", "Sì", ...).
bool PressButton(HWND dialog, const std::string& caption);

// Small file helpers for tests.
bool Exists(const std::string& path);  // a file or folder
bool WriteFileBytes(const std::string& path, const std::string& bytes);
std::optional<std::string> ReadFileBytes(const std::string& path);
std::vector<std::string> ListNames(const std::string& pattern);  // without "." and ".."
// The text in lower case, as Windows lowers ANSI text.
std::string Lower(std::string text);
// The lines joined, each followed by CR LF.
std::string Lines(const std::vector<std::string>& lines);
// The user's temporary folder, with its trailing "\".
std::string TempFolder();
// The names of the launcher's work folders ("~*.stp") in the temporary folder.
std::set<std::string> WorkFolders();
// Those of them that are not in before (made since before was taken).
std::vector<std::string> WorkFoldersSince(const std::set<std::string>& before);
// The path of a shell folder by CSIDL number; "" when the shell has none.
std::string ShellFolder(int csidl);
// The system folder and the Windows folder as this program sees them.
std::string SystemFolder();
std::string WindowsFolder();
// Removes the folder with everything in it, whatever their attributes;
// false when the folder itself stays.
bool RemoveTree(const std::string& folder);

// The 64-bit creation, access and write times of a file.
struct FileTimes {
  uint64_t creation = 0, access = 0, write = 0;
  bool operator==(const FileTimes&) const = default;
};
std::optional<FileTimes> GetTimes(const std::string& path);

}  // namespace testsupport

namespace testsupport {
// Takes the instance mark of a program of the given file name (without
// extension), as a first running instance of it holds it; none on failure.
tk::KernelHandle TakeInstanceMark(const std::string& exeName);
}  // namespace testsupport

namespace testsupport {
// A window's title (its text).
std::string WindowTitle(HWND window);
}  // namespace testsupport
