#include "engine/CopyPresenter.h"

#include "engine/SetupView.h"
#include "toolkit/Events.h"
#include "toolkit/Win.h"

namespace Gest_File {

void CopyPresenter::YieldWhenDue() {
  static const int64_t frameTicks = [] {
    LARGE_INTEGER perSecond;
    ::QueryPerformanceFrequency(&perSecond);
    return perSecond.QuadPart * kFrame.count() / 1000000;
  }();
  LARGE_INTEGER now;
  ::QueryPerformanceCounter(&now);
  if (lastYield_ != 0 && now.QuadPart - lastYield_ < frameTicks) return;
  lastYield_ = now.QuadPart;
  tk::DoEvents();
}

void CopyPresenter::ShowBlock(SetupView& view, const std::string& fileCaption, const std::string& bytesCaption,
                              int filePercent, int overallPercent) {
  YieldWhenDue();
  if (!fileCaption.empty()) view.ShowCopyCaption(fileCaption);
  view.DrawProgress(0, filePercent, 100);
  view.ShowBytesCopied(bytesCaption);
  view.DrawProgress(1, overallPercent, 100);
}

void CopyPresenter::ShowAllCopied(SetupView& view) {
  YieldWhenDue();
  view.DrawProgress(0, 100, 100);
  view.DrawProgress(1, 100, 100);
}

CopyPresenter& TheCopyPresenter() {
  static CopyPresenter presenter;
  return presenter;
}

}  // namespace Gest_File
