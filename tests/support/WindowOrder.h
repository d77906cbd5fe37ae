// The stacking of top-level windows as the system keeps it. Windows build only.
#pragma once

#include "toolkit/Win.h"

namespace testsupport {

// Whether upper lies above lower among the top-level windows.
inline bool Above(HWND upper, HWND lower) {
  for (HWND w = GetWindow(upper, GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT))
    if (w == lower) return true;
  return false;
}

}  // namespace testsupport
