// Waiting in tests for something another thread or process brings about,
// or for what this thread's own windows do once their events are handled.
#pragma once

#include <chrono>
#include <functional>

namespace testsupport {

// Polls test() every `every` until it holds; false when the time runs out.
bool WaitFor(const std::function<bool()>& test, std::chrono::milliseconds timeout,
             std::chrono::milliseconds every = std::chrono::milliseconds(50));

// Handles this thread's window events every 10 ms until done() holds; false
// when the time runs out.
bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);

// Handles this thread's window events every 10 ms for `time`, and once more
// at its end (drawing held back for a frame then reaches the windows).
void PumpFor(std::chrono::milliseconds time);

}  // namespace testsupport
