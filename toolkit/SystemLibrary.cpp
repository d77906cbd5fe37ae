#include "toolkit/SystemLibrary.h"

#include <vector>

namespace tk {

std::string SystemFolderPath() {
  std::vector<char> buffer(MAX_PATH + 1);
  UINT n = ::GetSystemDirectoryA(buffer.data(), static_cast<UINT>(buffer.size()));
  if (n >= buffer.size()) {
    buffer.resize(n + 1);
    n = ::GetSystemDirectoryA(buffer.data(), static_cast<UINT>(buffer.size()));
  }
  if (n == 0 || n >= buffer.size()) return {};
  return std::string(buffer.data(), n);
}

HMODULE LoadSystemLibrary(const char* fileName) {
  const std::string folder = SystemFolderPath();
  if (folder.empty()) return nullptr;
  const std::string path = folder + "\\" + fileName;
  // The altered search order starts at the library's own folder for what
  // it imports in turn, not at the program's.
  return ::LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

bool LimitLibrarySearchToSystemFolder() {
  using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
  constexpr DWORD kSearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32
  // kernel32 is always loaded, and always the system's.
  const HMODULE kernel = ::GetModuleHandleA("kernel32.dll");
  if (kernel == nullptr) return false;
  const auto limit = ProcAddress<SetDefaultDllDirectoriesFn>(kernel, "SetDefaultDllDirectories");
  return limit != nullptr && limit(kSearchSystem32);
}

}  // namespace tk
