// Reading the package Setup.UMF: its length field, its directory entries, the
// plan of its extraction and where each member goes. Everything here only
// computes; the launcher opens the package, reads its tail and carries out
// the plan.
//
// The package is the members' bytes back to back from offset 0, then the
// directory text "name|size;name|size;...", then the directory's length n as
// 5 decimal characters. Member i begins right after members 1 to i - 1.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The length field's size in bytes, at the end of the package.
inline constexpr int32_t kArchiveLengthFieldSize = 5;
// The longest directory: n + 5 must fit in a signed 16-bit number.
inline constexpr int32_t kArchiveMaxDirectoryLength = 32762;
// Sizes and positions are 32-bit: a package is smaller than 2 GiB.
inline constexpr int64_t kArchiveMaxPackageLength = 2147483647;

// Reads a number the way the package does in its length field and sizes:
// blanks (space, tab) and then decimal digits, stopping at the first
// character that is not a digit; no digit at all reads as 0. Returns false
// when the digits do not fit in a signed 32-bit number, leaving value 0.
bool ReadArchiveNumber(std::string_view text, int32_t& value);

enum class ArchiveLengthStatus {
  Ok,
  TooShort,          // fewer than 5 bytes
  TooLarge,          // 2 GiB or more: positions would not fit in 32 bits
  OutOfRange,        // n above 32762
  DoesNotFit,        // n + 5 bytes are more than the package holds
};

// Reads the directory's length n from the last 5 bytes of a package of
// packageLength bytes (lengthField holds those bytes; a shorter package has
// fewer). On Ok, directoryLength is n and the directory is the n bytes at
// offset packageLength - n - 5; otherwise directoryLength is 0.
ArchiveLengthStatus ReadArchiveDirectoryLength(int64_t packageLength, std::string_view lengthField,
                                               int32_t& directoryLength);

enum class ArchiveEntryStatus {
  Ok,             // name and size read; a size of 0 marks the end
  NoEntry,        // no such entry: the directory ends before it
  MissingBar,     // no "|" at or after the entry's start
  MissingSemicolon,  // no ";" after the entry's "|"
  SizeOverflow,   // the size does not fit in 32 bits
};

struct ArchiveEntry {
  ArchiveEntryStatus status = ArchiveEntryStatus::NoEntry;
  std::string name;  // set with Ok only
  int32_t size = 0;  // set with Ok only
};

// The entry number index (from 1) of the directory text: entry k starts right
// after the (k - 1)-th ";" of the directory; its name runs up to the first
// "|", its size from there to the first ";" after the start. An index below
// 1, or one beyond the directory's ";" characters, is no entry.
ArchiveEntry ReadArchiveEntry(int16_t index, const std::string& directory);

// The same lookup in the launcher's form: returns the entry's size and gives
// its name through name. Returns 0 when there is no such entry or it cannot
// be read (see ReadArchiveEntry for the reason), and then leaves name as it
// was.
int32_t GetArchiveEntry(int16_t index, const std::string& directory, std::string& name);

// True when name may be written as a file of the work folder: not empty, no
// folder part or drive ("\", "/", ":"), no control characters, no "|" or
// ";", not "." or ".." (or any name of dots and blanks alone, which Windows
// trims to the folder itself), and not a device name such as CON, NUL,
// COM0 to COM9 or LPT1 (with or without an extension; the ports' superscript
// digits of code page 1252 count as digits).
bool IsSafeArchiveMemberName(std::string_view name);

struct ArchiveMember {
  std::string name;
  int64_t offset = 0;    // where its bytes begin in the package
  int32_t size = 0;      // how many bytes it has, at least 1
  int32_t progress = 0;  // the bar's value before it is written, 0 to 100
};

// Why the walk through the directory ended.
enum class ArchiveEnd {
  EndOfDirectory,    // every entry was read
  SizeZero,          // an entry of size 0 marks the end
  MissingBar,        // an entry without "|": a failure
  MissingSemicolon,  // an entry without ";": a failure
  SizeOverflow,      // a size beyond 32 bits: a failure
  UnsafeName,        // a name that would write outside the work folder
  PastDirectory,     // the member's bytes run past the directory's start
  ShortOfDirectory,  // the sizes end before the directory's start: a failure
  DirectoryDoesNotFit,  // the directory is not one a length field could name
};

struct ArchivePlan {
  std::vector<ArchiveMember> members;  // in the directory's order
  ArchiveEnd end = ArchiveEnd::EndOfDirectory;
  int16_t endIndex = 0;  // the entry number at which the walk ended
};

// The extraction of a package of packageLength bytes (whose length field read
// Ok) with the given directory: the members to write, up to the first entry
// that ends the walk, and why it ended. Every member lies within
// [0, packageLength - directory.size() - 5), and a walk that ends as a
// package ends (its last entry, or one of size 0) ends with ShortOfDirectory
// unless the members' sizes add up exactly to the directory's start (a size
// that shifts bytes between members and keeps the sum cannot be seen). The
// progress value of a member at 1-based position P is P / packageLength *
// 100 rounded to the nearest whole number, a half to the even one.
ArchivePlan PlanArchiveExtraction(int64_t packageLength, const std::string& directory);

// True when the walk ended as a well-formed package ends (end of directory or
// an entry of size 0, the sizes adding up); false when it ended at a fault of
// the package.
bool IsArchiveEndNormal(ArchiveEnd end);

// Where a member goes: workDir & "\" & name for the nine setup files (the
// name compared in lower case, code page 1252 letters included), otherwise
// workDir & "\files\" & name. The name keeps its case.
std::string GetExtractPath(const std::string& workDir, const std::string& name);
