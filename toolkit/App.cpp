#include "toolkit/App.h"

#include <optional>
#include <vector>

#include "toolkit/Win.h"

namespace tk {
namespace {

// The full path of the running program's file; "" when the system fails.
std::string ModuleFileName() {
  // Long paths can exceed MAX_PATH; grow the buffer up to the system's limit.
  for (DWORD size = MAX_PATH + 1; size <= 32768; size *= 2) {
    std::vector<char> buffer(size);
    const DWORD length = ::GetModuleFileNameA(nullptr, buffer.data(), size);
    if (length == 0) return "";
    if (length < size) return std::string(buffer.data(), length);
  }
  return "";
}

std::optional<std::string>& TitleSlot() {
  static std::optional<std::string> title;
  return title;
}

}  // namespace

std::string AppPath() {
  const std::string file = ModuleFileName();
  const size_t slash = file.find_last_of('\\');
  if (slash == std::string::npos) return "";
  std::string folder = file.substr(0, slash);
  if (folder.size() == 2 && folder[1] == ':') folder += '\\';
  return folder;
}

std::string AppEXEName() {
  const std::string file = ModuleFileName();
  const size_t slash = file.find_last_of('\\');
  std::string name = slash == std::string::npos ? file : file.substr(slash + 1);
  const size_t dot = name.find_last_of('.');
  if (dot != std::string::npos) name.erase(dot);
  return name;
}

std::string AppTitle() { return TitleSlot() ? *TitleSlot() : AppEXEName(); }

void SetAppTitle(const std::string& title) { TitleSlot() = title; }

std::string InstanceMarkName(const std::string& exeName) {
  std::string name = exeName;
  if (!name.empty()) ::CharUpperBuffA(name.data(), static_cast<DWORD>(name.size()));
  return "tk.Instance." + name;
}

bool AppPrevInstance() {
  static const bool answer = [] {
    const std::string markName = InstanceMarkName(AppEXEName());
    // Held, never closed, for the life of the process: the mark other
    // instances look for.
    const HANDLE mark = ::CreateMutexA(nullptr, FALSE, markName.c_str());
    const DWORD code = ::GetLastError();
    if (mark == nullptr) {
      // A mark that exists but may not be opened by us is still a mark.
      return code == ERROR_ACCESS_DENIED;
    }
    return code == ERROR_ALREADY_EXISTS;
  }();
  return answer;
}

}  // namespace tk
