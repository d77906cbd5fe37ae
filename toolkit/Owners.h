// Owners of Win32 resources. Each holds one handle (a file, a listing, a
// registry key, a library, a process, a shell item list), one COM interface
// or the calling thread's COM apartment, gives it back with the call that
// belongs to it when it goes out of scope, and can be moved but never
// copied. A procedure that must close something on every path takes it from
// one of these. Header only; Windows build only (the shell component uses
// it without linking the toolkit).
#pragma once

#include <utility>

#include "toolkit/Win.h"

namespace tk {

// One handle of the kind Traits describes: Traits::Handle is its type,
// Traits::Invalid() the value that holds nothing, and Traits::Close(h)
// gives a handle back to the system, true when it could.
template <typename Traits>
class Owned {
 public:
  using Handle = typename Traits::Handle;

  Owned() = default;
  explicit Owned(Handle h) : h_(h) {}
  ~Owned() { reset(); }
  Owned(Owned&& other) noexcept : h_(other.release()) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;

  Handle get() const { return h_; }
  bool valid() const { return h_ != Traits::Invalid(); }
  explicit operator bool() const { return valid(); }

  // The address to receive a new handle, the one held closed first.
  Handle* out() {
    reset();
    return &h_;
  }
  // Closes the handle held, if any, and holds h instead.
  void reset(Handle h = Traits::Invalid()) {
    if (valid()) Traits::Close(h_);
    h_ = h;
  }
  // Closes now, so that a failing close is seen: false when the system
  // could not close it or nothing was held.
  bool close() { return valid() && Traits::Close(release()); }
  // Gives the handle up without closing it.
  Handle release() { return std::exchange(h_, Traits::Invalid()); }

 private:
  Handle h_ = Traits::Invalid();
};

namespace owners {

// A handle of CreateFileA: INVALID_HANDLE_VALUE holds nothing.
struct File {
  using Handle = HANDLE;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static bool Close(Handle h) { return ::CloseHandle(h) != 0; }
};
// A process, thread, token or event: null holds nothing.
struct Kernel {
  using Handle = HANDLE;
  static Handle Invalid() { return nullptr; }
  static bool Close(Handle h) { return ::CloseHandle(h) != 0; }
};
// A listing of FindFirstFileA.
struct Find {
  using Handle = HANDLE;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static bool Close(Handle h) { return ::FindClose(h) != 0; }
};
// An opened or created registry key (never a predefined root key).
struct RegKey {
  using Handle = HKEY;
  static Handle Invalid() { return nullptr; }
  static bool Close(Handle h) { return ::RegCloseKey(h) == ERROR_SUCCESS; }
};
// A library of LoadLibrary and its kin.
struct Module {
  using Handle = HMODULE;
  static Handle Invalid() { return nullptr; }
  static bool Close(Handle h) { return ::FreeLibrary(h) != 0; }
};
// An item-identifier list the shell allocated.
struct ItemIdList {
  using Handle = LPITEMIDLIST;
  static Handle Invalid() { return nullptr; }
  static bool Close(Handle h) {
    ::CoTaskMemFree(h);
    return true;
  }
};

}  // namespace owners

using FileHandle = Owned<owners::File>;
using KernelHandle = Owned<owners::Kernel>;
using FindHandle = Owned<owners::Find>;
using RegKey = Owned<owners::RegKey>;
using Library = Owned<owners::Module>;
using ItemIdList = Owned<owners::ItemIdList>;

// The two handles CreateProcessA gives, closed together.
struct ProcessHandles {
  KernelHandle process;
  KernelHandle thread;
  explicit ProcessHandles(const PROCESS_INFORMATION& started)
      : process(started.hProcess), thread(started.hThread) {}
};

// One reference to a COM interface, released when it goes out of scope.
template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  // Takes over a reference the caller holds.
  explicit ComPtr(T* p) : p_(p) {}
  ~ComPtr() { reset(); }
  ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      reset();
      p_ = std::exchange(other.p_, nullptr);
    }
    return *this;
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;

  T* get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }

  // The address to receive a new reference, the one held released first.
  T** out() {
    reset();
    return &p_;
  }
  void** outVoid() { return reinterpret_cast<void**>(out()); }

  void reset() {
    if (p_) p_->Release();
    p_ = nullptr;
  }

 private:
  T* p_ = nullptr;
};

// Enters a single-threaded apartment for the calling thread and leaves it at
// the end of scope. A thread already in an apartment of that kind only has
// its count taken and given back; one in another kind stays in it (ok() is
// then false, and nothing is left at the end).
class ComApartment {
 public:
  ComApartment() : hr_(::CoInitialize(nullptr)) {}
  ~ComApartment() {
    if (SUCCEEDED(hr_)) ::CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  bool ok() const { return SUCCEEDED(hr_); }

 private:
  HRESULT hr_;
};

}  // namespace tk
