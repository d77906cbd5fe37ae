#include "engine/SpecialFolder.h"

#include "toolkit/Win.h"

namespace SpecialFolder {
namespace {

// Owns an item-identifier list the shell allocated.
class ItemIdList {
 public:
  ItemIdList() = default;
  ItemIdList(const ItemIdList&) = delete;
  ItemIdList& operator=(const ItemIdList&) = delete;
  ~ItemIdList() { ::CoTaskMemFree(pidl_); }
  LPITEMIDLIST* out() { return &pidl_; }
  LPCITEMIDLIST get() const { return pidl_; }

 private:
  LPITEMIDLIST pidl_ = nullptr;
};

}  // namespace

std::string ShellFolderPath(int32_t csidl, uintptr_t ownerWindow) {
  ItemIdList list;
  const HWND owner = reinterpret_cast<HWND>(ownerWindow);
  if (::SHGetSpecialFolderLocation(owner, csidl, list.out()) != S_OK || !list.get()) return {};
  // The shell writes at most MAX_PATH characters with their NUL; the zeroed
  // buffer makes "wrote nothing" read as an empty path.
  char path[MAX_PATH + 1] = {};
  if (!::SHGetPathFromIDListA(list.get(), path)) return {};
  path[MAX_PATH] = '\0';
  return path;
}

std::string GetSpecialFolder(int32_t csidl) {
  // The classic owner value of this call: a number, not a live window.
  return ShellFolderPath(csidl, 100);
}

}  // namespace SpecialFolder
