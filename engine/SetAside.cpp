#include "engine/SetAside.h"

#include <algorithm>

#include "engine/BlockCopy.h"
#include "engine/Gest_File.h"
#include "engine/SetupState.h"
#include "toolkit/Files.h"
#include "toolkit/Owners.h"
#include "toolkit/Win.h"

namespace Gest_File {
namespace {

void Delete(const SetAsideFile& file) {
  DeleteWithAttributesCleared(file.Aside, ::GetFileAttributesA(file.Aside.c_str()));
}

void Restore(const SetAsideFile& file) {
  ::MoveFileExA(file.Aside.c_str(), file.Original.c_str(), MOVEFILE_REPLACE_EXISTING);
}

// Ends the record of `path`, after `settle` has acted on its file.
void Settle(const std::string& path, void (*settle)(const SetAsideFile&)) {
  const auto found = std::find_if(SetAsideFiles.begin(), SetAsideFiles.end(),
                                  [&](const SetAsideFile& file) { return file.Original == path; });
  if (found == SetAsideFiles.end()) return;
  settle(*found);
  SetAsideFiles.erase(found);
}

// A file that a program has loaded or holds open without letting others
// write it. Windows lets such a file be renamed but not written or deleted:
// moved aside, it could never be dropped. A read-only file (access denied)
// is not in use.
bool InUse(const std::string& path) {
  const tk::FileHandle probe(::CreateFileA(path.c_str(), FILE_WRITE_DATA,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (probe) return false;
  const DWORD error = ::GetLastError();
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

}  // namespace

bool SetAside(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) || InUse(path)) return false;
  const std::string aside = MakeTempName(path);
  if (aside.empty() || !::MoveFileA(path.c_str(), aside.c_str())) return false;
  SetAsideFiles.push_back({path, aside});
  return true;
}

void DropSetAside(const std::string& path) { Settle(path, Delete); }

void PutBack(const std::string& path) { Settle(path, Restore); }

void PutBackAll() {
  tk::Reset();
  for (auto file = SetAsideFiles.rbegin(); file != SetAsideFiles.rend(); ++file) Restore(*file);
  SetAsideFiles.clear();
}

void DropAllSetAside() {
  for (const SetAsideFile& file : SetAsideFiles) Delete(file);
  SetAsideFiles.clear();
}

}  // namespace Gest_File
