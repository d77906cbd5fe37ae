#include "launcher/MiscUtils.h"

#include "toolkit/Win.h"

namespace {

// The wide text in the ANSI code page, when every character of it has its
// own character there (no substitute, no look-alike); false otherwise.
bool ToAnsiExactly(const wchar_t* wide, std::string& ansi) {
  BOOL substituted = FALSE;
  const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, -1, nullptr, 0, nullptr, &substituted);
  if (n <= 0 || substituted) return false;
  ansi.assign(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, -1, ansi.data(), n, nullptr, nullptr);
  ansi.resize(static_cast<size_t>(n - 1));
  return true;
}

}  // namespace

std::string GetTempFolder() {
  // The program's paths are ANSI text: a temporary folder whose name the code
  // page cannot spell (a user name in another script) is taken in its short
  // form, which is plain ASCII.
  wchar_t wide[MAX_PATH + 1] = {}, shortForm[MAX_PATH + 1] = {};
  const DWORD w = GetTempPathW(MAX_PATH + 1, wide);
  std::string ansi;
  if (w > 0 && w <= MAX_PATH) {
    if (ToAnsiExactly(wide, ansi)) return ansi;
    const DWORD s = GetShortPathNameW(wide, shortForm, MAX_PATH + 1);
    if (s > 0 && s <= MAX_PATH && ToAnsiExactly(shortForm, ansi)) return ansi;
  }
  char buffer[MAX_PATH + 1] = {};
  const DWORD n = GetTempPathA(sizeof buffer, buffer);
  if (n == 0 || n > sizeof buffer) return GetSystemDrive();
  return std::string(buffer, n);
}

std::string GetSystemDrive() {
  char buffer[MAX_PATH + 1] = {};
  const UINT n = GetSystemDirectoryA(buffer, sizeof buffer);
  if (n < 3 || n > sizeof buffer) return "C:\\";
  return std::string(buffer, 3);
}
