// Self-registration: the shortcut class under HKEY_CLASSES_ROOT, served by
// this module in the apartment of its caller, with its programmatic name.
#include <cstdio>
#include <string>

#include "shell/QxShellLink.h"
#include "shell/Server.h"
#include "toolkit/Owners.h"

namespace qxshell {
namespace {

constexpr const char* kDescription = "QxShell shortcut class";

std::string ClsidText() {
  const GUID& g = kClsidShellLink;
  char text[40];
  std::snprintf(text, sizeof text, "{%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                static_cast<unsigned long>(g.Data1), g.Data2, g.Data3, g.Data4[0], g.Data4[1],
                g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6], g.Data4[7]);
  return text;
}

// The full path of this module; "" when the system does not give it whole.
std::string ModulePath() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD n = ::GetModuleFileNameA(ServerModule(), path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    if (path.size() >= 32768) return {};
    path.resize(path.size() * 2);
  }
}

// Sets a text value of key ("" names the key's default value).
LONG SetText(HKEY key, const char* name, const std::string& text) {
  return ::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>(text.size() + 1));
}

// Sets the default value (and, when name is given, one named value) of
// HKCR\path.
LONG WriteKey(const std::string& path, const std::string& value, const char* name = nullptr,
              const std::string& named = {}) {
  tk::RegKey key;
  LONG err = ::RegCreateKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE,
                               nullptr, key.out(), nullptr);
  if (err == ERROR_SUCCESS) err = SetText(key.get(), "", value);
  if (err == ERROR_SUCCESS && name) err = SetText(key.get(), name, named);
  return err;
}

LONG DeleteKey(const std::string& path) {
  const LONG err = ::RegDeleteKeyA(HKEY_CLASSES_ROOT, path.c_str());
  return err == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : err;
}

}  // namespace
}  // namespace qxshell

STDAPI DllRegisterServer() {
  using namespace qxshell;
  const std::string module = ModulePath();
  if (module.empty()) return E_UNEXPECTED;
  const std::string clsidKey = "CLSID\\" + ClsidText();
  LONG err = WriteKey(clsidKey, kDescription);
  if (err == ERROR_SUCCESS) err = WriteKey(clsidKey + "\\InprocServer32", module, "ThreadingModel", "Apartment");
  if (err == ERROR_SUCCESS) err = WriteKey(clsidKey + "\\ProgID", kProgId);
  if (err == ERROR_SUCCESS) err = WriteKey(kProgId, kDescription);
  if (err == ERROR_SUCCESS) err = WriteKey(std::string(kProgId) + "\\CLSID", ClsidText());
  return err == ERROR_SUCCESS ? S_OK : HRESULT_FROM_WIN32(err);
}

STDAPI DllUnregisterServer() {
  using namespace qxshell;
  const std::string clsidKey = "CLSID\\" + ClsidText();
  // Sub-keys first: a key with sub-keys cannot be deleted. Every key is
  // tried; the first failure is reported.
  LONG first = ERROR_SUCCESS;
  for (const std::string& path : {clsidKey + "\\InprocServer32", clsidKey + "\\ProgID", clsidKey,
                                  std::string(kProgId) + "\\CLSID", std::string(kProgId)}) {
    const LONG err = DeleteKey(path);
    if (first == ERROR_SUCCESS) first = err;
  }
  return first == ERROR_SUCCESS ? S_OK : HRESULT_FROM_WIN32(first);
}
