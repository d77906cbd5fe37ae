// The parts of Misc that ask Windows.
#include "engine/Misc.h"

#include <vector>

#include "engine/SetupState.h"
#include "toolkit/Win.h"

namespace Misc {
namespace {

void SetErr(int* err, int value) {
  if (err) *err = value;
}

}  // namespace

std::string ProgramFile(int* err) {
  std::vector<char> buffer(MAX_PATH + 1);
  for (;;) {
    const DWORD size = static_cast<DWORD>(buffer.size());
    const DWORD n = ::GetModuleFileNameA(nullptr, buffer.data(), size);
    if (n != 0 && n < size) {
      SetErr(err, 0);
      return std::string(buffer.data(), n);
    }
    if (n == 0 || buffer.size() >= 32768) {
      SetErr(err, 5);
      return {};
    }
    buffer.resize(buffer.size() * 2);
  }
}

std::string GetAppPath(int* err) {
  return AppPathOf(ProgramFile(err));
}

bool IsWinNT(int* err) {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = 148;  // the ANSI record, as every Windows knows it
  static_assert(sizeof(OSVERSIONINFOA) == 148);
  if (!::GetVersionExA(&info)) {
    WinMajor = 0;
    SetErr(err, 5);
    return false;
  }
  WinMajor = static_cast<int16_t>(info.dwMajorVersion);
  SetErr(err, 0);
  return info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

}  // namespace Misc
