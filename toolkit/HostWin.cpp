// The default host: plain Win32.
#include "toolkit/Form.h"
#include "toolkit/Host.h"
#include "toolkit/Win.h"

namespace tk {
namespace {

// The window a message box disables while it is up: the main form while it
// is shown and takes input, else (a modal form of the program is up over
// it, it is not shown yet, or there is no main window) the active window,
// as the modal form is.
HWND MessageBoxOwnerWindow() {
  const Form* main = MessageBoxOwner();
  HWND window = main ? main->hwnd() : nullptr;
  if (window && ::IsWindowVisible(window) && ::IsWindowEnabled(window)) return window;
  return ::GetActiveWindow();
}

class Win32Host final : public Host {
 public:
  int ShowMessageBox(const std::string& text, int style, const std::string& title) override {
    return ::MessageBoxA(MessageBoxOwnerWindow(), text.c_str(), title.c_str(), static_cast<UINT>(style));
  }

  void Beep() override { ::MessageBeep(MB_OK); }

  [[noreturn]] void EndProcess(unsigned exitCode) override { ::ExitProcess(exitCode); }

  int SafeModeMetric() override { return ::GetSystemMetrics(SM_CLEANBOOT); }

  VersionFacts Version() override {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;  // 148, the ANSI record
    VersionFacts v;
    if (!::GetVersionExA(&info)) return v;
    v.ok = true;
    v.major = info.dwMajorVersion;
    v.minor = info.dwMinorVersion;
    v.build = info.dwBuildNumber;
    v.platformId = info.dwPlatformId;
    return v;
  }

  bool RequestExitWindows(uint32_t mode, uint32_t reason) override { return ::ExitWindowsEx(mode, reason) != 0; }

  bool OpenProcessTokenForPrivileges(uintptr_t& token) override {
    HANDLE h = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, &h)) return false;
    token = reinterpret_cast<uintptr_t>(h);
    return true;
  }

  bool LookupShutdownPrivilege(uint64_t& luid) override {
    LUID id{};
    if (!::LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &id)) return false;
    luid = (static_cast<uint64_t>(static_cast<uint32_t>(id.HighPart)) << 32) | id.LowPart;
    return true;
  }

  bool AdjustShutdownPrivilege(uintptr_t token, uint64_t luid, bool enable) override {
    TOKEN_PRIVILEGES state{};
    state.PrivilegeCount = 1;
    state.Privileges[0].Luid.LowPart = static_cast<DWORD>(luid);
    state.Privileges[0].Luid.HighPart = static_cast<LONG>(luid >> 32);
    state.Privileges[0].Attributes = enable ? SE_PRIVILEGE_ENABLED : 0;
    // A token that does not hold the privilege at all is "adjusted" with
    // ERROR_NOT_ALL_ASSIGNED: that is a failure too.
    if (!::AdjustTokenPrivileges(reinterpret_cast<HANDLE>(token), FALSE, &state, 0, nullptr, nullptr)) return false;
    return ::GetLastError() != ERROR_NOT_ALL_ASSIGNED;
  }

  void CloseToken(uintptr_t token) override { ::CloseHandle(reinterpret_cast<HANDLE>(token)); }

  uint32_t DriveType(const std::string& root) override { return ::GetDriveTypeA(root.c_str()); }

  DriveSpace FreeSpace(const std::string& root) override {
    ULARGE_INTEGER user{}, total{}, free{};
    DriveSpace s;
    s.ok = ::GetDiskFreeSpaceExA(root.c_str(), &user, &total, &free) != 0;
    if (s.ok) {
      s.availableToUser = user.QuadPart;
      s.total = total.QuadPart;
      s.totalFree = free.QuadPart;
    }
    return s;
  }

  VolumeFacts Volume(const std::string& root) override {
    char label[MAX_PATH + 1] = {}, fs[MAX_PATH + 1] = {};
    DWORD serial = 0, longest = 0, flags = 0;
    VolumeFacts v;
    v.ok = ::GetVolumeInformationA(root.c_str(), label, sizeof label, &serial, &longest, &flags, fs, sizeof fs) != 0;
    if (v.ok) {
      v.label = label;
      v.fileSystem = fs;
    }
    return v;
  }

  uint32_t WriteToFile(uintptr_t file, const void* data, uint32_t length, uint32_t& written) override {
    DWORD took = 0;
    const bool ok = ::WriteFile(reinterpret_cast<HANDLE>(file), data, length, &took, nullptr) != 0;
    written = took;
    return ok ? 0 : ::GetLastError();
  }
};

}  // namespace

Host& DefaultHost() {
  static Win32Host h;
  return h;
}
}  // namespace tk
