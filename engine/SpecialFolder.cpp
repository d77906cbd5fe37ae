#include "engine/SpecialFolder.h"

#include "engine/Csidl.h"
#include "toolkit/Owners.h"
#include "toolkit/Win.h"

namespace SpecialFolder {

// The portable numbers are the shell's.
static_assert(Csidl::Programs == CSIDL_PROGRAMS && Csidl::Fonts == CSIDL_FONTS &&
              Csidl::CommonPrograms == CSIDL_COMMON_PROGRAMS &&
              Csidl::CommonDesktopDirectory == CSIDL_COMMON_DESKTOPDIRECTORY && Csidl::AppData == CSIDL_APPDATA &&
              Csidl::ProgramFiles == CSIDL_PROGRAM_FILES && Csidl::ProgramFilesCommon == CSIDL_PROGRAM_FILES_COMMON,
              "the numbers of engine/Csidl.h are the shell's");

std::string ShellFolderPath(int32_t csidl, uintptr_t ownerWindow) {
  tk::ItemIdList list;
  const HWND owner = reinterpret_cast<HWND>(ownerWindow);
  if (::SHGetSpecialFolderLocation(owner, csidl, list.out()) != S_OK || !list.get()) return {};
  // The shell writes at most MAX_PATH characters with their NUL; the zeroed
  // buffer makes "wrote nothing" read as an empty path.
  char path[MAX_PATH + 1] = {};
  if (!::SHGetPathFromIDListA(list.get(), path)) return {};
  path[MAX_PATH] = '\0';
  return path;
}

std::string GetSpecialFolder(int32_t csidl) {
  // The classic owner value of this call: a number, not a live window.
  return ShellFolderPath(csidl, 100);
}

}  // namespace SpecialFolder
