// The one window of the benchmark's floor programs: the least a program with
// a window does (a caption and a line of text). Windows build only.
#pragma once

#include <windows.h>

namespace floorwindow {

inline const char* g_text = "";

inline LRESULT CALLBACK FaceProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(hwnd, &ps);
    ::TextOutA(dc, 10, 10, g_text, ::lstrlenA(g_text));
    ::EndPaint(hwnd, &ps);
    return 0;
  }
  return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

// Shows a window named name with name as its text and handles what is
// pending; null when it cannot.
inline HWND ShowFace(const char* name) {
  g_text = name;
  WNDCLASSA wc{};
  wc.lpfnWndProc = FaceProc;
  wc.hInstance = ::GetModuleHandleA(nullptr);
  wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = name;
  if (!::RegisterClassA(&wc)) return nullptr;
  HWND hwnd = ::CreateWindowA(name, name, WS_OVERLAPPED | WS_CAPTION, 100, 100, 368, 106, nullptr, nullptr,
                              wc.hInstance, nullptr);
  if (!hwnd) return nullptr;
  ::ShowWindow(hwnd, SW_SHOWNORMAL);
  ::UpdateWindow(hwnd);
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
  return hwnd;
}

}  // namespace floorwindow
