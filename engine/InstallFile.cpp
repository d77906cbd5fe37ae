// The per-file installer (Gest_File): which files are copied, and what
// follows a copy (attributes, times, registration, fonts).
#include "engine/InstallFile.h"

#include <vector>

#include "engine/BlockCopy.h"
#include "engine/DateText.h"
#include "engine/Gest_File.h"
#include "engine/KnownNames.h"
#include "engine/Misc.h"
#include "engine/ProgramManager.h"
#include "engine/SetupState.h"
#include "engine/VersionText.h"
#include "registry/RegAccess.h"
#include "toolkit/Files.h"
#include "toolkit/Host.h"
#include "toolkit/Owners.h"
#include "toolkit/Shell.h"
#include "toolkit/SystemLibrary.h"
#include "toolkit/Win.h"

namespace Gest_File {

namespace {

constexpr const char* kFontsKey = "HKEY_LOCAL_MACHINE\\Software\\microsoft\\windows\\currentversion\\fonts";

// The classic runtime's descriptions of the failures the installer can meet.
std::string FailureDescription(int failure) {
  switch (failure) {
    case 5: return "Invalid procedure call or argument";
    case 7: return "Out of memory";
    case 52: return "Bad file name or number";
    case 53: return "File not found";
    case 54: return "Bad file mode";
    case 55: return "File already open";
    case 58: return "File already exists";
    case 61: return "Disk full";
    case 67: return "Too many files";
    case 68: return "Device unavailable";
    case 70: return "Permission denied";
    case 71: return "Disk not ready";
    case 75: return "Path/File access error";
    case 76: return "Path not found";
    default: return "Application-defined or object-defined error";
  }
}

// A beep and, unless the failure is one the user cannot act on, a message;
// then `installed`, the installer's result: a file the copy put in place
// counts as installed whatever failed after it.
bool Fail(int failure, bool installed) {
  tk::Beep();
  if (failure != tk::errFileAlreadyExists && failure != tk::errPathFileAccess)
    tk::MsgBox(FailureDescription(failure), tk::vbCritical, SetupInfo.SoftwareHouseName + " setup");
  return installed;
}

// The last-write time of a file; 0 for a file that cannot be opened or read.
uint64_t LastWriteTime(const std::string& path) {
  tk::FileHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return 0;
  FILETIME written{};
  if (!::GetFileTime(file.get(), nullptr, nullptr, &written)) return 0;
  return (static_cast<uint64_t>(written.dwHighDateTime) << 32) | written.dwLowDateTime;
}

std::string UserDateSeparator() {
  char separator[8] = {};
  if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDATE, separator, sizeof separator) < 2) return "/";
  return separator;
}

// The version functions of the system folder's version.dll, loaded at the
// first use and kept: the program does not import the library, which
// Windows would look for beside Setup.exe first. Members stay null when it
// does not load.
struct VersionFunctions {
  decltype(&::GetFileVersionInfoSizeA) infoSize = nullptr;
  decltype(&::GetFileVersionInfoA) info = nullptr;
  decltype(&::VerQueryValueA) query = nullptr;
};

const VersionFunctions& Version() {
  static const VersionFunctions functions = [] {
    VersionFunctions f;
    if (const HMODULE library = tk::LoadSystemLibrary("version.dll")) {
      f.infoSize = tk::ProcAddress<decltype(f.infoSize)>(library, "GetFileVersionInfoSizeA");
      f.info = tk::ProcAddress<decltype(f.info)>(library, "GetFileVersionInfoA");
      f.query = tk::ProcAddress<decltype(f.query)>(library, "VerQueryValueA");
    }
    return f;
  }();
  return functions;
}

// The installed file is newer and stays: its version or, for a database,
// its last write (to the second) is later than the package's.
bool InstalledIsNewer(const std::string& extension, const std::string& source, const std::string& target) {
  if (extension == "OCX" || extension == "DLL" || extension == "EXE") {
    const double installed = GetFileVersion(target);
    return GetFileVersion(source) < installed;
  }
  if (extension == "MDB") {
    constexpr uint64_t kPerSecond = 10000000;
    return LastWriteTime(source) / kPerSecond < LastWriteTime(target) / kPerSecond;
  }
  return false;
}

}  // namespace

