// Demo.exe: the demonstration application the demo's package installs. One
// window that says it is installed, shows whether the package's component
// registered itself, and closes with its OK button.
#include <string>

#include "demo/ComponentKey.h"
#include "toolkit/Owners.h"
#include "toolkit/Win.h"

namespace {

constexpr int kOk = IDOK;
constexpr const char* kClass = "VelmarindDemo";
constexpr const char* kTitle = "Velmarind Demo";

// What the component wrote when regsvr32 registered it; empty when it did
// not (or the value cannot be read).
std::string ComponentState() {
  tk::RegKey key;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, demo::kComponentKey, 0, KEY_QUERY_VALUE, key.out()) != ERROR_SUCCESS)
    return {};
  char value[64] = {};
  DWORD size = sizeof value - 1, type = 0;
  if (::RegQueryValueExA(key.get(), demo::kComponentValue, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) !=
          ERROR_SUCCESS ||
      type != REG_SZ)
    return {};
  return value;
}

std::string Message() {
  const std::string state = ComponentState();
  return "Velmarind Demo è installata e funziona.\r\n\r\n"
         "Questa è un'applicazione dimostrativa: non fa altro che mostrare questa finestra.\r\n\r\n"
         "Componente: " +
         (state.empty() ? std::string("non registrato") : state) + ".";
}

HWND Child(HWND parent, const char* className, const char* text, DWORD style, int x, int y, int width, int height,
           int id) {
  HWND child = ::CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(parent, GWLP_HINSTANCE)), nullptr);
  if (child) ::SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), TRUE);
  return child;
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      const std::string text = Message();
      if (!Child(window, "STATIC", text.c_str(), SS_LEFT, 16, 16, 368, 96, 0) ||
          !Child(window, "BUTTON", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 150, 124, 100, 28, kOk))
        return -1;
      return 0;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == kOk) ::DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      ::PostQuitMessage(0);
      return 0;
    default:
      return ::DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hIcon = ::LoadIconA(nullptr, IDI_APPLICATION);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kClass;
  if (!::RegisterClassA(&windowClass)) return 1;

  // The client area the controls need, centred on the screen.
  RECT frame{0, 0, 400, 168};
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  if (!::AdjustWindowRect(&frame, style, FALSE)) return 1;
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  HWND window = ::CreateWindowExA(0, kClass, kTitle, style, (::GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                  (::GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, nullptr, nullptr,
                                  instance, nullptr);
  if (!window) return 1;
  ::ShowWindow(window, show);

  MSG message;
  BOOL got;
  while ((got = ::GetMessageA(&message, nullptr, 0, 0)) > 0) {
    if (::IsDialogMessageA(window, &message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
  return got < 0 ? 1 : static_cast<int>(message.wParam);
}
