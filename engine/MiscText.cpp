// The parts of Misc that only compute.
#include "engine/Misc.h"

namespace Misc {

std::string GetFileName(const std::string& path) {
  const std::size_t slash = path.rfind('\\');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string GetFolderPart(const std::string& path) {
  const std::size_t last = path.find_last_of("\\:");
  if (last == std::string::npos || path.front() == ':') return {};
  return path.substr(0, last + 1);
}

std::string TrimAtNull(const std::string& text) {
  const std::size_t nul = text.find('\0');
  return nul == std::string::npos ? text : text.substr(0, nul);
}

std::string AppPathOf(const std::string& modulePath) {
  const std::size_t slash = modulePath.rfind('\\');
  return slash == std::string::npos ? std::string() : modulePath.substr(0, slash);
}

std::string SetupProgramPath(const std::string& modulePath) {
  std::string name = GetFileName(modulePath);
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.resize(dot);
  return AppPathOf(modulePath) + "\\" + name + ".Exe";
}

}  // namespace Misc
