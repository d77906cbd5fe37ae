#include "toolkit/Files.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <new>

#include "toolkit/Host.h"
#include "toolkit/Owners.h"
#include "toolkit/Win.h"

namespace tk {
namespace {

constexpr int kHighestNumber = 255;
// Input files read ahead in blocks of this size.
constexpr DWORD kBlock = 64 * 1024;
// Reads and writes of other modes go to the system in pieces of at most this
// many bytes (some network redirectors refuse much larger ones).
constexpr DWORD kPiece = 1024 * 1024;

struct NumberedFile {
  FileHandle handle;
  OpenMode mode = OpenMode::Input;
  std::unique_ptr<char[]> readAhead;  // Input only
  DWORD aheadLength = 0;
  DWORD aheadPos = 0;

  bool HasAhead() const { return aheadPos < aheadLength; }
  void DropAhead() { aheadLength = aheadPos = 0; }
};

std::array<std::unique_ptr<NumberedFile>, kHighestNumber + 1>& Table() {
  static std::array<std::unique_ptr<NumberedFile>, kHighestNumber + 1> table;
  return table;
}

// The classic error number for a failed file operation.
int ErrorFromSystem(DWORD code) {
  switch (code) {
    case ERROR_FILE_NOT_FOUND:
      return errFileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
      return errPathNotFound;
    case ERROR_INVALID_DRIVE:
    case ERROR_NOT_READY:
    case ERROR_DEV_NOT_EXIST:
      return errDeviceUnavailable;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return errPermissionDenied;
    case ERROR_TOO_MANY_OPEN_FILES:
      return errTooManyFiles;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return errDiskFull;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
      return errBadFileNameOrNumber;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
      return errOutOfMemory;
    default:
      return errPathFileAccess;
  }
}

int LastError() { return ErrorFromSystem(::GetLastError()); }

// The open file under n, or the error for a number out of range or not open.
int Lookup(int n, NumberedFile*& file) {
  if (n < 1 || n > kHighestNumber || !Table()[n]) return errBadFileNameOrNumber;
  file = Table()[n].get();
  return errNone;
}

int LookupInMode(int n, NumberedFile*& file, OpenMode a, OpenMode b) {
  if (const int error = Lookup(n, file)) return error;
  return file->mode == a || file->mode == b ? errNone : errBadFileMode;
}

HANDLE CreateShared(const std::string& path, DWORD access, DWORD disposition) {
  return ::CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, disposition,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

HANDLE CreateForMode(const std::string& path, OpenMode mode) {
  switch (mode) {
    case OpenMode::Input:
      return CreateShared(path, GENERIC_READ, OPEN_EXISTING);
    case OpenMode::Output:
      return CreateShared(path, GENERIC_WRITE, CREATE_ALWAYS);
    case OpenMode::Append:
      return CreateShared(path, GENERIC_WRITE, OPEN_ALWAYS);
    case OpenMode::Binary:
      break;
  }
  HANDLE h = CreateShared(path, GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS);
  if (h == INVALID_HANDLE_VALUE) {
    const DWORD code = ::GetLastError();
    // A file that refuses writing (read-only, on a read-only medium, or held
    // by another program that lets others only read it) still opens, for
    // reading, as the classic runtime's Binary mode did.
    if (code == ERROR_ACCESS_DENIED || code == ERROR_WRITE_PROTECT || code == ERROR_SHARING_VIOLATION) {
      h = CreateShared(path, GENERIC_READ, OPEN_EXISTING);
    }
  }
  return h;
}

int MoveTo(NumberedFile& f, int64_t offset, DWORD origin) {
  LARGE_INTEGER distance;
  distance.QuadPart = offset;
  f.DropAhead();
  return ::SetFilePointerEx(f.handle.get(), distance, nullptr, origin) ? errNone : LastError();
}

// The position of the next byte the caller reads or writes.
bool PositionOf(const NumberedFile& f, int64_t& position) {
  LARGE_INTEGER zero{}, now{};
  if (!::SetFilePointerEx(f.handle.get(), zero, &now, FILE_CURRENT)) return false;
  position = now.QuadPart - (f.aheadLength - f.aheadPos);
  return true;
}

bool LengthOf(const NumberedFile& f, int64_t& length) {
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(f.handle.get(), &size)) return false;
  length = size.QuadPart;
  return true;
}

// Reads up to len bytes in pieces; got counts what came before the end.
int ReadBytes(NumberedFile& f, char* buffer, size_t len, size_t& got) {
  got = 0;
  while (got < len) {
    const DWORD piece = static_cast<DWORD>(std::min<size_t>(len - got, kPiece));
    DWORD read = 0;
    if (!::ReadFile(f.handle.get(), buffer + got, piece, &read, nullptr)) return LastError();
    if (read == 0) break;
    got += read;
  }
  return errNone;
}

int WriteBytes(NumberedFile& f, const char* data, size_t len) {
  size_t done = 0;
  while (done < len) {
    const DWORD piece = static_cast<DWORD>(std::min<size_t>(len - done, kPiece));
    uint32_t written = 0;
    const auto file = reinterpret_cast<uintptr_t>(f.handle.get());
    if (const uint32_t code = host().WriteToFile(file, data + done, piece, written)) return ErrorFromSystem(code);
    if (written != piece) return errDiskFull;
    done += written;
  }
  return errNone;
}

int FillAhead(NumberedFile& f) {
  f.DropAhead();
  if (!::ReadFile(f.handle.get(), f.readAhead.get(), kBlock, &f.aheadLength, nullptr)) {
    f.aheadLength = 0;
    return LastError();
  }
  return errNone;
}

int Print(int n, const std::string& text) {
  NumberedFile* f = nullptr;
  if (const int error = LookupInMode(n, f, OpenMode::Output, OpenMode::Append)) return error;
  return WriteBytes(*f, text.data(), text.size());
}

}  // namespace

int FreeFile() {
  for (int n = 1; n <= kHighestNumber; ++n) {
    if (!Table()[n]) return n;
  }
  return 0;
}

bool IsOpen(int n) { return n >= 1 && n <= kHighestNumber && Table()[n] != nullptr; }

namespace {

// Opens under number n in mode the handle that create makes.
template <typename Create>
int OpenUnder(const std::string& path, OpenMode mode, int n, Create create) {
  if (n < 1 || n > kHighestNumber || path.empty()) return errBadFileNameOrNumber;
  if (Table()[n]) return errFileAlreadyOpen;

  std::unique_ptr<NumberedFile> file(new (std::nothrow) NumberedFile);
  if (!file) return errOutOfMemory;
  file->mode = mode;
  if (mode == OpenMode::Input) {
    file->readAhead.reset(new (std::nothrow) char[kBlock]);
    if (!file->readAhead) return errOutOfMemory;
  }
  const HANDLE h = create();
  if (h == INVALID_HANDLE_VALUE) return LastError();
  file->handle.reset(h);
  if (mode == OpenMode::Append) {
    if (const int error = MoveTo(*file, 0, FILE_END)) return error;
  }
  Table()[n] = std::move(file);
  return errNone;
}

}  // namespace

int Open(const std::string& path, OpenMode mode, int n) {
  return OpenUnder(path, mode, n, [&] { return CreateForMode(path, mode); });
}

int OpenAnew(const std::string& path, int n) {
  return OpenUnder(path, OpenMode::Binary, n,
                   [&] { return CreateShared(path, GENERIC_READ | GENERIC_WRITE, CREATE_ALWAYS); });
}

int OpenNew(const std::string& path, int n) {
  int taken = errNone;
  const int error = OpenUnder(path, OpenMode::Binary, n, [&] {
    FileHandle file(CreateShared(path, GENERIC_READ | GENERIC_WRITE, CREATE_NEW));
    if (!file.valid()) {
      const DWORD code = ::GetLastError();
      if (code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS) taken = errFileAlreadyExists;
      return file.release();
    }
    ::SetEndOfFile(file.get());  // nothing to cut: only the system's cue
    return file.release();
  });
  return error != errNone && taken != errNone ? taken : error;
}

int OpenScratchOutput(const std::string& path, int n) {
  return OpenUnder(path, OpenMode::Output, n, [&] {
    FileHandle file(CreateShared(path, GENERIC_WRITE, OPEN_ALWAYS));
    if (file.valid() && ::GetLastError() == ERROR_ALREADY_EXISTS && !::SetEndOfFile(file.get())) {
      const DWORD code = ::GetLastError();
      file.reset();
      ::SetLastError(code);
    }
    return file.release();
  });
}

int Close(int n) {
  if (n < 1 || n > kHighestNumber) return errBadFileNameOrNumber;
  Table()[n].reset();
  return errNone;
}

void Reset() {
  for (auto& file : Table()) file.reset();
}

int LineInput(int n, std::string& line) {
  NumberedFile* f = nullptr;
  if (const int error = LookupInMode(n, f, OpenMode::Input, OpenMode::Input)) return error;
  std::string text;
  bool any = false;
  for (;;) {
    if (!f->HasAhead()) {
      if (const int error = FillAhead(*f)) return error;
      if (!f->HasAhead()) break;
    }
    const char* start = f->readAhead.get() + f->aheadPos;
    const size_t available = f->aheadLength - f->aheadPos;
    size_t length = 0;
    while (length < available && start[length] != '\r' && start[length] != '\n') ++length;
    any = true;
    text.append(start, length);
    f->aheadPos += static_cast<DWORD>(length);
    if (length == available) continue;

    const char end = start[length];
    ++f->aheadPos;
    if (end == '\r') {
      // CR LF is one line end, even when the LF lies in the next block. A
      // failed read here still gives this line; the next call reports it.
      if (!f->HasAhead() && FillAhead(*f) != errNone) break;
      if (f->HasAhead() && f->readAhead[f->aheadPos] == '\n') ++f->aheadPos;
    }
    break;
  }
  if (!any) return errInputPastEnd;
  line = std::move(text);
  return errNone;
}

bool Eof(int n) {
  NumberedFile* f = nullptr;
  if (Lookup(n, f) != errNone) return true;
  if (f->HasAhead()) return false;
  int64_t position = 0, length = 0;
  if (!PositionOf(*f, position) || !LengthOf(*f, length)) return true;
  return position >= length;
}

int PrintLine(int n, const std::string& text) { return Print(n, text + "\r\n"); }

int PrintText(int n, const std::string& text) { return Print(n, text); }

int64_t Lof(int n) {
  NumberedFile* f = nullptr;
  int64_t length = 0;
  if (Lookup(n, f) != errNone || !LengthOf(*f, length)) return -1;
  return length;
}

int SetFileTimes(int n, uint64_t created, uint64_t accessed, uint64_t written) {
  NumberedFile* f = nullptr;
  if (const int error = Lookup(n, f)) return error;
  auto filetime = [](uint64_t t) {
    FILETIME ft;
    ft.dwLowDateTime = static_cast<DWORD>(t & 0xFFFFFFFFu);
    ft.dwHighDateTime = static_cast<DWORD>(t >> 32);
    return ft;
  };
  const FILETIME c = filetime(created), a = filetime(accessed), w = filetime(written);
  return ::SetFileTime(f->handle.get(), &c, &a, &w) ? errNone : LastError();
}

namespace {

// The basic facts of a file as the system takes them by handle; a time of 0
// leaves that time as it is.
struct BasicFacts {
  LARGE_INTEGER created, accessed, written, changed;
  DWORD attributes;
};
static_assert(sizeof(BasicFacts) == 40, "the system's layout of the basic facts");
constexpr int kBasicFactsClass = 0;  // of the by-handle information classes
using SetByHandleFn = BOOL(WINAPI*)(HANDLE, int, void*, DWORD);

// The system's setter of facts by handle, or null before Windows Vista.
SetByHandleFn SetByHandle() {
  static const SetByHandleFn set = [] {
    const HMODULE kernel = ::GetModuleHandleA("kernel32.dll");
    return kernel ? reinterpret_cast<SetByHandleFn>(
                        reinterpret_cast<void*>(::GetProcAddress(kernel, "SetFileInformationByHandle")))
                  : nullptr;
  }();
  return set;
}

}  // namespace

int ClearAttributes(int n) { return SetTimesAndClearAttributes(n, 0, 0, 0); }

int SetTimesAndClearAttributes(int n, uint64_t created, uint64_t accessed, uint64_t written) {
  NumberedFile* f = nullptr;
  if (const int error = Lookup(n, f)) return error;
  const SetByHandleFn set = SetByHandle();
  if (!set) return errInvalidCall;
  BasicFacts facts{};
  facts.created.QuadPart = static_cast<LONGLONG>(created);
  facts.accessed.QuadPart = static_cast<LONGLONG>(accessed);
  facts.written.QuadPart = static_cast<LONGLONG>(written);
  facts.attributes = FILE_ATTRIBUTE_NORMAL;
  return set(f->handle.get(), kBasicFactsClass, &facts, sizeof facts) ? errNone : LastError();
}

int Seek(int n, int64_t position1) {
  NumberedFile* f = nullptr;
  if (const int error = Lookup(n, f)) return error;
  if (position1 < 1) return errBadRecordNumber;
  return MoveTo(*f, position1 - 1, FILE_BEGIN);
}

int Get(int n, void* buf, size_t len, size_t& got) {
  got = 0;
  NumberedFile* f = nullptr;
  if (const int error = LookupInMode(n, f, OpenMode::Binary, OpenMode::Binary)) return error;
  return ReadBytes(*f, static_cast<char*>(buf), len, got);
}

int Put(int n, const void* buf, size_t len) {
  NumberedFile* f = nullptr;
  if (const int error = LookupInMode(n, f, OpenMode::Binary, OpenMode::Binary)) return error;
  return WriteBytes(*f, static_cast<const char*>(buf), len);
}

int ReadAll(int n, std::string& text) {
  NumberedFile* f = nullptr;
  if (const int error = LookupInMode(n, f, OpenMode::Input, OpenMode::Binary)) return error;
  int64_t length = 0;
  if (!LengthOf(*f, length)) return LastError();
  if (static_cast<uint64_t>(length) > text.max_size()) return errOutOfMemory;
  if (const int error = MoveTo(*f, 0, FILE_BEGIN)) return error;
  std::string bytes;
  try {
    bytes.resize(static_cast<size_t>(length));
  } catch (const std::bad_alloc&) {
    return errOutOfMemory;
  }
  size_t got = 0;
  if (const int error = ReadBytes(*f, bytes.data(), bytes.size(), got)) return error;
  bytes.resize(got);  // the file may have shrunk meanwhile
  text = std::move(bytes);
  return errNone;
}

int Kill(const std::string& path) {
  if (path.empty()) return errBadFileNameOrNumber;
  if (::DeleteFileA(path.c_str())) return errNone;
  const DWORD code = ::GetLastError();
  if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND || code == ERROR_INVALID_NAME) {
    return ErrorFromSystem(code);
  }
  return errPathFileAccess;
}

