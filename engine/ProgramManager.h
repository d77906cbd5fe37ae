// ProgramManager: the Windows folders and the program groups of the Start
// menu. Windows build only. Failures follow the convention of engine/Misc.h.
#pragma once

#include <cstdint>
#include <string>

namespace ProgramManager {

// The Windows system folder, in lower case, without a trailing "\".
// "" (*err = 5) when Windows does not name it.
std::string GetSystemDir(int* err = nullptr);

// The Windows folder, in lower case, without a trailing "\".
// "" (*err = 5) when Windows does not name it.
std::string GetWindowsDir(int* err = nullptr);

// The Windows folder that all users share (GetSystemWindowsDirectory, not a
// terminal-server user's own Windows folder), the same as GetWindowsDir
// where the system lacks that call (the 9x family); lower case, without a
// trailing "\". "" (*err = 5) when Windows does not name it.
std::string GetSharedWindowsDir(int* err = nullptr);

// The name of the index-th program group (counted from 1): a sub-folder of
// the current user's Start-menu Programs folder that the folder listing
// shows (not hidden, not system) and whose name does not begin with ".", in
// the order the file system lists them. "" for index 0 or below, past the
// last group, and when the Programs folder cannot be located (*err = 0).
// A listing failure gives "" with its number in *err. The shell's owner
// window is the wizard window (WizardWindowHandle).
std::string GetProgramGroup(int16_t index, int* err = nullptr);

}  // namespace ProgramManager
