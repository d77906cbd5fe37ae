/* What every planted stand-in does once Windows runs any code of it: it
   leaves a marker file beside itself, its own path followed by ".ran". */
#pragma once
#include <windows.h>

static void LeaveMarker(HMODULE self) {
  char path[MAX_PATH + 8];
  DWORD length = GetModuleFileNameA(self, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  lstrcatA(path, ".ran");
  HANDLE marker = CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
  if (marker != INVALID_HANDLE_VALUE) CloseHandle(marker);
}
