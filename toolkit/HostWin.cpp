// The default host: plain Win32.
#include "toolkit/Host.h"
#include "toolkit/Win.h"

namespace tk {
namespace {
class Win32Host final : public Host {
 public:
  int ShowMessageBox(const std::string& text, int style, const std::string& title) override {
    HWND owner = GetActiveWindow();
    return ::MessageBoxA(owner, text.c_str(), title.c_str(), static_cast<UINT>(style));
  }
  void Beep() override { ::MessageBeep(MB_OK); }
  [[noreturn]] void EndProcess(unsigned exitCode) override { ::ExitProcess(exitCode); }
};
}  // namespace

Host& DefaultHost() {
  static Win32Host h;
  return h;
}
}  // namespace tk
