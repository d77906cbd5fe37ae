#include "tests/support/Driver.h"

#include <tlhelp32.h>

#include "tests/support/Wait.h"
#include "toolkit/App.h"
#include "toolkit/Owners.h"

namespace testsupport {
namespace {

std::string WindowText(HWND w) {
  char buf[4096];
  const int n = GetWindowTextA(w, buf, sizeof buf);
  return std::string(buf, n > 0 ? n : 0);
}

std::string ClassOf(HWND w) {
  char buf[256];
  const int n = GetClassNameA(w, buf, sizeof buf);
  return std::string(buf, n > 0 ? n : 0);
}

struct EnumState {
  DWORD pid;
  std::string className;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectTop(HWND w, LPARAM lp) {
  auto* s = reinterpret_cast<EnumState*>(lp);
  DWORD owner = 0;
  GetWindowThreadProcessId(w, &owner);
  if (owner == s->pid && IsWindowVisible(w) && (s->className.empty() || ClassOf(w) == s->className))
    s->found.push_back(w);
  return TRUE;
}

BOOL CALLBACK CollectChild(HWND w, LPARAM lp) {
  reinterpret_cast<std::vector<HWND>*>(lp)->push_back(w);
  return TRUE;
}

std::string WithoutAmpersand(std::string s) {
  std::string out;
  for (char c : s)
    if (c != '&') out += c;
  return out;
}

}  // namespace

Program::Program(const std::string& commandLine, const std::optional<std::string>& cwd) {
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::string cmd = commandLine;
  if (CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr,
                     cwd ? cwd->c_str() : nullptr, &si, &pi)) {
    tk::ProcessHandles started(pi);
    process_ = std::move(started.process);
    pid_ = pi.dwProcessId;
  }
}

Program::~Program() {
  if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) TerminateProcess(process_.get(), 99);
}

std::optional<DWORD> Program::Wait(std::chrono::milliseconds timeout) {
  if (!process_) return std::nullopt;
  if (WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(process_.get(), &code);
  return code;
}

std::vector<HWND> Program::TopWindows(const std::string& className) const {
  EnumState s{pid_, className, {}};
  EnumWindows(CollectTop, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

std::optional<DialogView> Program::WaitDialog(std::chrono::milliseconds timeout) {
  std::optional<DialogView> dialog;
  WaitFor(
      [&] {
        const auto dialogs = TopWindows("#32770");
        if (!dialogs.empty()) dialog = ReadDialog(dialogs.front());
        return dialog || (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0);
      },
      timeout);
  return dialog;
}

void Program::Kill() {
  if (process_) TerminateProcess(process_.get(), 99);
}

bool WaitChildrenEnded(const std::string& exeName, std::chrono::milliseconds timeout) {
  const auto anyRunning = [&] {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    const tk::KernelHandle owned(snapshot == INVALID_HANDLE_VALUE ? nullptr : snapshot);
    if (!owned) return true;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(owned.get(), &entry); more; more = Process32Next(owned.get(), &entry))
      if (entry.th32ParentProcessID == GetCurrentProcessId() && Lower(entry.szExeFile) == Lower(exeName)) return true;
    return false;
  };
  return WaitFor([&] { return !anyRunning(); }, timeout);
}

DialogView ReadDialog(HWND dialog) {
  DialogView v;
  v.hwnd = dialog;
  v.title = WindowText(dialog);
  std::vector<HWND> children;
  EnumChildWindows(dialog, CollectChild, reinterpret_cast<LPARAM>(&children));
  for (HWND c : children) {
    const std::string cls = ClassOf(c);
    if (cls == "Button") {
      v.buttons.push_back(WithoutAmpersand(WindowText(c)));
    } else if (cls == "Static") {
      const LONG style = GetWindowLongA(c, GWL_STYLE);
      if ((style & SS_TYPEMASK) == SS_ICON)
        v.hasIcon = true;
      else if (!WindowText(c).empty())
        v.text = WindowText(c);
    }
  }
  return v;
}

bool PressButton(HWND dialog, const std::string& caption) {
  std::vector<HWND> children;
  EnumChildWindows(dialog, CollectChild, reinterpret_cast<LPARAM>(&children));
  for (HWND c : children) {
    if (ClassOf(c) == "Button" && WithoutAmpersand(WindowText(c)) == caption) {
      PostMessageA(c, BM_CLICK, 0, 0);
      return true;
    }
  }
  return false;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string Lower(std::string text) {
  CharLowerA(text.data());
  return text;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
  tk::FileHandle file(
      CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  DWORD done = 0;
  const bool written =
      WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr) && done == bytes.size();
  return file.close() && written;
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
  const tk::FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  std::string out;
  char buf[65536];
  DWORD got = 0;
  while (ReadFile(file.get(), buf, sizeof buf, &got, nullptr) && got > 0) out.append(buf, got);
  return out;
}

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

std::string TempFolder() {
  char buf[MAX_PATH + 1];
  const DWORD n = GetTempPathA(sizeof buf, buf);
  return std::string(buf, n);
}

std::set<std::string> WorkFolders() {
  const auto names = ListNames(TempFolder() + "~*.stp");
  return {names.begin(), names.end()};
}

std::vector<std::string> WorkFoldersSince(const std::set<std::string>& before) {
  std::vector<std::string> made;
  for (const auto& f : WorkFolders())
    if (!before.count(f)) made.push_back(f);
  return made;
}

std::string ShellFolder(int csidl) {
  char path[MAX_PATH] = {};
  return SUCCEEDED(SHGetFolderPathA(nullptr, csidl, nullptr, 0, path)) ? path : "";
}

std::string SystemFolder() {
  char path[MAX_PATH] = {};
  GetSystemDirectoryA(path, sizeof path);
  return path;
}

std::string WindowsFolder() {
  char path[MAX_PATH] = {};
  GetWindowsDirectoryA(path, sizeof path);
  return path;
}

std::vector<std::string> ListNames(const std::string& pattern) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA fd;
  const tk::FindHandle listing(FindFirstFileA(pattern.c_str(), &fd));
  if (!listing) return names;
  do {
    const std::string n = fd.cFileName;
    if (n != "." && n != "..") names.push_back(n);
  } while (FindNextFileA(listing.get(), &fd));
  return names;
}

bool RemoveTree(const std::string& folder) {
  for (const std::string& n : ListNames(folder + "\\*")) {
    const std::string p = folder + "\\" + n;
    const DWORD a = GetFileAttributesA(p.c_str());
    if (a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY)) {
      RemoveTree(p);
    } else {
      SetFileAttributesA(p.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA(p.c_str());
    }
  }
  SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
  return RemoveDirectoryA(folder.c_str()) != 0;
}

std::optional<FileTimes> GetTimes(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA d;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &d)) return std::nullopt;
  auto to64 = [](FILETIME t) { return (uint64_t{t.dwHighDateTime} << 32) | t.dwLowDateTime; };
  return FileTimes{to64(d.ftCreationTime), to64(d.ftLastAccessTime), to64(d.ftLastWriteTime)};
}

}  // namespace testsupport

namespace testsupport {
tk::KernelHandle TakeInstanceMark(const std::string& exeName) {
  return tk::KernelHandle(CreateMutexA(nullptr, FALSE, tk::InstanceMarkName(exeName).c_str()));
}
}  // namespace testsupport

namespace testsupport {
std::string WindowTitle(HWND window) { return WindowText(window); }
}  // namespace testsupport
