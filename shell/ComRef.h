// Owners for COM: one reference to an interface, released when it goes out
// of scope, and the calling thread's apartment. Header only; Windows build
// only.
#pragma once

#include "toolkit/Win.h"

namespace qxshell {

template <typename T>
class ComRef {
 public:
  ComRef() = default;
  ~ComRef() { Reset(); }
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;

  T* get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }

  // The address to receive a new reference, the old one released first.
  T** out() {
    Reset();
    return &p_;
  }
  void** outVoid() { return reinterpret_cast<void**>(out()); }

  void Reset() {
    if (p_) p_->Release();
    p_ = nullptr;
  }

 private:
  T* p_ = nullptr;
};

// Enters a single-threaded apartment for the calling thread and leaves it
// at the end of scope. A thread already in another apartment stays in it
// (ok() is then false, and nothing is left at the end).
class Apartment {
 public:
  Apartment() : hr_(::CoInitialize(nullptr)) {}
  ~Apartment() {
    if (SUCCEEDED(hr_)) ::CoUninitialize();
  }
  Apartment(const Apartment&) = delete;
  Apartment& operator=(const Apartment&) = delete;
  bool ok() const { return SUCCEEDED(hr_); }

 private:
  HRESULT hr_;
};

}  // namespace qxshell
