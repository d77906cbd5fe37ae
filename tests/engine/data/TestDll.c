/* A component for the installer's tests: its registration leaves a marker
   file beside it (its own path followed by ".registered"). Component.def
   exports its entry points. */
#include <windows.h>

static HMODULE self;

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  (void)reserved;
  if (reason == DLL_PROCESS_ATTACH) self = instance;
  return TRUE;
}

HRESULT __stdcall DllRegisterServer(void) {
  char path[MAX_PATH + 16];
  DWORD length = GetModuleFileNameA(self, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return E_FAIL;
  lstrcatA(path, ".registered");
  HANDLE marker = CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
  if (marker == INVALID_HANDLE_VALUE) return E_FAIL;
  CloseHandle(marker);
  return S_OK;
}

HRESULT __stdcall DllUnregisterServer(void) { return S_OK; }
