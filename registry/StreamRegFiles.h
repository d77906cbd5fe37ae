// The registry text files over the standard streams (the native build).
#pragma once

#include "registry/RegFiles.h"

namespace reg {

class StreamRegFiles final : public Files {
 public:
  bool NormalFileExists(const std::string& path) override;
  bool Create(const std::string& path, const std::string& bytes) override;
  bool Append(const std::string& path, const std::string& bytes) override;
  bool ReadAll(const std::string& path, std::string& bytes) override;
};

}  // namespace reg
