// For the tests of the shortcuts: a link file read back through the
// system's shell link object, and the built shell component loaded by path.
#pragma once

#include <optional>
#include <string>

#include "toolkit/Owners.h"
#include "toolkit/Win.h"

namespace linkreader {

struct LinkView {
  std::string target, arguments, workingFolder, iconPath;
  int iconIndex = -1;
};

// The link's fields, or nullopt when the file does not load as a link.
// The calling thread must be in a COM apartment.
inline std::optional<LinkView> ReadLink(const std::string& path) {
  tk::ComPtr<IShellLinkA> link;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                link.outVoid())))
    return std::nullopt;
  tk::ComPtr<IPersistFile> persist;
  if (FAILED(link->QueryInterface(IID_IPersistFile, persist.outVoid()))) return std::nullopt;
  const int n = ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
  std::wstring wide(static_cast<size_t>(n > 0 ? n : 1), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), n);
  if (FAILED(persist->Load(wide.c_str(), STGM_READ))) return std::nullopt;
  LinkView view;
  char text[1024] = {};
  if (SUCCEEDED(link->GetPath(text, sizeof text, nullptr, SLGP_RAWPATH))) view.target = text;
  text[0] = '\0';
  if (SUCCEEDED(link->GetArguments(text, sizeof text))) view.arguments = text;
  text[0] = '\0';
  if (SUCCEEDED(link->GetWorkingDirectory(text, sizeof text))) view.workingFolder = text;
  text[0] = '\0';
  if (SUCCEEDED(link->GetIconLocation(text, sizeof text, &view.iconIndex))) view.iconPath = text;
  return view;
}

// A library loaded by path while it lives, with its exports by name.
class Library {
 public:
  explicit Library(const std::string& path) : module_(::LoadLibraryA(path.c_str())) {}
  HMODULE get() const { return module_.get(); }

  template <typename Fn>
  Fn Export(const char* name) const {
    FARPROC p = module_ ? ::GetProcAddress(module_.get(), name) : nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(p));
  }

 private:
  tk::Library module_;
};

using RegisterFn = HRESULT(STDAPICALLTYPE*)();

// Registers the built shell component by calling its DllRegisterServer.
inline HRESULT RegisterBuiltShell(const std::string& path) {
  Library lib(path);
  auto reg = lib.Export<RegisterFn>("DllRegisterServer");
  return reg ? reg() : E_FAIL;
}

}  // namespace linkreader
