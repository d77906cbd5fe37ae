// The in-process server: its entry point, the class factory of the shortcut
// class, and the two exports through which COM finds and unloads it.
#include "shell/Server.h"

#include <new>

#include "shell/ComObject.h"
#include "shell/QxShellLink.h"
#include "shell/ShellLink.h"
#include "toolkit/Owners.h"

namespace qxshell {
namespace {

HMODULE g_module = nullptr;
LONG g_objects = 0;  // live objects, class factories included
LONG g_locks = 0;    // IClassFactory::LockServer(TRUE) not yet undone

class ClassFactory final : public ComObject<IClassFactory> {
 public:
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    return CreateShellLinkObject(iid, object);
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
    if (lock)
      ::InterlockedIncrement(&g_locks);
    else
      ::InterlockedDecrement(&g_locks);
    return S_OK;
  }

 protected:
  bool Answers(REFIID iid) const override { return IsEqualIID(iid, IID_IClassFactory); }
};

}  // namespace

HMODULE ServerModule() { return g_module; }
void ObjectCreated() { ::InterlockedIncrement(&g_objects); }
void ObjectDestroyed() { ::InterlockedDecrement(&g_objects); }

}  // namespace qxshell

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    qxshell::g_module = instance;
    ::DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (!IsEqualCLSID(clsid, qxshell::kClsidShellLink)) return CLASS_E_CLASSNOTAVAILABLE;
  // Its own reference goes at the end of scope; the caller's, if any,
  // keeps it.
  const tk::ComPtr<qxshell::ClassFactory> factory(new (std::nothrow) qxshell::ClassFactory());
  if (!factory) return E_OUTOFMEMORY;
  return factory->QueryInterface(iid, object);
}

STDAPI DllCanUnloadNow() {
  return qxshell::g_objects == 0 && qxshell::g_locks == 0 ? S_OK : S_FALSE;
}
