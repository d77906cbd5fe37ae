// What the demo's component writes when it registers itself, and an owner
// of an open registry key; shared by the component and the application that
// shows whether the component is registered.
#pragma once

#include "toolkit/Win.h"

namespace demo {

// Under HKEY_CURRENT_USER: the value kComponentValue = kRegistered.
inline constexpr const char* kComponentKey = "Software\\Velmarind\\Demo";
inline constexpr const char* kComponentValue = "Componente";
inline constexpr char kRegistered[] = "registrato";

// Owns an open registry key.
class Key {
 public:
  Key() = default;
  ~Key() {
    if (key_) ::RegCloseKey(key_);
  }
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;
  HKEY* out() { return &key_; }
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

}  // namespace demo
