// The classic Timer control: while it is enabled and its interval is above
// 0 it runs its Timer event every Interval milliseconds, from the thread's
// message loop (DoEvents, a modal form, the program's loop). It needs no
// form: a hidden message window of its own receives the system timer.
//
// Named TimerControl because tk::Timer is the runtime's clock (Clock.h).
#pragma once

#include <functional>

#include "toolkit/Win.h"

namespace tk {

class TimerControl {
 public:
  TimerControl() = default;
  ~TimerControl();
  TimerControl(const TimerControl&) = delete;
  TimerControl& operator=(const TimerControl&) = delete;

  // Milliseconds between events; 0 (or less) stops the timer. A change
  // while it runs starts the interval again.
  int Interval() const { return interval_; }
  void SetInterval(int milliseconds);
  // Enabled by default; a disabled timer runs no more events.
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // True while the system timer is set.
  bool Running() const { return running_; }

  // The event. A tick that comes while the handler still runs (it yields to
  // events) is dropped rather than run inside it.
  std::function<void()> Timer;

 private:
  static LRESULT CALLBACK WndProc(HWND, UINT, WPARAM, LPARAM);
  void Apply();
  void Tick();

  HWND hwnd_ = nullptr;
  int interval_ = 0;
  bool enabled_ = true;
  bool running_ = false;
  bool inHandler_ = false;
};

}  // namespace tk
