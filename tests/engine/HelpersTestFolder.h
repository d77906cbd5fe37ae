// For the Windows tests of the file helpers and the folder listing: a fresh
// folder in the temporary folder, filled with files and folders of given
// attributes, and removed with everything in it at the end.
#pragma once

#include <string>

#include "tests/support/Driver.h"
#include "toolkit/Win.h"

namespace helpers_test {

class ScratchFolder {
 public:
  // `name` and the process id in the temporary folder, or, with inTemp
  // false, the folder at the full path `name`.
  explicit ScratchFolder(const std::string& name, bool inTemp = true) : path_(name) {
    if (inTemp) path_ = testsupport::TempFolder() + name + std::to_string(::GetCurrentProcessId());
    testsupport::RemoveTree(path_);
    ::CreateDirectoryA(path_.c_str(), nullptr);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder() { testsupport::RemoveTree(path_); }

  // The folder, without a trailing "\".
  const std::string& path() const { return path_; }

  // Creates a file with `content`, then gives it `attributes`.
  std::string File(const std::string& name, DWORD attributes = FILE_ATTRIBUTE_ARCHIVE,
                   const std::string& content = "x") const {
    const std::string full = path_ + "\\" + name;
    testsupport::WriteFileBytes(full, content);
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
