// The registry settings of the package and the values of the twelve tokens
// on this machine (Misc). Windows build only.
#pragma once
#include <string>

#include "engine/Tokens.h"

namespace Misc {

// The token values of this installation: SetupInfo's fields and the
// machine's folders, read anew at every call.
TokenValues CurrentTokenValues();

// Writes Settings.reg from Settings.lrk (both in the current folder), each
// line with its tokens replaced in registry mode, then runs the Windows
// folder's Regedit.exe, by its full path, with "/S Settings.reg" and waits
// for it to end.
void ImportSettings();

// Starts `commandLine` as a new process and returns when it has ended
// (without yielding to window events). Nothing is reported.
void RunAndWait(const std::string& commandLine);

}  // namespace Misc
