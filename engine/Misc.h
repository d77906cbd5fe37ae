// Misc: small helpers about paths, the running program and the Windows
// family. GetFileName, GetFolderPart, TrimAtNull and the two program-path
// helpers only compute (MiscText.cpp, both builds); GetAppPath and IsWinNT
// ask Windows (Misc.cpp, Windows build only).
//
// Failure convention of the engine's helpers: a procedure that can fail in a
// way its caller must handle takes a last parameter `int* err = nullptr`.
// When given, *err is set to 0 when the procedure worked, otherwise to a
// classic runtime error number (the folder listing's numbers of
// toolkit/DirList.h, or 5 when Windows refused a call), and the result is the
// empty text, False or 0. Procedures without that parameter cannot fail on
// ordinary input or handle every failure themselves, as their comment says.
#pragma once

#include <string>

namespace Misc {

// The folder the program was started from, without a trailing "\": a
// program in the root of drive C gives "C:". "" when Windows cannot name
// the program's file (*err = 5).
std::string GetAppPath(int* err = nullptr);

// The text after the last "\" of `path` ("/" and ":" do not separate), or
// the whole text when it holds none.
std::string GetFileName(const std::string& path);

// The text up to and including the last "\" or ":" of `path`; "" when it
// holds neither or when it begins with ":".
std::string GetFolderPart(const std::string& path);

// True on the NT family of Windows. Stores the major version in WinMajor
// (engine/SetupState.h) on every call; when Windows cannot report its
// version, WinMajor becomes 0, the result is False and *err = 5.
bool IsWinNT(int* err = nullptr);

// The text before its first NUL character, or the whole text without one.
std::string TrimAtNull(const std::string& text);

// The full path of the running program's file; "" (*err = 5) when Windows
// cannot give it whole.
std::string ProgramFile(int* err = nullptr);

// The folder of a program file's full path, without a trailing "\" (what
// GetAppPath gives for that program): the text before the last "\", "" when
// it holds none.
std::string AppPathOf(const std::string& modulePath);

// The setup program's own file as the file-time stamping reads it: the
// program's folder, "\", its file name without extension, ".Exe".
std::string SetupProgramPath(const std::string& modulePath);

}  // namespace Misc
