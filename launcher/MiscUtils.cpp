#include "launcher/MiscUtils.h"

#include "toolkit/Win.h"

std::string GetTempFolder() {
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
