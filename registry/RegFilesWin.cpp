#include "registry/RegFilesWin.h"

#include <algorithm>

#include "toolkit/Owners.h"
#include "toolkit/Win.h"

namespace reg {
namespace {
bool WriteAll(HANDLE file, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return true;
}

bool WriteFileWith(const std::string& path, const std::string& bytes, DWORD disposition, bool atEnd) {
  tk::FileHandle file(
      ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return false;
  if (atEnd && ::SetFilePointer(file.get(), 0, nullptr, FILE_END) == INVALID_SET_FILE_POINTER &&
      ::GetLastError() != NO_ERROR) {
    return false;
  }
  if (!WriteAll(file.get(), bytes)) return false;
  return file.close();
}
}  // namespace

bool WinRegFiles::NormalFileExists(const std::string& path) {
  WIN32_FIND_DATAA found;
  tk::FindHandle find(::FindFirstFileA(path.c_str(), &found));
  if (!find.valid()) return false;
  const DWORD notNormal = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  do {
    if ((found.dwFileAttributes & notNormal) == 0) return true;
  } while (::FindNextFileA(find.get(), &found));
  return false;
}

bool WinRegFiles::Create(const std::string& path, const std::string& bytes) {
  return WriteFileWith(path, bytes, CREATE_ALWAYS, false);
}

bool WinRegFiles::Append(const std::string& path, const std::string& bytes) {
  return WriteFileWith(path, bytes, OPEN_ALWAYS, true);
}

bool WinRegFiles::ReadAll(const std::string& path, std::string& bytes) {
  tk::FileHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return false;
  LARGE_INTEGER size;
  if (!::GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 ||
      static_cast<unsigned long long>(size.QuadPart) > bytes.max_size()) {
    return false;
  }
  std::string contents(static_cast<size_t>(size.QuadPart), '\0');
  size_t done = 0;
  while (done < contents.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(contents.size() - done, 1u << 20));
    DWORD read = 0;
    if (!::ReadFile(file.get(), contents.data() + done, chunk, &read, nullptr)) return false;
    if (read == 0) break;  // the file shrank meanwhile
    done += read;
  }
  contents.resize(done);
  bytes = std::move(contents);
  return true;
}

}  // namespace reg
