// Files of an earlier installation kept whole until what replaces them is
// complete (Gest_File): each is moved aside under a temporary name in its
// own folder (MakeTempName), deleted once its replacement is complete, and
// put back when the replacement fails or the installation is stopped. The
// files set aside are kept in SetAsideFiles (engine/SetupState.h). Windows
// build only.
#pragma once

#include <string>

namespace Gest_File {

// Moves the file at `path` (of any attributes, which it keeps) aside. True
// when it was moved; False, with nothing changed, when no file is under the
// name, when it is in use (a program has loaded it or holds it open without
// letting others write it, even where the system would let it be renamed)
// or when the system refuses to move it.
bool SetAside(const std::string& path);

// The replacement of `path` is complete: the file set aside for it is
// deleted. Nothing when none was.
void DropSetAside(const std::string& path);

// The replacement of `path` failed: the file set aside for it goes back
// under its name, in place of whatever is there now. Nothing when none was.
void PutBack(const std::string& path);

// The installation was stopped: every numbered file is closed (the copy
// under way and the records among them), then every file still set aside
// goes back, the latest first. Failures are passed over.
void PutBackAll();

// The installation has ended: every file still set aside is deleted.
void DropAllSetAside();

}  // namespace Gest_File
