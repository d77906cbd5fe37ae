#include "tools/standins/CommandLog.h"

#include <cstdio>
#include <memory>
#include <string>

#include "toolkit/Win.h"

namespace standins {
namespace {

// The folder of the running program, with its final "\"; "" when unknown.
std::string OwnFolder() {
  std::string path(32768, '\0');
  const DWORD n = ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
  if (n == 0 || n >= path.size()) return {};
  path.resize(n);
  const size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

struct CloseFile {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

bool AppendCommandLine(const char* logName) {
  const std::string folder = OwnFolder();
  if (folder.empty()) return false;
  std::unique_ptr<std::FILE, CloseFile> log(std::fopen((folder + logName).c_str(), "ab"));
  if (!log) return false;
  const std::string line = std::string(::GetCommandLineA()) + "\r\n";
  const bool written = std::fwrite(line.data(), 1, line.size(), log.get()) == line.size();
  return std::fclose(log.release()) == 0 && written;
}

}  // namespace standins
