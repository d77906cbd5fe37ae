// Files by number and the file statements of the classic runtime, over the
// Win32 file functions. Windows only.
//
// One process-wide table, used from one thread, holds the numbers 1 to 255.
// Every call returns 0 or the classic runtime's error number (FileError); a
// failed call leaves the table as it was. Files are opened so that others
// may read and write them too (the program reads files it is writing
// elsewhere); a file that another handle holds without such sharing gives
// errPermissionDenied. Positions and lengths are 64-bit, so files over 4 GiB
// work. Put, PrintLine and PrintText write through the host
// (tk::Host::WriteToFile), where a test can make a write fail.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace tk {

enum FileError : int {
  errNone = 0,
  errInvalidCall = 5,        // an argument out of its range
  errOutOfMemory = 7,
  errBadFileNameOrNumber = 52,
  errFileNotFound = 53,
  errBadFileMode = 54,       // the call does not suit the mode the file was opened in
  errFileAlreadyOpen = 55,   // the number is in use
  errFileAlreadyExists = 58,
  errDiskFull = 61,
  errInputPastEnd = 62,
  errBadRecordNumber = 63,   // a Seek position below 1
  errTooManyFiles = 67,
  errDeviceUnavailable = 68,
  errPermissionDenied = 70,  // a sharing or lock violation: the file is in use
  errDiskNotReady = 71,      // a drive whose medium is missing
  errPathFileAccess = 75,    // access denied, read-only, a folder, cannot delete
  errPathNotFound = 76,
};

enum class OpenMode {
  Input,   // read; the file must exist
  Output,  // write; created, or cut to nothing when it exists
  Append,  // write at the end; created when missing
  Binary,  // read and write, created when missing, never cut; a file that
           // refuses writing (read-only, or held by others who let it only
           // be read) is opened for reading only
};

// The lowest number not in use, or 0 when all 255 are.
int FreeFile();

// Whether the number is open.
bool IsOpen(int n);

// Opens path under number n (1 to 255). Errors: errBadFileNameOrNumber (n out
// of range, empty or invalid name), errFileAlreadyOpen, errFileNotFound,
// errPathNotFound, errPathFileAccess, errPermissionDenied, errTooManyFiles,
// errDiskFull.
int Open(const std::string& path, OpenMode mode, int n);

// Opens path under number n for Binary access as a file written anew:
// created, or cut to nothing when a plain file is there, so that a longer
// file leaves no tail behind what is written. Windows refuses to cut a
// hidden, system or read-only file this way (errPathFileAccess; Wine cuts a
// hidden or system one all the same), so callers use it only on a name they
// have just deleted, moved aside or found missing. No reading-only
// fallback: a file that refuses writing fails with errPermissionDenied or
// errPathFileAccess. Other errors as for Open. Under Wine on Linux's ext4
// (and file systems that guard replaced files alike) a file cut to nothing,
// even a new one, starts on its way to the disk as soon as it is closed,
// rather than in the background half a minute later: a file that is to stay
// has less left to write at the end.
int OpenAnew(const std::string& path, int n);

// Opens path under number n for Binary access as a file that must be new:
// errFileAlreadyExists when anything (a file of any attributes, a folder)
// is there under its name, whatever was looked for before. Like OpenAnew,
// the new file is cut to nothing, so that under Wine on Linux it starts on
// its way to the disk when it is closed. Other errors as for OpenAnew.
int OpenNew(const std::string& path, int n);

// Opens path under number n for Output as a scratch file, one that is
// deleted before long: created, or cut to nothing when it exists (unlike
// Output, an existing hidden or system file is opened too and keeps its
// attributes), but a file the open creates is not cut, so that under Wine on
// Linux's ext4 it is not hurried to the disk when it is closed (see
// OpenAnew); deleted before the system writes it in the background (after
// half a minute or under a shortage of memory), it never reaches the disk.
int OpenScratchOutput(const std::string& path, int n);

