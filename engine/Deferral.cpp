#include "engine/Deferral.h"

#include "engine/Gest_File.h"
#include "engine/Misc.h"
#include "engine/PendingRenames.h"
#include "engine/ProgramManager.h"
#include "engine/SetupState.h"
#include "toolkit/Files.h"
#include "toolkit/Owners.h"
#include "toolkit/Win.h"

namespace Gest_File {
namespace {

constexpr const char* kHeader = "[rename]";
constexpr const wchar_t* kSessionManager = L"SYSTEM\\CurrentControlSet\\Control\\Session Manager";
constexpr const wchar_t* kPendingRenames = L"PendingFileRenameOperations";

// The whole text of a file; false when it cannot be read.
bool ReadText(const std::string& path, std::string& text) {
  const int n = tk::FreeFile();
  if (n == 0 || tk::Open(path, tk::OpenMode::Input, n)) return false;
  tk::FileNumberGuard guard(n);
  return tk::ReadAll(n, text) == tk::errNone;
}

bool WriteText(const std::string& path, const std::string& text) {
  const int n = tk::FreeFile();
  if (n == 0 || tk::Open(path, tk::OpenMode::Output, n)) return false;
  tk::FileNumberGuard guard(n);
  return tk::PrintText(n, text) == tk::errNone && tk::Close(n) == tk::errNone;
}

// A path as the system's list of pending renames names it: "\??\" and its
// full path ("\??\UNC\" and the rest for a share).
std::wstring ListedName(const std::string& path) {
  const int chars = ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
  if (chars <= 1) return {};
  std::wstring wide(static_cast<size_t>(chars), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), chars);
  const DWORD size = ::GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (size == 0) return {};
  std::wstring full(size, L'\0');
  full.resize(::GetFullPathNameW(wide.c_str(), size, full.data(), nullptr));
  if (full.compare(0, 2, L"\\\\") == 0) return L"\\??\\UNC\\" + full.substr(2);
  return L"\\??\\" + full;
}

// Takes the rename of temp over target out of the system's list.
void WithdrawRename(const std::string& target, const std::string& temp) {
  tk::RegKey key;
  if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kSessionManager, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, key.out()) !=
      ERROR_SUCCESS)
    return;
  DWORD type = 0, size = 0;
  if (::RegQueryValueExW(key.get(), kPendingRenames, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      type != REG_MULTI_SZ)
    return;
  std::wstring data(size / sizeof(wchar_t) + 1, L'\0');
  size = static_cast<DWORD>(data.size() * sizeof(wchar_t));
  if (::RegQueryValueExW(key.get(), kPendingRenames, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
      ERROR_SUCCESS)
    return;
  data.resize(size / sizeof(wchar_t));
  if (!PendingRenames::RemoveRename(data, ListedName(temp), ListedName(target))) return;
  if (data.empty()) {
    ::RegDeleteValueW(key.get(), kPendingRenames);
    return;
  }
  ::RegSetValueExW(key.get(), kPendingRenames, 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(data.data()),
                   static_cast<DWORD>(data.size() * sizeof(wchar_t)));
}

void RemoveWininitLine(const std::string& wininit, const DeferredReplacement& replacement) {
  std::string text;
  if (!ReadText(wininit, text) || !PendingRenames::RemoveLastLine(text, replacement.WininitLine)) return;
  if (replacement.WininitCreated && text == std::string(kHeader) + "\r\n")
    KillFile(wininit);
  else
    WriteText(wininit, text);
}

}  // namespace

int ScheduleReplacement(const std::string& target, const std::string& temp) {
  int error = 0;
  const std::string windows = ProgramManager::GetWindowsDir(&error);
  if (error) return error;
  const std::string path = windows + "\\wininit.ini";
  const bool exists = FileExists(path);
  // Glued onto a last line without its line end, the line would spoil both.
  std::string text;
  const bool lineEndFirst =
      exists && ReadText(path, text) && !text.empty() && text.back() != '\n' && text.back() != '\r';

  DeferredReplacement replacement{target, temp, target + "=" + temp, !exists, false};
  const int n = tk::FreeFile();
  if (n == 0) return tk::errTooManyFiles;
  if ((error = tk::Open(path, exists ? tk::OpenMode::Append : tk::OpenMode::Output, n))) return error;
  tk::FileNumberGuard guard(n);
  if (!exists && (error = tk::PrintLine(n, kHeader))) return error;
  if (lineEndFirst && (error = tk::PrintLine(n, ""))) return error;
  if ((error = tk::PrintLine(n, replacement.WininitLine))) return error;
  if ((error = tk::Close(n))) return error;

  // The NT family does not read wininit.ini; its own list of pending
  // renames does the same. Without the right to write that list (a user who
  // is not an administrator) wininit.ini is all there is.
  if (Misc::IsWinNT())
    replacement.RenameScheduled = ::MoveFileExA(temp.c_str(), target.c_str(),
                                                MOVEFILE_DELAY_UNTIL_REBOOT | MOVEFILE_REPLACE_EXISTING) != 0;
  DeferredReplacements.push_back(replacement);
  return 0;
}

void CancelDeferredReplacements() {
  const std::string wininit = ProgramManager::GetWindowsDir() + "\\wininit.ini";
  for (auto it = DeferredReplacements.rbegin(); it != DeferredReplacements.rend(); ++it) {
    if (it->RenameScheduled) WithdrawRename(it->Target, it->TempCopy);
    RemoveWininitLine(wininit, *it);
    KillFile(it->TempCopy);
  }
  DeferredReplacements.clear();
  RestartNeeded = false;
}

}  // namespace Gest_File
