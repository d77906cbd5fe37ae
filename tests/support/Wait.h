// Waiting in tests for something another thread or process brings about.
#pragma once

#include <chrono>
#include <functional>

namespace testsupport {

// Polls test() every `every` until it holds; false when the time runs out.
bool WaitFor(const std::function<bool()>& test, std::chrono::milliseconds timeout,
             std::chrono::milliseconds every = std::chrono::milliseconds(50));

}  // namespace testsupport
