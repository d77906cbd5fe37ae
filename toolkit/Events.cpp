#include "toolkit/Events.h"

#include "toolkit/Form.h"
#include "toolkit/PictureBox.h"
#include "toolkit/Win.h"

namespace tk {

void DoEvents() {
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
