// The IUnknown part every object of the server shares: its reference count,
// its share in keeping the server loaded, and QueryInterface over the
// interfaces a class names. Windows build only.
#pragma once

#include "shell/Server.h"
#include "toolkit/Win.h"

namespace qxshell {

// Interface: the one interface the class implements (and hands out for
// IUnknown and every interface it answers). Created with one reference.
template <typename Interface>
class ComObject : public Interface {
 public:
  ComObject() { ObjectCreated(); }
  virtual ~ComObject() { ObjectDestroyed(); }
  ComObject(const ComObject&) = delete;
  ComObject& operator=(const ComObject&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || Answers(iid)) {
      *object = static_cast<Interface*>(this);
      this->AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&refs_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = ::InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

 protected:
  // Whether the object answers iid (IUnknown needs no mention).
  virtual bool Answers(REFIID iid) const = 0;

 private:
  LONG refs_ = 1;
};

}  // namespace qxshell
