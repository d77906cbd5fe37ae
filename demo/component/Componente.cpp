// The demo's self-registering component. regsvr32 calls DllRegisterServer
// when the installation copies the DLL: it writes the value "Componente" =
// "registrato" under HKCU\Software\Velmarind\Demo. DllUnregisterServer
// removes that value, and the key once nothing else is left in it.
#include "demo/ComponentKey.h"
#include "toolkit/Owners.h"

using demo::kComponentKey;
using demo::kComponentValue;
using demo::kRegistered;

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() {
  tk::RegKey key;
  LONG status = ::RegCreateKeyExA(HKEY_CURRENT_USER, kComponentKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                                  nullptr, key.out(), nullptr);
  if (status != ERROR_SUCCESS) return HRESULT_FROM_WIN32(status);
  status = ::RegSetValueExA(key.get(), kComponentValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(kRegistered),
                            sizeof kRegistered);
  return status == ERROR_SUCCESS ? S_OK : HRESULT_FROM_WIN32(status);
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() {
  {
    tk::RegKey key;
    LONG status = ::RegOpenKeyExA(HKEY_CURRENT_USER, kComponentKey, 0, KEY_SET_VALUE, key.out());
    if (status == ERROR_FILE_NOT_FOUND) return S_OK;
    if (status != ERROR_SUCCESS) return HRESULT_FROM_WIN32(status);
    status = ::RegDeleteValueA(key.get(), kComponentValue);
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) return HRESULT_FROM_WIN32(status);
  }
  // RegDeleteKey would take the key with values that others put there; it
  // goes only when nothing is left in it.
  tk::RegKey key;
  LONG status = ::RegOpenKeyExA(HKEY_CURRENT_USER, kComponentKey, 0, KEY_QUERY_VALUE, key.out());
  if (status != ERROR_SUCCESS) return HRESULT_FROM_WIN32(status);
  DWORD subkeys = 0, values = 0;
  status = ::RegQueryInfoKeyA(key.get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr,
                              nullptr, nullptr, nullptr);
  if (status != ERROR_SUCCESS) return HRESULT_FROM_WIN32(status);
  if (subkeys != 0 || values != 0) return S_OK;
  status = ::RegDeleteKeyA(HKEY_CURRENT_USER, kComponentKey);
  return status == ERROR_SUCCESS ? S_OK : HRESULT_FROM_WIN32(status);
}
