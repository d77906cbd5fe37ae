#include "tests/support/Wait.h"

#include <thread>

namespace testsupport {

bool WaitFor(const std::function<bool()>& test, std::chrono::milliseconds timeout, std::chrono::milliseconds every) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (test()) return true;
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(every);
  }
}

}  // namespace testsupport
