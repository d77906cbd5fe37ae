// The Access runtime's stand-in where the program looks for the runtime:
// MSACCESS.EXE in "\OfficeRT" under Program Files. It records each command
// line it is started with in MSACCESS.log beside it. Put there for a test
// and taken away after it, with its folder when the test made that.
// Windows build only.
#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "tests/support/Driver.h"
#include "tests/support/Wait.h"
#include "toolkit/Win.h"

namespace testsupport {

class RuntimeStandIn {
 public:
  explicit RuntimeStandIn(const std::string& standInPath)
      : folder_(ShellFolder(CSIDL_PROGRAM_FILES) + "\\OfficeRT"), madeFolder_(!Exists(folder_)) {
    CreateDirectoryA(folder_.c_str(), nullptr);
    placed_ = CopyFileA(standInPath.c_str(), exe().c_str(), FALSE) != 0;
    DeleteFileA(log().c_str());
  }
  ~RuntimeStandIn() {
    if (madeFolder_) RemoveTree(folder_);
  }
  RuntimeStandIn(const RuntimeStandIn&) = delete;
  RuntimeStandIn& operator=(const RuntimeStandIn&) = delete;

  bool placed() const { return placed_; }
  std::string exe() const { return folder_ + "\\MSACCESS.EXE"; }

  // What it recorded, once a whole line of it is there (the stand-in makes
  // its log before it writes to it); nullopt when none came within timeout.
  std::optional<std::string> WaitLog(std::chrono::milliseconds timeout) const {
    std::optional<std::string> recorded;
    const bool whole = WaitFor(
        [&] {
          recorded = ReadFileBytes(log());
          return recorded && recorded->ends_with("\r\n");
        },
        timeout);
    return whole ? recorded : std::nullopt;
  }

 private:
  std::string log() const { return folder_ + "\\MSACCESS.log"; }

  std::string folder_;
  bool madeFolder_;
  bool placed_ = false;
};

}  // namespace testsupport
