// The toolkit's one host interface: what a test must answer or intercept,
// and facts of the machine that Wine cannot show on demand. Its default,
// in the Windows build, is plain Win32; tests install their own with
// SetHost and override only what they need: every member of the base class
// passes the call on to the default host.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>

namespace tk {

class Form;

// Message-box styles and answers, with the values Windows gives them.
enum : int {
  vbOKOnly = 0, vbOKCancel = 1, vbAbortRetryIgnore = 2, vbYesNoCancel = 3,
  vbYesNo = 4, vbRetryCancel = 5,
  vbCritical = 16, vbQuestion = 32, vbExclamation = 48, vbInformation = 64,
};
enum : int { vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7 };

// The version facts of the running system, as GetVersionExA reports them.
struct VersionFacts {
  bool ok = false;
  uint32_t major = 0, minor = 0, build = 0;
  uint32_t platformId = 0;  // 1: the 9x family, 2: the NT family
};

// What the drive report reads of a drive.
struct DriveSpace {
  bool ok = false;  // the free-space query succeeded
  uint64_t availableToUser = 0, total = 0, totalFree = 0;
};
struct VolumeFacts {
  bool ok = false;
  std::string label, fileSystem;
};

class Host {
 public:
  virtual ~Host() = default;

  // A modal message box owned by the message-box owner (see
  // SetMessageBoxOwner) while that form is loaded and takes input, else by
  // the active window of the process. Returns the answer (vbOK, vbYes, ...).
  virtual int ShowMessageBox(const std::string& text, int style, const std::string& title);

  // The system's default beep.
  virtual void Beep();

  // Ends the process with the given exit code. The default never returns;
  // a test's host may throw ProcessEnded instead.
  [[noreturn]] virtual void EndProcess(unsigned exitCode);

  // GetSystemMetrics(SM_CLEANBOOT): 0 normal start, 1 or 2 Safe Mode.
  virtual int SafeModeMetric();

  // GetVersionExA with the ANSI record.
  virtual VersionFacts Version();

  // The restart request and the shutdown privilege of the process token:
  // ExitWindowsEx; OpenProcessToken with TOKEN_ADJUST_PRIVILEGES;
  // LookupPrivilegeValueA of "SeShutdownPrivilege" on the local system;
  // AdjustTokenPrivileges enabling (or disabling) it, false also when the
  // token does not hold it (ERROR_NOT_ALL_ASSIGNED); CloseHandle.
  virtual bool RequestExitWindows(uint32_t mode, uint32_t reason);
  virtual bool OpenProcessTokenForPrivileges(uintptr_t& token);
  virtual bool LookupShutdownPrivilege(uint64_t& luid);
  virtual bool AdjustShutdownPrivilege(uintptr_t token, uint64_t luid, bool enable);
  virtual void CloseToken(uintptr_t token);

  // GetDriveTypeA, GetDiskFreeSpaceExA and GetVolumeInformationA of a
  // drive root such as "C:\".
  virtual uint32_t DriveType(const std::string& root);
  virtual DriveSpace FreeSpace(const std::string& root);
  virtual VolumeFacts Volume(const std::string& root);

  // WriteFile of `length` bytes through the handle of an open file (the
  // toolkit's files write through here): 0 when the system took them, with
  // `written` how many; otherwise the system's error code.
  virtual uint32_t WriteToFile(uintptr_t file, const void* data, uint32_t length, uint32_t& written);
};

// Thrown by a test host's EndProcess, so that a whole road of the program can
// run inside one test and its end be observed.
struct ProcessEnded {
  unsigned exitCode;
};

// The host in force: the one last given to SetHost, else the default.
Host& host();

// Installs a host (not owned); nullptr restores the default.
void SetHost(Host* h);

// The default host of this build: plain Win32 on Windows. Natively there is
// no default: a call that reaches it fails loudly (std::logic_error).
Host& DefaultHost();

// The program's main form, which owns the default host's message boxes, so
// that it takes no input while one is up (not owned; nullptr for none). A
// main form that takes no input already (a modal form of the program is up
// over it) leaves the box to the active window.
void SetMessageBoxOwner(const Form* owner);
const Form* MessageBoxOwner();

// Short forms for the program's code.
inline int MsgBox(const std::string& text, int style, const std::string& title) {
  return host().ShowMessageBox(text, style, title);
}
inline void Beep() { host().Beep(); }
[[noreturn]] inline void End(unsigned exitCode = 0) {
  host().EndProcess(exitCode);
  std::abort();  // not reached: EndProcess never returns
}

}  // namespace tk
