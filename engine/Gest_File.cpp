#include "engine/Gest_File.h"

#include <utility>
#include <vector>

#include "engine/Misc.h"
#include "engine/SetupState.h"
#include "toolkit/DirList.h"
#include "toolkit/Host.h"
#include "toolkit/Owners.h"
#include "toolkit/Win.h"

namespace Gest_File {
namespace {

void SetErr(int* err, int value) {
  if (err) *err = value;
}

// Opens an existing file the way the classic OpenFile did in read (0) or
// read-write (2) mode: a read-only file or one another program holds
// without sharing cannot be opened for writing.
HANDLE OpenExisting(const std::string& path, bool forWriting) {
  const DWORD access = forWriting ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ;
  return ::CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// The first name a listing gives, with the listing closed again.
int FirstMatch(const std::string& pattern, int mask, std::string& name) {
  const int status = tk::Dir(pattern, mask, name);
  tk::DirEnd();
  return status;
}

// The times of the setup program's file. The program's file cannot change
// while it runs, so the first reading serves every later file.
struct SetupTimes {
  bool read = false;
  FILETIME created{}, accessed{}, written{};
};

// Every folder CreatePath made in this run, in the order it made them.
std::vector<std::string>& FoldersMade() {
  static std::vector<std::string> folders;
  return folders;
}

// Removes the folders, latest first; one that is not empty stays.
void RemoveLatestFirst(const std::vector<std::string>& folders) {
  for (auto folder = folders.rbegin(); folder != folders.rend(); ++folder) RemoveFolder(*folder);
}

SetupTimes& TheSetupTimes() {
  static SetupTimes times;
  return times;
}

// The setup program's times, read on first use; null (with *err set as
// SetFileTimesFromSetup sets it) when they cannot be read.
const SetupTimes* ReadTimes(int* err) {
  SetupTimes& times = TheSetupTimes();
  if (!times.read) {
    int status = 0;
    const std::string program = Misc::ProgramFile(&status);
    if (status != 0) {
      SetErr(err, status);
      return nullptr;
    }
    SetErr(err, 0);
    tk::FileHandle source(OpenExisting(Misc::SetupProgramPath(program), false));
    if (!source.valid()) return nullptr;
    if (!::GetFileTime(source.get(), &times.created, &times.accessed, &times.written)) {
      SetErr(err, 5);
      return nullptr;
    }
    times.read = true;
  }
  SetErr(err, 0);
  return &times;
}

}  // namespace

bool ReadSetupFileTimes(uint64_t (&out)[3], int* err) {
  const SetupTimes* times = ReadTimes(err);
  if (!times) return false;
  auto ticks = [](FILETIME t) { return (static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
  out[0] = ticks(times->created);
  out[1] = ticks(times->accessed);
  out[2] = ticks(times->written);
  return true;
}

void SetFileTimesFromSetup(const std::string& path, int* err) {
  const SetupTimes* times = ReadTimes(err);
  if (!times) return;
  // Windows refuses to open a read-only file for writing; the test keeps
  // that rule where the system would not (a privileged user under Wine).
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY)) return;
  tk::FileHandle target(OpenExisting(path, true));
  if (!target.valid()) return;
  if (!::SetFileTime(target.get(), &times->created, &times->accessed, &times->written)) SetErr(err, 5);
}

void RemoveFolder(const std::string& path) { ::RemoveDirectoryA(path.c_str()); }

void RemoveFoldersMade() { RemoveLatestFirst(std::exchange(FoldersMade(), {})); }

bool CreatePath(const std::string& path, bool showMessage) {
  std::string full = path;
  if (full.empty() || full.back() != '\\') full += '\\';
  // Each prefix up to a "\" in turn; the drive root and folders that exist
  // already simply fail.
  std::vector<std::string> made;
  for (std::size_t at = full.find('\\'); at != std::string::npos; at = full.find('\\', at + 1)) {
    if (::CreateDirectoryA(full.substr(0, at + 1).c_str(), nullptr)) made.push_back(full.substr(0, at));
  }
  // A path that could not be made whole keeps none of the folders made on
  // the way to it.
  const DWORD attributes = ::GetFileAttributesA(full.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    RemoveLatestFirst(made);
  } else {
    FoldersMade().insert(FoldersMade().end(), made.begin(), made.end());
  }

  if (showMessage && !PathExists(full, false, false)) {
    tk::Beep();
    tk::MsgBox("Impossibile creare il percorso.", tk::vbCritical | tk::vbOKOnly,
               SetupInfo.SoftwareHouseName + " setup");
    return false;
  }
  return true;
}

bool FolderExists(const std::string& path, int* err) {
  std::string name;
  const int status = FirstMatch(path, tk::DirFolders, name);
  SetErr(err, status);
  return status == 0 && !name.empty();
}

bool PathExists(const std::string& path, bool create, bool showMessage) {
  std::string full = path;
  if (full.empty() || full.back() != '\\') full += '\\';
  // Making sure of a folder without messages gives true whatever happens, so
  // a folder the system knows needs neither the listing nor the making. (The
  // listing misses a hidden folder, and the making of it then fails
  // harmlessly; here it is simply left alone.)
  if (create && !showMessage) {
    const DWORD attributes = ::GetFileAttributesA(full.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return true;
  }
  const bool exists = FolderExists(full);  // a failing test counts as missing
  if (!exists && create) return CreatePath(full, showMessage);
  return exists;
}

bool FileExists(const std::string& path, int* err) {
  SetErr(err, 0);
  // A folder is never a file, whatever its other attributes; with a final
  // "\" the listing below would otherwise look inside it.
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
    return false;
  // A plain name its folder does not hold: the listing would find nothing
  // either.
  if (attributes == INVALID_FILE_ATTRIBUTES && ::GetLastError() == ERROR_FILE_NOT_FOUND &&
      path.find_first_of("*?") == std::string::npos)
    return false;
  std::string name;
  const int status = FirstMatch(path, tk::DirNormal, name);
  SetErr(err, status);
  return status == 0 && !name.empty();
}

bool DeleteWithAttributesCleared(const std::string& path, unsigned long attributes) {
  ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (::DeleteFileA(path.c_str())) return true;
  // A file that stays (in use) keeps what the user had given it.
  if (attributes != INVALID_FILE_ATTRIBUTES) ::SetFileAttributesA(path.c_str(), attributes);
  return false;
}

bool KillFile(const std::string& path) {
  if (!FileExists(path)) return false;
  DeleteWithAttributesCleared(path, ::GetFileAttributesA(path.c_str()));
  return true;
}

void CopyFileOver(const std::string& source, const std::string& target) {
  KillFile(target);
  ::CopyFileA(source.c_str(), target.c_str(), FALSE);
}

}  // namespace Gest_File