int SetCurrentFolder(const std::string& folder) {
  if (folder.empty()) return errBadFileNameOrNumber;
  if (::SetCurrentDirectoryA(folder.c_str())) return errNone;
  const DWORD code = ::GetLastError();
  if (code == ERROR_FILE_NOT_FOUND || code == ERROR_DIRECTORY) return errPathNotFound;
  return ErrorFromSystem(code);
}

int SetCurrentDrive(const std::string& drive) {
  if (drive.empty()) return errNone;
  const char letter = static_cast<char>(drive[0] & ~0x20);  // upper case for a-z
  if (letter < 'A' || letter > 'Z') return errDeviceUnavailable;
  if ((::GetLogicalDrives() & (1u << (letter - 'A'))) == 0) return errDeviceUnavailable;
  const char root[3] = {letter, ':', '\0'};
  return ::SetCurrentDirectoryA(root) ? errNone : errDeviceUnavailable;
}

int FileCopy(const std::string& source, const std::string& target) {
  if (source.empty() || target.empty()) return errBadFileNameOrNumber;
  return ::CopyFileA(source.c_str(), target.c_str(), FALSE) ? errNone : LastError();
}

int MakeFolder(const std::string& folder) {
  if (folder.empty()) return errBadFileNameOrNumber;
  return ::CreateDirectoryA(folder.c_str(), nullptr) ? errNone : errPathFileAccess;
}

