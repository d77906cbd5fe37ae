#include "engine/ProgramManager.h"

#include <vector>

#include "engine/Csidl.h"
#include "engine/SetupState.h"
#include "engine/SpecialFolder.h"
#include "toolkit/DirList.h"
#include "toolkit/SystemLibrary.h"
#include "toolkit/Win.h"

namespace ProgramManager {
namespace {

void SetErr(int* err, int value) {
  if (err) *err = value;
}

// Asks `query` (GetSystemDirectoryA or GetWindowsDirectoryA) for its folder,
// with a larger buffer when the first one is too short, and lowers it.
std::string LowerFolder(UINT (WINAPI* query)(LPSTR, UINT), int* err) {
  std::vector<char> buffer(MAX_PATH + 1);
  UINT n = query(buffer.data(), static_cast<UINT>(buffer.size()));
  if (n >= buffer.size()) {
    buffer.resize(n + 1);
    n = query(buffer.data(), static_cast<UINT>(buffer.size()));
  }
  if (n == 0 || n >= buffer.size()) {
    SetErr(err, 5);
    return {};
  }
  ::CharLowerBuffA(buffer.data(), n);
  SetErr(err, 0);
  return std::string(buffer.data(), n);
}

bool IsFolder(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

std::string GetSystemDir(int* err) { return LowerFolder(::GetSystemDirectoryA, err); }

std::string GetWindowsDir(int* err) { return LowerFolder(::GetWindowsDirectoryA, err); }

std::string GetSharedWindowsDir(int* err) {
  // Looked up, not imported: the 9x family does not have it.
  using Query = UINT(WINAPI*)(LPSTR, UINT);
  const Query shared = tk::ProcAddress<Query>(::GetModuleHandleA("kernel32.dll"), "GetSystemWindowsDirectoryA");
  return LowerFolder(shared ? shared : ::GetWindowsDirectoryA, err);
}

std::string GetProgramGroup(int16_t index, int* err) {
  SetErr(err, 0);
  if (index < 1) return {};
  std::string programs = SpecialFolder::ShellFolderPath(Csidl::Programs, WizardWindowHandle);
  if (programs.empty()) return {};
  programs += '\\';

  std::string name;
  int status = tk::Dir(programs, tk::DirFolders, name);
  int count = 0;
  std::string found;
  while (status == 0 && !name.empty()) {
    if (name[0] != '.' && IsFolder(programs + name) && ++count == index) {
      found = name;
      break;
    }
    status = tk::DirNext(name);
  }
  tk::DirEnd();
  SetErr(err, status);
  return status == 0 ? found : std::string();
}

}  // namespace ProgramManager
