#include "toolkit/Screen.h"

#include <cmath>

#include "toolkit/Gdi.h"

namespace tk {
namespace {

int g_pointer = vbDefault;

int TwipsPerPixel(int axis) {
  WindowDC screen(nullptr);
  int dpi = screen.get() ? ::GetDeviceCaps(screen.get(), axis) : 0;
  if (dpi <= 0) return 15;
  // std::nearbyint rounds halves to even in the default rounding mode.
  int tpp = static_cast<int>(std::nearbyint(1440.0 / dpi));
  return tpp > 0 ? tpp : 1;
}

}  // namespace

// The system's DPI holds for the whole session (the program is system-DPI
// aware), and every twips conversion asks for it: read it once.
int TwipsPerPixelX() {
  static const int tpp = TwipsPerPixel(LOGPIXELSX);
  return tpp;
}
int TwipsPerPixelY() {
  static const int tpp = TwipsPerPixel(LOGPIXELSY);
  return tpp;
}

int PixelsX(double twips) { return static_cast<int>(std::nearbyint(twips / TwipsPerPixelX())); }
int PixelsY(double twips) { return static_cast<int>(std::nearbyint(twips / TwipsPerPixelY())); }

HCURSOR CursorOfPointer(int pointer) {
  LPCSTR id = IDC_ARROW;
  switch (pointer) {
    case vbCrosshair: id = IDC_CROSS; break;
    case vbIbeam: id = IDC_IBEAM; break;
    case vbSizePointer:
    case vbSizeAll: id = IDC_SIZEALL; break;
    case vbSizeNESW: id = IDC_SIZENESW; break;
    case vbSizeNS: id = IDC_SIZENS; break;
    case vbSizeNWSE: id = IDC_SIZENWSE; break;
    case vbSizeWE: id = IDC_SIZEWE; break;
    case vbUpArrow: id = IDC_UPARROW; break;
    case vbHourglass: id = IDC_WAIT; break;
    case vbNoDrop: id = IDC_NO; break;
    case vbArrowHourglass: id = IDC_APPSTARTING; break;
    case vbArrowQuestion: id = IDC_HELP; break;
    default: break;
  }
  HCURSOR c = ::LoadCursorA(nullptr, id);
  return c ? c : ::LoadCursorA(nullptr, IDC_ARROW);
}

bool ApplyProgramPointer() {
  if (g_pointer == vbDefault) return false;
  ::SetCursor(CursorOfPointer(g_pointer));
  return true;
}

int MousePointer() { return g_pointer; }

void SetMousePointer(int pointer) {
  g_pointer = pointer;
  POINT pt;
  if (!::GetCursorPos(&pt)) return;
  HWND under = ::WindowFromPoint(pt);
  if (!under || ::GetWindowThreadProcessId(under, nullptr) != ::GetCurrentThreadId()) return;
  // Let the window under the mouse choose its cursor again, as a mouse move would.
  LRESULT hit = ::SendMessageA(under, WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y));
  ::SendMessageA(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under), MAKELPARAM(hit, WM_MOUSEMOVE));
}

}  // namespace tk