int RemoveFolder(const std::string& folder) {
  if (folder.empty()) return errBadFileNameOrNumber;
  return ::RemoveDirectoryA(folder.c_str()) ? errNone : errPathFileAccess;
}

namespace {

// Calls visit with what the system lists under pattern, "." and ".." left
// out.
void ForEachFound(const std::string& pattern, const std::function<void(WIN32_FIND_DATAA& found)>& visit) {
  WIN32_FIND_DATAA found;
  const FindHandle listing(::FindFirstFileA(pattern.c_str(), &found));
  if (!listing) return;
  do {
    found.cFileName[MAX_PATH - 1] = '\0';
    found.cAlternateFileName[13] = '\0';
    if (std::strcmp(found.cFileName, ".") != 0 && std::strcmp(found.cFileName, "..") != 0) visit(found);
  } while (::FindNextFileA(listing.get(), &found));
}

}  // namespace

void ForEachFileIn(const std::string& folder, const std::function<void(const std::string& name)>& visit) {
  ForEachFound(folder + "\\*.*", [&](WIN32_FIND_DATAA& found) {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) visit(found.cFileName);
  });
}

void ForEachNameIn(const std::string& folder,
                   const std::function<void(const std::string& name, const std::string& shortName)>& visit) {
  ForEachFound(folder + "\\*", [&](WIN32_FIND_DATAA& found) { visit(found.cFileName, found.cAlternateFileName); });
}

}  // namespace tk
