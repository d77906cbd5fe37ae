// The file operations of the registry text export and import, as an
// interface: on Windows over CreateFileA and FindFirstFileA (RegFilesWin),
// elsewhere over the standard streams (StreamRegFiles), and in memory for the
// fuzz target (MemoryRegFiles). Contents are bytes, written and read as they
// are.
#pragma once

#include <string>

namespace reg {

class Files {
 public:
  virtual ~Files() = default;

  // True when a listing of path finds a normal file: not a folder, and on
  // Windows neither hidden nor system.
  virtual bool NormalFileExists(const std::string& path) = 0;

  // Creates path (emptying an existing file) holding bytes. False when the
  // file cannot be created or written; what was written stays.
  virtual bool Create(const std::string& path, const std::string& bytes) = 0;

  // Appends bytes to path, creating it when missing. False on failure.
  virtual bool Append(const std::string& path, const std::string& bytes) = 0;

  // The whole contents of path. False when it cannot be read.
  virtual bool ReadAll(const std::string& path, std::string& bytes) = 0;
};

}  // namespace reg
