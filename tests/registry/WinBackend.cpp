// The tests' backend over the real registry and files, under Wine: a key of
// the test's own below HKEY_CURRENT_USER\Software, removed with all below it
// when the test ends.
#include <string>

#include "RegistryFixture.h"
#include "registry/RegFilesWin.h"
#include "registry/RegistryApiWin.h"
#include "toolkit/Owners.h"
#include "toolkit/Win.h"

namespace {
// Deletes parent\name and everything below it, with the plain Win32 calls.
void DeleteTree(HKEY parent, const std::string& name) {
  tk::RegKey key;
  if (::RegOpenKeyExA(parent, name.c_str(), 0, KEY_ALL_ACCESS, key.out()) != ERROR_SUCCESS) return;
  char sub[256];
  for (;;) {
    DWORD length = sizeof sub;
    if (::RegEnumKeyExA(key.get(), 0, sub, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    const std::string child(sub, length);
    DeleteTree(key.get(), child);
    // A child that would not go would be listed first forever.
    tk::RegKey still;
    if (::RegOpenKeyExA(key.get(), child.c_str(), 0, KEY_READ, still.out()) == ERROR_SUCCESS) break;
  }
  key.reset();
  ::RegDeleteKeyA(parent, name.c_str());
}

class WinBackend final : public TestBackend {
 public:
  WinBackend() : subKey_("Software\\SetupRegistryTest" + std::to_string(::GetCurrentProcessId())) {
    DeleteTree(HKEY_CURRENT_USER, subKey_);
  }
  ~WinBackend() override { DeleteTree(HKEY_CURRENT_USER, subKey_); }
  reg::Api& api() override { return registry_; }
  reg::Files& files() override { return files_; }
  std::string baseSubKey() const override { return subKey_; }

 private:
  std::string subKey_;
  reg::WinRegistryApi registry_;
  reg::WinRegFiles files_;
};
}  // namespace

std::unique_ptr<TestBackend> MakeTestBackend() { return std::make_unique<WinBackend>(); }
