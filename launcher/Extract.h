// Unpacking the package into the work folder. Windows only.
#pragma once

#include <string>

#include "launcher/Archive.h"

// How an extraction ended.
enum class ExtractResult {
  Done,            // every member written, INSTALLER.EXE stamped
  NoPackage,       // the package is missing or cannot be opened
  BadLengthField,  // too short, a length field out of range, or not fitting
  BadEntry,        // the walk ended at a faulty entry or short of the
                   // directory (see the plan's end)
  WriteFailed,     // a destination could not be opened or written
  DiskFull,        // a destination was refused for lack of space
  ReadFailed,      // the package could not be read
};

// Unpacks the package (a path relative to the current folder) into WorkDir:
// each member, in the directory's order, into WorkDir or WorkDir & "\files"
// (GetExtractPath), drawing the launcher's bar before each member. The first
// failure ends it: members written before stay, a member being written is
// removed again, nothing else is written, and INSTALLER.EXE is not stamped.
// A destination that exists is cut to nothing first. Members are copied
// through a buffer of at most 1 MiB, so memory does not grow with their size.
// The package is open under file number 1, each destination under number 2,
// and both are closed on every path.
ExtractResult ExtractSetupArchive(const std::string& package);
