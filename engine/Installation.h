// The installation itself (Gest_File). Windows build only.
#pragma once

class SetupView;

namespace Gest_File {

// Installs the package from the work folder (SourceDir) into
// SetupInfo.InstallDir, writes the uninstall records, makes the shortcuts,
// shows the end message and ends the process through CleanUpAndExit. Never
// returns. It shows its progress and reads the user's choices through
// `view`, which it keeps as the process's setup view (SetSetupView) for the
// rest of the process: the copy, the shortcuts and the end of the program
// use it too.
[[noreturn]] void RunInstallation(SetupView& view);

}  // namespace Gest_File
