// The toolkit's one host interface: what a test must answer or intercept,
// and facts of the machine that Wine cannot show on demand. Its default,
// in the Windows build, is plain Win32; tests install their own with
// SetHost. Nothing else in the program is replaced for tests.
#pragma once

#include <string>

namespace tk {

// Message-box styles and answers, with the values Windows gives them.
enum : int {
  vbOKOnly = 0, vbOKCancel = 1, vbAbortRetryIgnore = 2, vbYesNoCancel = 3,
  vbYesNo = 4, vbRetryCancel = 5,
  vbCritical = 16, vbQuestion = 32, vbExclamation = 48, vbInformation = 64,
};
enum : int { vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7 };

class Host {
 public:
  virtual ~Host() = default;

  // A modal message box owned by the active window of the process.
  // Returns the answer (vbOK, vbYes, ...).
  virtual int ShowMessageBox(const std::string& text, int style, const std::string& title) = 0;

  // The system's default beep.
  virtual void Beep() = 0;

  // Ends the process with the given exit code. The default never returns;
  // a test's host may throw ProcessEnded instead.
  [[noreturn]] virtual void EndProcess(unsigned exitCode) = 0;
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
// no default: a call without a host set fails loudly (std::logic_error).
Host& DefaultHost();

// Short forms for the program's code.
inline int MsgBox(const std::string& text, int style, const std::string& title) {
  return host().ShowMessageBox(text, style, title);
}
inline void Beep() { host().Beep(); }
[[noreturn]] inline void End(unsigned exitCode = 0) { host().EndProcess(exitCode); }

}  // namespace tk
