// keep_desktop.exe: holds one hidden window until it is ended, for the
// benchmarks. Wine starts its desktop process with the first program of a
// session that makes a window and ends it with the last one; the desktop
// that Windows always has then comes into every timed program's start.
// Started once before the timings (like the wineserver), it keeps that
// desktop up. A benchmark tool, not a test.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (!::CreateWindowA("STATIC", "keep_desktop", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr))
    return 1;
  MSG msg;
  while (::GetMessageA(&msg, nullptr, 0, 0) > 0) ::DispatchMessageA(&msg);
  return 0;
}
