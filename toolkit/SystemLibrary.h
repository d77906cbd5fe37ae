// Libraries of the system, taken from the system folder only. A setup
// program runs from a downloads folder: a library of a system name lying
// beside it (or in the current folder) must never be loaded in place of the
// system's. Windows build only.
#pragma once
#include <string>

#include "toolkit/Win.h"

namespace tk {

// The system folder as the system gives it, without a trailing backslash;
// "" when it cannot be read.
std::string SystemFolderPath();

// Loads the library `fileName` (a bare file name such as "version.dll") by
// its full path in the system folder; the libraries it needs are looked for
// in that folder first. Null when it is not there or does not load; the
// caller frees what it gets.
HMODULE LoadSystemLibrary(const char* fileName);

// Where the system offers it (Windows 8, and Windows 7 with its update for
// it; looked up at run time), limits the search of every library loaded
// later by a bare name to the system folder. Called before the first window,
// it also covers what the system's own libraries load on the program's
// behalf. Returns whether the limit is in force.
bool LimitLibrarySearchToSystemFolder();

// The export `name` of `library` as a function of type Function; null when
// the library does not export it.
template <class Function>
Function ProcAddress(HMODULE library, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(library, name)));
}

}  // namespace tk
