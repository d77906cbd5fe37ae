// What each Windows version of the matrix makes differ, as the program must
// see it there. A run learns its prefix's version from WINE_VERSION, the
// variable that made the prefix (tools/wine-env.sh). Portable.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>

namespace versionmatrix {

struct Expected {
  std::string name;          // win98, winxp, win7, win10
  bool nt = false;           // the NT family
  uint32_t major = 0, minor = 0;
  bool programFilesFolder = false;  // the proposed folder under Program Files (else the drive's root)
  bool quickLaunchLink = false;     // a database application's Quick Launch link (desktop box ticked)
  bool fontValue = false;           // the fonts registry value and the font broadcast
  bool administratorHint = false;   // in the QXSHELL#1 text
};

// The expectations of a version, or null for a name outside the matrix.
inline const Expected* ExpectedFor(const std::string& name) {
  static const Expected kMatrix[] = {
      {"win98", false, 4, 10, true, true, true, false},
      {"winxp", true, 5, 1, true, true, false, false},
      {"win7", true, 6, 1, false, false, false, false},
      {"win10", true, 10, 0, false, false, false, true},
  };
  for (const Expected& e : kMatrix)
    if (e.name == name) return &e;
  return nullptr;
}

// The expectations of this run's prefix, or null when it is none of the
// matrix (the test then has nothing to compare with).
inline const Expected* ExpectedHere() {
  const char* name = std::getenv("WINE_VERSION");
  return name ? ExpectedFor(name) : nullptr;
}

}  // namespace versionmatrix
