#include "engine/SetupView.h"

namespace {

// No window: nothing shown, no box ticked (nothing starts that nobody chose).
class NoView final : public SetupView {
 public:
  void ShowCopyCaption(const std::string&) override {}
  void ShowBytesCopied(const std::string&) override {}
  void DrawProgress(int32_t, int32_t, int32_t) override {}
  void DisableQuitPictures() override {}
  void StopClock() override {}
  void ShowPleaseWait() override {}
  void SetPleaseWaitCaption(const std::string&) override {}
  void RefreshPleaseWait() override {}
  void UnloadPleaseWait() override {}
  int AutoEseguiValue() override { return 0; }
  int DeskShortValue() override { return 0; }
};

NoView g_noView;
SetupView* g_view = &g_noView;

}  // namespace

SetupView& TheSetupView() { return *g_view; }

void SetSetupView(SetupView* view) { g_view = view ? view : &g_noView; }
