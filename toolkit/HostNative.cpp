// The native build has no Windows to talk to: portable code that reaches the
// host there must run under a test's host.
#include <stdexcept>

#include "toolkit/Host.h"

namespace tk {
namespace {
class NoHost final : public Host {
 public:
  int ShowMessageBox(const std::string&, int, const std::string&) override { Fail(); }
  void Beep() override { Fail(); }
  [[noreturn]] void EndProcess(unsigned) override { Fail(); }

 private:
  [[noreturn]] static void Fail() { throw std::logic_error("no host installed in the native build"); }
};
}  // namespace

Host& DefaultHost() {
  static NoHost h;
  return h;
}
}  // namespace tk
