#include "toolkit/Timer.h"

#include "toolkit/FormControl.h"

namespace tk {
namespace {

constexpr char kClassName[] = "VelmarindTimer";
constexpr UINT_PTR kTimerId = 1;

}  // namespace

TimerControl::~TimerControl() {
  if (!hwnd_) return;
  if (running_) ::KillTimer(hwnd_, kTimerId);
  ::DestroyWindow(hwnd_);
}

void TimerControl::SetInterval(int milliseconds) {
  interval_ = milliseconds > 0 ? milliseconds : 0;
  Apply();
}

void TimerControl::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Apply();
}

void TimerControl::Apply() {
  if (!enabled_ || interval_ <= 0) {
    if (running_ && hwnd_) ::KillTimer(hwnd_, kTimerId);
    running_ = false;
    return;
  }
  if (!hwnd_) {
    if (!RegisterWindowClass(kClassName, &TimerControl::WndProc, 0)) return;
    hwnd_ = ::CreateWindowExA(0, kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, ::GetModuleHandleA(nullptr),
                              this);
    if (!hwnd_) return;
  }
  running_ = ::SetTimer(hwnd_, kTimerId, static_cast<UINT>(interval_), nullptr) != 0;
}

void TimerControl::Tick() {
  // A tick generated before the timer was stopped may still be on its way.
  if (!running_ || inHandler_ || !Timer) return;
  inHandler_ = true;
  Timer();
  inHandler_ = false;
}

LRESULT CALLBACK TimerControl::WndProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* timer = static_cast<TimerControl*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
    ::SetWindowLongPtrA(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(timer));
  }
  auto* timer = reinterpret_cast<TimerControl*>(::GetWindowLongPtrA(h, GWLP_USERDATA));
  if (msg == WM_TIMER && wp == kTimerId && timer) {
    timer->Tick();
    return 0;
  }
  if (msg == WM_NCDESTROY) ::SetWindowLongPtrA(h, GWLP_USERDATA, 0);
  return ::DefWindowProcA(h, msg, wp, lp);
}

}  // namespace tk
