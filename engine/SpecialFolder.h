// SpecialFolder: where the shell keeps its special folders. Windows build
// only.
#pragma once

#include <cstdint>
#include <string>

namespace SpecialFolder {

// The path of the shell folder with this CSIDL number (engine/Csidl.h names
// the ones the setup program uses: Programs, Fonts, ProgramFiles, ...), as
// the shell writes it (no trailing "\" except for a drive root). "" when the
// shell cannot locate the folder or has no file-system path for it.
std::string GetSpecialFolder(int32_t csidl);

// The same, with `ownerWindow` (a window handle as a number) as the owner of
// any window the shell shows while it locates the folder.
std::string ShellFolderPath(int32_t csidl, uintptr_t ownerWindow);

}  // namespace SpecialFolder
