// The parts of Misc that ask Windows.
#include "engine/Misc.h"

#include "toolkit/Host.h"

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
  // GetVersionExA with the ANSI record (148 bytes), through the host so that
  // a test can stand on any Windows version.
  static_assert(sizeof(OSVERSIONINFOA) == 148);
  const tk::VersionFacts version = tk::host().Version();
  if (!version.ok) {
    WinMajor = 0;
    SetErr(err, 5);
    return false;
  }
  WinMajor = static_cast<int16_t>(version.major);
  SetErr(err, 0);
  return version.platformId == VER_PLATFORM_WIN32_NT;
}

}  // namespace Misc
