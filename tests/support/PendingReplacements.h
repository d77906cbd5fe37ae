// What a deferred replacement leaves on the machine, for tests that defer
// one: a file held open as another program holds it, and the two lists of
// replacements at the next start of Windows (wininit.ini in the Windows
// folder, and the NT family's PendingFileRenameOperations), each put aside
// for a case and restored after it. Windows build only.
#pragma once

#include <optional>
#include <string>

#include "engine/ProgramManager.h"
#include "tests/support/Driver.h"
#include "toolkit/Owners.h"
#include "toolkit/Win.h"

namespace testsupport {

// Holds a file open as a running program holds it: by default for reading
// without any sharing, as a program holds its image.
class HeldOpen {
 public:
  explicit HeldOpen(const std::string& path, DWORD share = 0, DWORD access = GENERIC_READ)
      : file_(::CreateFileA(path.c_str(), access, share, nullptr, OPEN_EXISTING, 0, nullptr)) {}
  bool held() const { return file_.valid(); }
  // Lets the file go before the end of the scope.
  void Release() { file_.reset(); }

 private:
  tk::FileHandle file_;
};

// The prefix's wininit.ini, put aside for a case and restored after it.
class WininitAside {
 public:
  WininitAside() : path_(ProgramManager::GetWindowsDir() + "\\wininit.ini"), saved_(ReadFileBytes(path_)) {
    ::DeleteFileA(path_.c_str());
  }
  ~WininitAside() {
    ::DeleteFileA(path_.c_str());
    if (saved_) WriteFileBytes(path_, *saved_);
  }
  WininitAside(const WininitAside&) = delete;
  WininitAside& operator=(const WininitAside&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
  std::optional<std::string> saved_;
};

// The NT family's list of renames at the next start, put aside for a case
// and restored after it. Read() gives the value's bytes as ANSI text.
class PendingRenamesAside {
 public:
  PendingRenamesAside() {
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\Session Manager", 0,
                        KEY_QUERY_VALUE | KEY_SET_VALUE, key_.out()) != ERROR_SUCCESS)
      key_.release();
    saved_ = Read();
    if (key_) ::RegDeleteValueA(key_.get(), kName);
  }
  ~PendingRenamesAside() {
    if (!key_) return;
    if (saved_)
      ::RegSetValueExA(key_.get(), kName, 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(saved_->data()),
                       static_cast<DWORD>(saved_->size()));
    else
      ::RegDeleteValueA(key_.get(), kName);
  }
  PendingRenamesAside(const PendingRenamesAside&) = delete;
  PendingRenamesAside& operator=(const PendingRenamesAside&) = delete;
  std::optional<std::string> Read() const {
    std::string data(65536, '\0');
    DWORD size = static_cast<DWORD>(data.size());
    if (!key_ || ::RegQueryValueExA(key_.get(), kName, nullptr, nullptr, reinterpret_cast<BYTE*>(data.data()), &size) !=
                     ERROR_SUCCESS)
      return std::nullopt;
    data.resize(size);
    return data;
  }

 private:
  static constexpr const char* kName = "PendingFileRenameOperations";
  tk::RegKey key_;
  std::optional<std::string> saved_;
};

}  // namespace testsupport
