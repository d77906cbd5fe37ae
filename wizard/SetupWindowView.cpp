// The wizard window as the installation's setup view: the engine's progress
// and its reads of the user's choices, written to and read from the
// window's controls and the please-wait window by name.
#include "engine/Progress.h"
#include "engine/SetupView.h"
#include "wizard/FrmRegistry.h"
#include "wizard/FrmSetup.h"

namespace {

class SetupWindowView final : public SetupView {
 public:
  void ShowCopyCaption(const std::string& caption) override {
    if (FrmSetup().lblStatus(0).Caption() != caption) FrmSetup().lblStatus(0).SetCaption(caption);
  }
  void ShowBytesCopied(const std::string& caption) override { FrmSetup().lblStatus(1).SetCaption(caption); }
  void DrawProgress(int32_t index, int32_t value, int32_t maximum) override {
    if (index == 0 || index == 1) DrawProgressBox(FrmSetup().picStatus(index), value, maximum);
  }

  void DisableQuitPictures() override { FrmSetup().DisableQuitPictures(); }
  void StopClock() override { FrmSetup().tmrTime.SetEnabled(false); }

  void ShowPleaseWait() override { FrmRegistry().Show(); }
  void SetPleaseWaitCaption(const std::string& caption) override { FrmRegistry().Attesa.SetCaption(caption); }
  void RefreshPleaseWait() override { FrmRegistry().Refresh(); }
  void UnloadPleaseWait() override { FrmRegistry().Unload(); }

  int AutoEseguiValue() override { return FrmSetup().AutoEsegui.Value(); }
  int DeskShortValue() override { return FrmSetup().DeskShort.Value(); }
};

}  // namespace

SetupView& FrmSetupView() {
  static SetupWindowView view;
  return view;
}
