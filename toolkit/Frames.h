// How often the toolkit brings work in progress to the screen and to the
// user: the two cadences every busy loop of the program (the unpacking, the
// copy) runs at. Windows build only.
#pragma once

#include <cstdint>

namespace tk {

// Drawing marked on a form or a picture box reaches the window at most this
// often (milliseconds); a frame's later changes wait for the frame's end.
inline constexpr uint32_t kRepaintFrameMs = 30;

// Inside a burst of work, pending window events are handled at most this
// often (microseconds): a click waits no longer than this (and one step of
// the work), which nobody notices, while asking the system whether anything
// is pending costs under Wine as much as handling it.
inline constexpr int64_t kYieldFrameMicroseconds = 5000;

}  // namespace tk
