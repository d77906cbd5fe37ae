// Gest_File: files and folders for the installation. Windows build only.
// Procedures with an `int* err` parameter follow the failure convention of
// engine/Misc.h; the others handle every failure themselves, as said.
#pragma once

#include <cstdint>
#include <string>

namespace Gest_File {

// Gives the file at `path` the creation, last-access and last-write times of
// the setup program's own file (the running program's folder, "\", its file
// name without extension, ".Exe"). A source that cannot be opened for
// reading, or a target that cannot be opened for writing (read-only, in
// use, missing), leaves the target's times as they are, silently (*err = 0).
// *err = 5 when Windows cannot name the program's file or refuses to read
// or write the times of files it has opened.
void SetFileTimesFromSetup(const std::string& path, int* err = nullptr);

// The setup program's own creation, last access and last write times
// (FILETIME values), read once and kept: True with them in `times`; False
// when SetFileTimesFromSetup would leave a target's times as they are, with
// *err as it would set it.
bool ReadSetupFileTimes(uint64_t (&times)[3], int* err = nullptr);

// Removes the folder when it is empty; anything else leaves it, silently.
void RemoveFolder(const std::string& path);

// Removes, latest first, every folder that CreatePath made in this run and
// that is empty now: a folder made for an installation that a quit
// abandons goes, with the empty folders made above it. A folder that holds
// anything stays, and so do those above it.
void RemoveFoldersMade();

// Creates every missing folder along `path` (with or without a trailing
// "\"), ignoring each step's failure. When the folder still does not exist
// afterwards, the folders made on the way are removed again; with
// showMessage, then a beep, the critical message "Impossibile creare il
// percorso." titled SoftwareHouseName & " setup", and False. Otherwise
// True, whatever happened.
bool CreatePath(const std::string& path, bool showMessage);

// True when a listing of `path` (a folder path ending in "\") with folders
// included finds an entry: an existing folder other than a drive root, or a
// drive root holding a listable entry.
bool FolderExists(const std::string& path, int* err = nullptr);

// Whether the folder exists (a trailing "\" is optional); a failing test
// counts as missing. With `create`, a missing folder is made through
// CreatePath(path, showMessage) and its answer returned.
bool PathExists(const std::string& path, bool create, bool showMessage);

// True for an existing file that is neither a folder nor hidden nor system.
bool FileExists(const std::string& path, int* err = nullptr);

// Clears the file's attributes and deletes it; a file that cannot be
// deleted (in use) gets its attributes back. True when it was deleted.
bool DeleteWithAttributesCleared(const std::string& path, unsigned long attributes);

// When FileExists(path): deletes it as DeleteWithAttributesCleared does and
// returns True (also when the deletion failed, e.g. a file in use).
// Otherwise returns False and touches nothing.
bool KillFile(const std::string& path);

// KillFile(target), then copies source to target. A failed copy is not
// reported.
void CopyFileOver(const std::string& source, const std::string& target);

}  // namespace Gest_File
