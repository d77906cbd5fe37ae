#include "engine/InstallLog.h"

#include "engine/SetupState.h"
#include "toolkit/Files.h"

namespace Gest_File {
namespace {

struct LogState {
  int failures = 0;
  bool written = false;
};

LogState& State() {
  static LogState state;
  return state;
}

std::string LogPath() { return SetupInfo.InstallDir + "\\Install.Log"; }

// Opens the log under a free number, writes `line` (nothing for null) and
// closes it again: true when all of that worked.
bool WriteLog(tk::OpenMode mode, const std::string* line) {
  const int n = tk::FreeFile();
  if (n == 0 || tk::Open(LogPath(), mode, n) != tk::errNone) return false;
  tk::FileNumberGuard guard(n);
  if (line && tk::PrintLine(n, *line) != tk::errNone) return false;
  return tk::Close(n) == tk::errNone;
}

}  // namespace

void CreateInstallLog() { State() = LogState{0, WriteLog(tk::OpenMode::Output, nullptr)}; }

void LogInstallLine(const std::string& line, bool failure) {
  LogState& state = State();
  if (failure) ++state.failures;
  if (state.written) state.written = WriteLog(tk::OpenMode::Append, &line);
}

int InstallFailures() { return State().failures; }

bool InstallLogWritten() { return State().written; }

}  // namespace Gest_File
