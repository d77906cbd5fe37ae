// The registry text files on Windows: CreateFileA, ReadFile and WriteFile,
// and a FindFirstFileA listing for the existence test.
#pragma once

#include "registry/RegFiles.h"

namespace reg {

class WinRegFiles final : public Files {
 public:
  // A listing of path (which may be a pattern) that finds an entry neither
  // folder, hidden nor system.
  bool NormalFileExists(const std::string& path) override;
  bool Create(const std::string& path, const std::string& bytes) override;
  bool Append(const std::string& path, const std::string& bytes) override;
  bool ReadAll(const std::string& path, std::string& bytes) override;
};

}  // namespace reg