// Closes number n; a number that is not open is left alone (0). A number out
// of range gives errBadFileNameOrNumber.
int Close(int n);

// Closes every open number.
void Reset();

// Reads the next line of a file opened for Input, without its line end: CR
// LF, a lone LF or a lone CR. The last line may lack a line end. At the end
// of the file: errInputPastEnd, line untouched.
int LineInput(int n, std::string& line);

// Whether the file's position is at (or past) its end; true for a number
// that is not open.
bool Eof(int n);

// Writes text and CR LF (PrintLine), or text alone (PrintText), to a file
// opened for Output or Append. A short write gives errDiskFull.
int PrintLine(int n, const std::string& text);
int PrintText(int n, const std::string& text);

// The file's length in bytes; -1 when n is not open or the length cannot be
// read.
int64_t Lof(int n);

// Gives the open file n its creation, last access and last write times
// (FILETIME values). A write after it may move the last write time again.
int SetFileTimes(int n, uint64_t created, uint64_t accessed, uint64_t written);

// Gives the open file n the attributes of a plain file (read-only, hidden,
// system and archive cleared) through the open file, where the system can
// (Windows Vista on); errInvalidCall where it cannot, and the file must be
// named again once it is closed.
int ClearAttributes(int n);

// SetFileTimes and ClearAttributes in one request to the system, where it
// can (Windows Vista on); errInvalidCall where it cannot, and neither is done.
int SetTimesAndClearAttributes(int n, uint64_t created, uint64_t accessed, uint64_t written);

// Moves the position of the next read or write to position1 (1 = the first
// byte; past the end is allowed). Below 1: errBadRecordNumber.
int Seek(int n, int64_t position1);

// Reads up to len bytes at the position of a Binary file into buf; got
// tells how many came (fewer at the end of the file, which is no error).
int Get(int n, void* buf, size_t len, size_t& got);

// Writes len bytes at the position of a Binary file.
int Put(int n, const void* buf, size_t len);

// Reads the whole file, from its first byte, into text (a file opened for
// Input or Binary); the position is then the end. errOutOfMemory when the
// file does not fit in memory.
int ReadAll(int n, std::string& text);

// Kill: deletes a file. errFileNotFound when it is missing, errPathNotFound
// when its folder is, errPathFileAccess when it cannot be deleted (read-only,
// in use, a folder).
int Kill(const std::string& path);

// ChDir: makes folder the current folder (errPathNotFound when missing).
int SetCurrentFolder(const std::string& folder);

// ChDrive: makes the drive named by the first letter of drive the current
// one; an empty text does nothing. errDeviceUnavailable when there is no
// such drive.
int SetCurrentDrive(const std::string& drive);

// FileCopy: copies source over target (replacing it). Errors as for Open.
int FileCopy(const std::string& source, const std::string& target);

// MkDir and RmDir: create one folder (its parent must exist) and remove an
// empty one; errPathFileAccess when that fails.
int MakeFolder(const std::string& folder);
int RemoveFolder(const std::string& folder);

// Closes a file number when it goes out of scope, so that a procedure that
// opened it closes it on every path.
class FileNumberGuard {
 public:
  explicit FileNumberGuard(int n) : n_(n) {}
  ~FileNumberGuard() { Close(n_); }
  FileNumberGuard(const FileNumberGuard&) = delete;
  FileNumberGuard& operator=(const FileNumberGuard&) = delete;

 private:
  int n_;
};

// Calls visit with the name of every file (not folder) of folder, hidden and
// system files included, as the system lists them; a folder that cannot be
// listed visits nothing.
void ForEachFileIn(const std::string& folder, const std::function<void(const std::string& name)>& visit);

// Visits every name in folder, files and folders of any attributes alike,
// with the short name the system also answers to ("" when it has none);
// "." and ".." are not visited. Nothing when the folder cannot be listed.
void ForEachNameIn(const std::string& folder,
                   const std::function<void(const std::string& name, const std::string& shortName)>& visit);

}  // namespace tk
