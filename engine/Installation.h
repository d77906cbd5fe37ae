// The installation itself (Gest_File). Windows build only.
#pragma once

namespace Gest_File {

// Installs the package from the work folder (SourceDir) into
// SetupInfo.InstallDir, writes the uninstall records, makes the shortcuts,
// shows the end message and ends the process through CleanUpAndExit. Never
// returns.
[[noreturn]] void RunInstallation();

}  // namespace Gest_File
