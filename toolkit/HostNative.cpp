// The native build has no Windows to talk to: portable code that reaches the
// host there must run under a test's host that answers it.
#include <stdexcept>

#include "toolkit/Host.h"

namespace tk {
namespace {
[[noreturn]] void Fail() { throw std::logic_error("no host answers this call in the native build"); }

class NoHost final : public Host {
 public:
  int ShowMessageBox(const std::string&, int, const std::string&) override { Fail(); }
  void Beep() override { Fail(); }
  [[noreturn]] void EndProcess(unsigned) override { Fail(); }
  int SafeModeMetric() override { Fail(); }
  VersionFacts Version() override { Fail(); }
  bool RequestExitWindows(uint32_t, uint32_t) override { Fail(); }
  bool OpenProcessTokenForPrivileges(uintptr_t&) override { Fail(); }
  bool LookupShutdownPrivilege(uint64_t&) override { Fail(); }
  bool AdjustShutdownPrivilege(uintptr_t, uint64_t, bool) override { Fail(); }
  void CloseToken(uintptr_t) override { Fail(); }
  uint32_t DriveType(const std::string&) override { Fail(); }
  DriveSpace FreeSpace(const std::string&) override { Fail(); }
  VolumeFacts Volume(const std::string&) override { Fail(); }
  uint32_t WriteToFile(uintptr_t, const void*, uint32_t, uint32_t&) override { Fail(); }
};
}  // namespace

Host& DefaultHost() {
  static NoHost h;
  return h;
}
}  // namespace tk
