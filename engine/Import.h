// The registry settings of the package and the values of the twelve tokens
// on this machine (Misc). Windows build only.
#pragma once
#include <string>

#include "engine/Tokens.h"

namespace Misc {

// The token values of this installation: SetupInfo's fields and the
// machine's folders, read anew at every call.
TokenValues CurrentTokenValues();

// The registry editor for the import, by its full path: regedit.exe in
// `systemDir` when that folder holds it, else in `windowsDir`; "" when
// neither does. Never a program found by the search for a bare name, which
// looks beside Setup.exe and in the work folder first.
std::string RegistryEditor(const std::string& systemDir, const std::string& windowsDir);

// Writes Settings.reg from Settings.lrk (both in the current folder), each
// line with its tokens replaced in registry mode, then runs the registry
// editor that RegistryEditor chooses between the system folder and the
// Windows folder all users share with "/S Settings.reg" and waits for it to
// end. (On 64-bit Windows the system folder of the 32-bit Setup.exe holds the
// 32-bit editor, which writes the registry's 32-bit view, where the
// application looks.) An editor that cannot be found or started is logged
// as a failure in Install.Log: "Impostazioni non importate: Settings.reg".
// The overload takes the two folders to choose between.
void ImportSettings();
void ImportSettings(const std::string& systemDir, const std::string& windowsDir);

// Starts `commandLine` as a new process and returns when it has ended
// (without yielding to window events): true; false when it cannot be
// started.
bool RunAndWait(const std::string& commandLine);

}  // namespace Misc
