// The shell's special folders the setup program addresses, by their CSIDL
// numbers: each name is its CSIDL_ constant's without the prefix, with the
// value shlobj.h gives it, written out here so that code that only computes
// needs no Windows header. SpecialFolder checks them against shlobj.h in the
// Windows build. Portable.
#pragma once

#include <cstdint>

namespace Csidl {

inline constexpr int32_t Programs = 2;                 // the current user's Programs menu
inline constexpr int32_t Fonts = 20;                   // the Fonts folder
inline constexpr int32_t CommonPrograms = 23;          // the Programs menu of all users
inline constexpr int32_t CommonDesktopDirectory = 25;  // the desktop of all users
inline constexpr int32_t AppData = 26;                 // the current user's application data
inline constexpr int32_t ProgramFiles = 38;            // Program Files
inline constexpr int32_t ProgramFilesCommon = 43;      // Common Files under Program Files

}  // namespace Csidl
