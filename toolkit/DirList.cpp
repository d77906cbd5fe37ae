#include "toolkit/DirList.h"

#include <cctype>
#include <cstring>

#include "toolkit/Files.h"
#include "toolkit/Owners.h"
#include "toolkit/Win.h"

namespace tk {
namespace {

// The one listing of the process; its handle is closed at the process end
// if a listing is still in progress then.
struct Listing {
  FindHandle handle;
  int mask = 0;
};

Listing& TheListing() {
  static Listing listing;
  return listing;
}

bool Matches(DWORD attributes, int mask) {
  if (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | 8 /* volume label */))
    return false;
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return (mask & DirFolders) != 0;
  return true;
}

bool HasDriveLetter(const std::string& s) {
  return s.size() >= 2 && s[1] == ':' && std::isalpha(static_cast<unsigned char>(s[0]));
}

// Rejects what no file name may hold before the system sees it, so that the
// answer does not depend on how a given Windows version words its refusal.
bool IsWellFormed(const std::string& pattern) {
  const std::size_t lastSep = pattern.find_last_of("\\/");
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(pattern[i]);
    if (c < 32 || c == '"' || c == '<' || c == '>' || c == '|') return false;
    if (c == ':' && !(i == 1 && HasDriveLetter(pattern))) return false;
    if ((c == '*' || c == '?') && lastSep != std::string::npos && i < lastSep) return false;
  }
  return true;
}

// The result of a FindFirstFileA that found nothing: 0 for "no such file or
// folder", else the classic error number of the refusal.
int FailureStatus(const std::string& pattern, DWORD error) {
  // A name missing from a folder that was read means the drive is there;
  // only other refusals may stand for a drive that is not.
  const bool folderRead = error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES;
  if (!folderRead && HasDriveLetter(pattern)) {
    const char root[4] = {pattern[0], ':', '\\', '\0'};
    if (::GetDriveTypeA(root) == DRIVE_NO_ROOT_DIR) return errDeviceUnavailable;
  }
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_NO_MORE_FILES:
      return 0;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_DIRECTORY:
      return errBadFileNameOrNumber;
    case ERROR_NOT_READY:
      return errDiskNotReady;
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_UNIT:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_DEV_NOT_EXIST:
      return errDeviceUnavailable;
    default:
      return errPathFileAccess;
  }
}

std::string NameOf(const WIN32_FIND_DATAA& data) {
  return std::string(data.cFileName, strnlen(data.cFileName, sizeof data.cFileName));
}

// Walks the listing from the entry in `data` to the first match.
int NextMatch(Listing& listing, WIN32_FIND_DATAA& data, std::string& name) {
  for (;;) {
    if (Matches(data.dwFileAttributes, listing.mask)) {
      name = NameOf(data);
      return 0;
    }
    if (!::FindNextFileA(listing.handle.get(), &data)) {
      const DWORD error = ::GetLastError();
      listing.handle.reset();
      return error == ERROR_NO_MORE_FILES ? 0 : errPathFileAccess;
    }
  }
}

}  // namespace

int Dir(const std::string& pattern, int mask, std::string& name) {
  Listing& listing = TheListing();
  listing.handle.reset();
  listing.mask = mask;
  name.clear();

  if (!IsWellFormed(pattern)) return errBadFileNameOrNumber;
  std::string full = pattern;
  if (full.empty() || full.back() == '\\' || full.back() == '/' ||
      (full.size() == 2 && HasDriveLetter(full)))
    full += "*.*";

  WIN32_FIND_DATAA data{};
  const HANDLE h = ::FindFirstFileA(full.c_str(), &data);
  if (h == INVALID_HANDLE_VALUE) return FailureStatus(full, ::GetLastError());
  listing.handle.reset(h);
  return NextMatch(listing, data, name);
}

int DirNext(std::string& name) {
  name.clear();
  Listing& listing = TheListing();
  if (!listing.handle.valid()) return errInvalidCall;
  WIN32_FIND_DATAA data{};
  if (!::FindNextFileA(listing.handle.get(), &data)) {
    const DWORD error = ::GetLastError();
    listing.handle.reset();
    return error == ERROR_NO_MORE_FILES ? 0 : errPathFileAccess;
  }
  return NextMatch(listing, data, name);
}

void DirEnd() { TheListing().handle.reset(); }

}  // namespace tk
