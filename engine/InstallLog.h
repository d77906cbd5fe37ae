// Install.Log in the installation folder: one line for each thing the
// installation could not do (Gest_File), and the count of those that are
// failures, which the end message tells of. Windows build only.
#pragma once

#include <string>

namespace Gest_File {

// Creates InstallDir\Install.Log anew, empty, and starts a new count.
void CreateInstallLog();

// Appends `line` to the log made by CreateInstallLog (a log that could not
// be made is not made by a later line). With `failure` the line counts as a
// failure; a file kept on purpose or whose replacement waits for the next
// start of Windows is logged without.
void LogInstallLine(const std::string& line, bool failure = true);

// The failures logged since CreateInstallLog.
int InstallFailures();

// Whether the log was made and holds every line logged since.
bool InstallLogWritten();

}  // namespace Gest_File
