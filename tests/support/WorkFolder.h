// A scratch work folder of the kind the launcher leaves: the setup files at
// its top, the payload in "files". Windows build only.
#pragma once

#include <string>
#include <vector>

#include "tests/support/Driver.h"
#include "toolkit/Win.h"
#include "wizard/StartupTexts.h"

namespace testsupport {

// Setup.dip lines with their labels, each value at its column.
inline std::string SetupDipText(const std::vector<std::string>& values) {
  static const size_t widths[] = {5, 17, 13, 14, 8, 13, 11, 9, 9, 9, 9};
  std::string text;
  for (size_t i = 0; i < values.size(); ++i) {
    const size_t width = i < 11 ? widths[i] : 7;
    text += std::string(width, '.') + values[i] + "\r\n";
  }
  return text;
}

class ScratchWork {
 public:
  // Makes C:\<area>\<name>\work with its "files" folder.
  ScratchWork(const std::string& area, const std::string& name)
      : root_("C:\\" + area + "\\" + name), work_(root_ + "\\work") {
    RemoveTree(root_);
    CreateDirectoryA(("C:\\" + area).c_str(), nullptr);
    CreateDirectoryA(root_.c_str(), nullptr);
    CreateDirectoryA(work_.c_str(), nullptr);
    CreateDirectoryA((work_ + "\\files").c_str(), nullptr);
  }
  ~ScratchWork() {
    SetCurrentDirectoryA("C:\\");
    RemoveTree(root_);
  }
  ScratchWork(const ScratchWork&) = delete;
  ScratchWork& operator=(const ScratchWork&) = delete;

  const std::string& work() const { return work_; }
  bool Write(const std::string& relative, const std::string& bytes) const {
    return WriteFileBytes(work_ + "\\" + relative, bytes);
  }
  // Every setup file the wizard's start-up looks for, each holding "x".
  bool WriteSetupFiles() const {
    for (const char* name : StartupTexts::RequiredFiles)
      if (!Write(name, "x")) return false;
    return true;
  }

 private:
  std::string root_, work_;
};

}  // namespace testsupport
