#include "tests/support/Wait.h"

#include <thread>

#include "toolkit/Events.h"

namespace testsupport {

bool WaitFor(const std::function<bool()>& test, std::chrono::milliseconds timeout, std::chrono::milliseconds every) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (test()) return true;
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(every);
  }
}

bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
  return WaitFor(
      [&] {
        tk::DoEvents();
        return done();
      },
      timeout, std::chrono::milliseconds(10));
}

void PumpFor(std::chrono::milliseconds time) {
  PumpUntil([] { return false; }, time);
  tk::DoEvents();
}

}  // namespace testsupport
