// The folder listing by pattern: one listing per process, in the manner of
// the classic runtime's Dir. Windows build only.
//
// Dir(pattern, mask, name) starts a listing, abandoning (and closing) the one
// in progress, and gives the bare name (no folder) of the first matching
// entry in `name`, or "" when nothing matches. DirNext(name) gives the next
// match of the same listing, or "" at its end; the listing is closed once it
// has run out.
//
// Which entries match:
// - Hidden (2), system (4) and volume-label (8) entries never match, whatever
//   the mask.
// - Mask 0 (DirNormal) matches every other entry that is not a folder: plain
//   files with any mix of read-only, archive, normal, temporary, compressed,
//   sparse, offline, encrypted, not-content-indexed or reparse-point bits.
// - Mask 16 (DirFolders) matches those entries and also folders, "." and ".."
//   included where the file system lists them (every folder but a drive root).
// - Other mask bits are ignored.
//
// A pattern ending in "\" (or ":" after a drive letter, or empty) lists the
// whole folder, as if "*.*" followed it.
//
// Results: 0 when the call worked (also when nothing matched: a missing file
// or a missing folder gives "" and 0), or a classic runtime error number, with
// `name` set to "":
//   5  DirNext without a listing in progress (none started, or the last one
//      ran out, failed or was ended);
//   52 bad file name: characters a file name cannot hold, wildcards in the
//      folder part, a misplaced ":", or a name the system rejects;
//   68 device unavailable: a drive letter with no drive behind it;
//   71 disk not ready: a drive whose medium is missing;
//   75 path/file access error: any other refusal of the system (for example
//      a folder the user may not list).
#pragma once

#include <string>

namespace tk {

enum : int { DirNormal = 0, DirFolders = 16 };

int Dir(const std::string& pattern, int mask, std::string& name);
int DirNext(std::string& name);

// Closes the listing in progress, if any, for callers that only wanted its
// first name and should not keep a find handle on the folder.
void DirEnd();

}  // namespace tk
