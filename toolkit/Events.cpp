#include "toolkit/Events.h"

#include <cstdint>

#include "toolkit/Form.h"
#include "toolkit/Frames.h"
#include "toolkit/PictureBox.h"
#include "toolkit/Win.h"

namespace tk {

namespace {

int64_t g_lastProcessed = 0;  // performance counter ticks

int64_t Ticks() {
  LARGE_INTEGER counter;
  ::QueryPerformanceCounter(&counter);
  return counter.QuadPart;
}

int64_t TicksPerSecond() {
  static const int64_t frequency = [] {
    LARGE_INTEGER f;
    ::QueryPerformanceFrequency(&f);
    return f.QuadPart > 0 ? f.QuadPart : 1;
  }();
  return frequency;
}

bool YieldDue() { return Ticks() - g_lastProcessed >= TicksPerSecond() / 1000000.0 * kYieldFrameMicroseconds; }

}  // namespace

void DoEventsInBurst(const std::function<bool()>& ready) {
  if (YieldDue() && (!ready || ready())) DoEvents();
}

void DoEvents() {
  g_lastProcessed = Ticks();
  PictureBox::PresentPending();
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (Form::PreviewMessage(msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

int RunMessageLoop() {
  MSG msg;
  for (;;) {
    PictureBox::PresentPending();
    BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(msg.wParam);
    if (got == -1) return -1;
    if (Form::PreviewMessage(msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

}  // namespace tk
