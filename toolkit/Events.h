// Yielding to pending window events, and the program's message loop.
#pragma once

#include <functional>

namespace tk {

// Processes every message pending for this thread and returns. Safe to call
// from inside a window procedure (the handlers it runs may call it again).
// A WM_QUIT met here is posted again so that the outer loop still sees it.
void DoEvents();

// A yield inside a burst of work (before every block of a copy): does what
// DoEvents does when a yield frame (toolkit/Frames.h) or more has passed
// since events were last processed, and nothing otherwise. With `ready`, it
// is called first when a yield is due, and the yield comes only when it
// returns true: the work brings its state up to date for whatever the
// handlers of the yield may see, and may withhold the yield when it could
// not.
void DoEventsInBurst(const std::function<bool()>& ready = {});

// Runs the thread's message loop until WM_QUIT; returns its exit code.
int RunMessageLoop();

}  // namespace tk
