// For the Windows tests of the file helpers and the folder listing: a fresh
// folder in the temporary folder, filled with files and folders of given
// attributes, and removed with everything in it at the end.
#pragma once

#include <string>

#include "tests/support/Driver.h"
#include "toolkit/Win.h"

namespace helpers_test {

inline void RemoveTree(const std::string& path) {
  WIN32_FIND_DATAA data;
  HANDLE h = ::FindFirstFileA((path + "\\*").c_str(), &data);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = data.cFileName;
      if (name == "." || name == "..") continue;
      const std::string child = path + "\\" + name;
      ::SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(child);
      else
        ::DeleteFileA(child.c_str());
    } while (::FindNextFileA(h, &data));
    ::FindClose(h);
  }
  ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  ::RemoveDirectoryA(path.c_str());
}

class ScratchFolder {
 public:
  // `name` and the process id in the temporary folder, or, with inTemp
  // false, the folder at the full path `name`.
  explicit ScratchFolder(const std::string& name, bool inTemp = true) : path_(name) {
    if (inTemp) {
      char temp[MAX_PATH + 1] = {};
      ::GetTempPathA(MAX_PATH, temp);
      path_ = std::string(temp) + name + std::to_string(::GetCurrentProcessId());
    }
    RemoveTree(path_);
    ::CreateDirectoryA(path_.c_str(), nullptr);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder() { RemoveTree(path_); }

  // The folder, without a trailing "\".
  const std::string& path() const { return path_; }

  // Creates a file with `content`, then gives it `attributes`.
  std::string File(const std::string& name, DWORD attributes = FILE_ATTRIBUTE_ARCHIVE,
                   const std::string& content = "x") const {
    const std::string full = path_ + "\\" + name;
    HANDLE h = ::CreateFileA(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    ::WriteFile(h, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    ::CloseHandle(h);
    ::SetFileAttributesA(full.c_str(), attributes);
    return full;
  }

  // Creates a sub-folder, then adds `attributes` to its folder bit.
  std::string Folder(const std::string& name, DWORD attributes = 0) const {
    const std::string full = path_ + "\\" + name;
    ::CreateDirectoryA(full.c_str(), nullptr);
    if (attributes) ::SetFileAttributesA(full.c_str(), attributes | FILE_ATTRIBUTE_DIRECTORY);
    return full;
  }

 private:
  std::string path_;
};

using testsupport::Exists;

// A drive letter with nothing behind it, or '\0' when every letter is taken.
inline char FreeDriveLetter() {
  const DWORD used = ::GetLogicalDrives();
  for (int i = 25; i >= 3; --i)
    if (!(used & (1u << i))) return static_cast<char>('A' + i);
  return '\0';
}

}  // namespace helpers_test
