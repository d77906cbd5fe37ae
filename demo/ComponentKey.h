// What the demo's component writes when it registers itself; shared by the
// component and the application that shows whether the component is
// registered.
#pragma once

#include "toolkit/Win.h"

namespace demo {

// Under HKEY_CURRENT_USER: the value kComponentValue = kRegistered.
inline constexpr const char* kComponentKey = "Software\\Velmarind\\Demo";
inline constexpr const char* kComponentValue = "Componente";
inline constexpr char kRegistered[] = "registrato";

}  // namespace demo
