// A setup view that passes every call on to another one (the wizard's, as a
// rule): a test or a benchmark derives from it to look at the calls it
// cares about while the window still shows everything.
#pragma once

#include <string>

#include "engine/SetupView.h"

namespace testsupport {

class ForwardingView : public SetupView {
 public:
  explicit ForwardingView(SetupView& to) : to_(to) {}
  void ShowCopyCaption(const std::string& caption) override { to_.ShowCopyCaption(caption); }
  void ShowBytesCopied(const std::string& caption) override { to_.ShowBytesCopied(caption); }
  void DrawProgress(int32_t index, int32_t value, int32_t maximum) override {
    to_.DrawProgress(index, value, maximum);
  }
  void DisableQuitPictures() override { to_.DisableQuitPictures(); }
  void StopClock() override { to_.StopClock(); }
  void ShowPleaseWait() override { to_.ShowPleaseWait(); }
  void SetPleaseWaitCaption(const std::string& caption) override { to_.SetPleaseWaitCaption(caption); }
  void RefreshPleaseWait() override { to_.RefreshPleaseWait(); }
  void UnloadPleaseWait() override { to_.UnloadPleaseWait(); }
  int AutoEseguiValue() override { return to_.AutoEseguiValue(); }
  int DeskShortValue() override { return to_.DeskShortValue(); }

 private:
  SetupView& to_;
};

}  // namespace testsupport
