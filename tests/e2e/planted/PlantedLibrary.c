/* A library planted beside Setup.exe under the name of one the program
   loads (qx_shell.dll, version.dll): it leaves its marker as soon as it is
   loaded. Its exports answer the way the real ones do when all is well, so
   that a program that loads it goes on as if nothing had happened. */
#include "Marker.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  (void)reserved;
  if (reason == DLL_PROCESS_ATTACH) LeaveMarker(instance);
  return TRUE;
}

HRESULT __stdcall DllRegisterServer(void) { return S_OK; }
HRESULT __stdcall DllUnregisterServer(void) { return S_OK; }

/* No version resource anywhere. */
DWORD __stdcall GetFileVersionInfoSizeA(LPCSTR path, LPDWORD handle) {
  (void)path;
  if (handle) *handle = 0;
  return 0;
}
BOOL __stdcall GetFileVersionInfoA(LPCSTR path, DWORD handle, DWORD size, LPVOID data) {
  (void)path, (void)handle, (void)size, (void)data;
  return FALSE;
}
BOOL __stdcall VerQueryValueA(LPCVOID block, LPCSTR name, LPVOID* value, PUINT length) {
  (void)block, (void)name, (void)value, (void)length;
  return FALSE;
}
