#include "shell/ShellLink.h"

#include <new>
#include <string>

#include "shell/ComObject.h"
#include "shell/QxShellLink.h"
#include "toolkit/Owners.h"

namespace qxshell {
namespace {

// An ANSI path in UTF-16, through the ANSI code page; "" when it cannot be
// converted.
std::wstring Wide(const char* text) {
  const int n = ::MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  if (n <= 0) return {};
  std::wstring wide(static_cast<size_t>(n), L'\0');
  if (::MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), n) != n) return {};
  wide.resize(static_cast<size_t>(n - 1));
  return wide;
}

class ShellLink final : public ComObject<IQxShellLink> {
 public:
  // IDispatch: the class has no type information; clients call it through
  // its own interface.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
    if (info) *info = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

  // IQxShellLink
  HRESULT STDMETHODCALLTYPE GetVersion(int32_t* version) override {
    if (!version) return E_POINTER;
    *version = kVersion;
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE CreateLink(const char* const* linkPath, const char* const* target,
                                       const char* const* workingFolder, const char* const* arguments,
                                       const char* const* iconPath, int32_t* number1,
                                       int32_t* number2) override {
    for (const char* const* text : {linkPath, target, workingFolder, arguments, iconPath})
      if (!text || !*text) return E_POINTER;
    if (!number1 || !number2) return E_POINTER;
    if (*number1 != 0 || *number2 != 0) return E_INVALIDARG;
    const std::wstring file = Wide(*linkPath);
    if (file.empty()) return E_INVALIDARG;

    tk::ComPtr<IShellLinkA> link;
    HRESULT hr = ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                    link.outVoid());
    if (FAILED(hr)) return hr;
    if (FAILED(hr = link->SetPath(*target))) return hr;
    if (FAILED(hr = link->SetArguments(*arguments))) return hr;
    if (FAILED(hr = link->SetWorkingDirectory(*workingFolder))) return hr;
    if (FAILED(hr = link->SetIconLocation(*iconPath, 0))) return hr;

    tk::ComPtr<IPersistFile> persist;
    if (FAILED(hr = link->QueryInterface(IID_IPersistFile, persist.outVoid()))) return hr;
    return persist->Save(file.c_str(), TRUE);
  }

 protected:
  bool Answers(REFIID iid) const override {
    return IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, kIidQxShellLink);
  }
};

}  // namespace

HRESULT CreateShellLinkObject(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  // Its own reference goes at the end of scope; the caller's, if any,
  // keeps it.
  const tk::ComPtr<ShellLink> link(new (std::nothrow) ShellLink());
  if (!link) return E_OUTOFMEMORY;
  return link->QueryInterface(iid, object);
}

}  // namespace qxshell
