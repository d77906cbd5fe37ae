#include "toolkit/Shell.h"

#include <vector>

#include "toolkit/Files.h"
#include "toolkit/Owners.h"
#include "toolkit/Win.h"

namespace tk {
namespace {

bool ShowCommandFor(int windowStyle, WORD& show) {
  switch (windowStyle) {
    case vbHide: show = SW_HIDE; return true;
    case vbNormalFocus: show = SW_SHOWNORMAL; return true;
    case vbMinimizedFocus: show = SW_SHOWMINIMIZED; return true;
    case vbMaximizedFocus: show = SW_SHOWMAXIMIZED; return true;
    case vbNormalNoFocus: show = SW_SHOWNOACTIVATE; return true;
    case vbMinimizedNoFocus: show = SW_SHOWMINNOACTIVE; return true;
    default: return false;
  }
}

uint32_t Fail(int* status, int error) {
  if (status) *status = error;
  return 0;
}

}  // namespace

uint32_t Shell(const std::string& commandLine, int windowStyle, int* status) {
  WORD show = SW_SHOWNORMAL;
  if (commandLine.empty() || !ShowCommandFor(windowStyle, show)) return Fail(status, errInvalidCall);

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = show;
  PROCESS_INFORMATION started{};
  // CreateProcessA may write into the command line it is given.
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
    const DWORD code = ::GetLastError();
    if (code == ERROR_FILE_NOT_FOUND) return Fail(status, errFileNotFound);
    if (code == ERROR_PATH_NOT_FOUND) return Fail(status, errPathNotFound);
    return Fail(status, errPathFileAccess);
  }
  const ProcessHandles handles(started);  // nothing here waits for it
  if (status) *status = 0;
  return started.dwProcessId;
}

}  // namespace tk