bool InstallFile(const std::string& source, const std::string& target, bool replace, bool& existed,
                 KnownNames* known, bool* keptNewer) {
  existed = false;
  if (keptNewer) *keptNewer = false;
  const std::string extension = DateText::InstallExtension(source);
  // Most targets are new: a name its folder does not hold (or a folder yet
  // to be made) is no file, and the copy need not look for it again.
  CopyRequest request;
  DWORD attributes = INVALID_FILE_ATTRIBUTES;
  request.targetUnseen = known && known->Absent(target);
  request.targetAbsent = request.targetUnseen || NothingNamed(target, attributes);
  // A folder under the target's name is never replaced: nothing is copied,
  // deferred or registered.
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
  // A hidden or system file is the user's file all the same: the listing
  // would pass over it, its attributes do not.
  const bool isFile = attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
  if (isFile) {
    existed = true;
    if (!replace) return true;
    if (InstalledIsNewer(extension, source, target)) {
      if (keptNewer) *keptNewer = true;
      return false;
    }
  }

  PathExists(Misc::GetFolderPart(target), true, false);
  int failure = 0;
  // The plain attributes and the setup's times go to the copy while it still
  // holds the target open.
  uint64_t times[3];
  if (ReadSetupFileTimes(times)) request.times = times;
  request.plainAttributes = true;
  const bool copied = CopyFileWithProgress(source, target, failure, request);
  // Something was put under the name since its folder was listed: decided
  // on again, by looking.
  if (request.targetAppeared) return InstallFile(source, target, replace, existed, nullptr, keptNewer);
  if (known && copied) known->Add(target);
  if (failure) return Fail(failure, copied);
  // A target that the copy did not leave (a missing source) has no
  // attributes to set; that is no failure of its own. One that the copy did
  // not write (its replacement deferred) is the user's file as it was.
  if (copied && !request.attributesGiven) ::SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (!request.timesGiven) {
    SetFileTimesFromSetup(target, &failure);
    if (failure) return Fail(failure, copied);
  }

  // Whatever the copy gave: after a deferred replacement these act on the
  // file still in place under the target's name.
  if (extension == "OCX" || extension == "DLL") {
    // The system folder's regsvr32 by its full path, never one beside Setup.exe.
    tk::Shell('"' + ProgramManager::GetSystemDir() + "\\regsvr32.exe\" \"" + target + "\" /S", tk::vbMinimizedFocus,
              &failure);
    if (failure) return Fail(failure, copied);
  } else if (extension == "TTF") {
    if (!Misc::IsWinNT(&failure) && !failure) {
      const std::string name = Misc::GetFileName(target);
      RegAccess().WriteString(kFontsKey, name + " (TrueType)", name);
      if (!::PostMessageA(HWND_BROADCAST, WM_FONTCHANGE, 0, 0)) return Fail(5, copied);
    }
    if (failure) return Fail(failure, copied);
  }
  return copied;
}

double GetFileVersion(const std::string& path) {
  const VersionFunctions& version = Version();
  if (!version.infoSize || !version.info || !version.query) return 0;
  DWORD ignored = 0;
  const DWORD size = version.infoSize(path.c_str(), &ignored);
  if (size < 1) return 0;
  std::vector<char> info(size);
  if (!version.info(path.c_str(), 0, size, info.data())) return 0;

  void* table = nullptr;
  UINT tableLength = 0;
  if (!version.query(info.data(), "\\VarFileInfo\\Translation", &table, &tableLength) || !table ||
      tableLength < 4)
    return 0;
  const auto* words = static_cast<const unsigned char*>(table);
  const uint16_t language = static_cast<uint16_t>(words[0] | (words[1] << 8));
  const uint16_t codePage = static_cast<uint16_t>(words[2] | (words[3] << 8));
  const std::string key = "\\StringFileInfo\\" + VersionText::TranslationKey(language, codePage) + "\\";

  static const char* const kNames[] = {"CompanyName",      "FileDescription", "FileVersion", "InternalName",
                                       "LegalCopyright",   "OriginalFileName", "ProductName", "ProductVersion"};
  std::string fileVersion;
  for (const char* name : kNames) {
    void* value = nullptr;
    UINT valueLength = 0;
    if (!version.query(info.data(), (key + name).c_str(), &value, &valueLength) || !value) return 0;
    const char* text = static_cast<const char*>(value);
    // The text before its first NUL, never past what the resource holds.
    const char* end = static_cast<const char*>(info.data()) + info.size();
    size_t length = 0;
    while (text + length < end && text[length] != '\0') ++length;
    if (std::string(name) == "FileVersion") fileVersion.assign(text, length);
  }
  return VersionText::ReadFileVersion(fileVersion);
}

std::string GetFileDateString(const std::string& path) { return FileTimeToDateString(LastWriteTime(path)); }

std::string FileTimeToDateString(uint64_t fileTime) {
  FILETIME time;
  time.dwLowDateTime = static_cast<DWORD>(fileTime & 0xFFFFFFFFu);
  time.dwHighDateTime = static_cast<DWORD>(fileTime >> 32);
  SYSTEMTIME system{};
  if (!::FileTimeToSystemTime(&time, &system)) return {};
  DateText::TimeFields fields;
  fields.Year = system.wYear;
  fields.Month = system.wMonth;
  fields.DayOfWeek = system.wDayOfWeek;
  fields.Day = system.wDay;
  fields.Hour = system.wHour;
  fields.Minute = system.wMinute;
  fields.Second = system.wSecond;
  fields.Milliseconds = system.wMilliseconds;
  return DateText::FormatDateText(fields, UserDateSeparator());
}

}  // namespace Gest_File
