// The per-file installer and the version and date readings it decides by
// (Gest_File). Windows build only.
#pragma once
#include <cstdint>
#include <string>

namespace Gest_File {

class KnownNames;

// Installs one payload file: `source` relative to the work folder
// ("files\" & name), `target` the full path. `existed` tells whether a
// file (hidden and system ones included) was there before. True when the
// file was installed, or kept because `replace` is False; False when a newer
// installed file was kept, or the copy failed or was deferred. A folder
// under the target's name is never replaced: False, with nothing done. A
// failure after a copy that put the file in place (its times, its
// registration, the fonts step) is reported to the user, and the file still
// counts as installed.
// With `known`, a target its folder did not hold when first listed is not
// looked for again (a target that has appeared since is found at its
// creation and decided on as if looked for), and an installed file is added.
// `keptNewer`, when given, is set True when the result is False because a
// newer installed file was kept on purpose (False otherwise). A file whose
// replacement was deferred keeps its attributes until it is replaced.
bool InstallFile(const std::string& source, const std::string& target, bool replace,
                 bool& existed, KnownNames* known = nullptr, bool* keptNewer = nullptr);

// The numeric reading of the "FileVersion" string of the file's version
// resource; 0 when the file has none or lacks any of the eight names.
double GetFileVersion(const std::string& path);

// The file's last-write time as FileTimeToDateString gives it; the zero
// time's text for a file that cannot be opened.
std::string GetFileDateString(const std::string& path);

// A file time (100-nanosecond intervals since 1601, UTC) as text with the
// user's date separator: "05/03/2004 9.7.3". "" when it does not convert.
std::string FileTimeToDateString(uint64_t fileTime);

}  // namespace Gest_File
