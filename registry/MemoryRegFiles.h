// Registry text files held in memory, by exact path (the fuzz target's).
#pragma once

#include <map>
#include <string>

#include "registry/RegFiles.h"

namespace reg {

class MemoryRegFiles final : public Files {
 public:
  std::map<std::string, std::string> files;

  bool NormalFileExists(const std::string& path) override { return files.count(path) != 0; }
  bool Create(const std::string& path, const std::string& bytes) override {
    files[path] = bytes;
    return true;
  }
  bool Append(const std::string& path, const std::string& bytes) override {
    files[path] += bytes;
    return true;
  }
  bool ReadAll(const std::string& path, std::string& bytes) override {
    auto it = files.find(path);
    if (it == files.end()) return false;
    bytes = it->second;
    return true;
  }
};

}  // namespace reg
