#include "engine/CopyPresenter.h"

#include "engine/SetupView.h"
#include "toolkit/Events.h"

namespace Gest_File::CopyPresenter {

void ShowBlock(SetupView& view, const std::string& fileCaption, const std::string& bytesCaption,
               int filePercent, int overallPercent, const std::function<bool()>& beforeYield) {
  tk::DoEventsInBurst(beforeYield);
  if (!fileCaption.empty()) view.ShowCopyCaption(fileCaption);
  view.DrawProgress(0, filePercent, 100);
  view.ShowBytesCopied(bytesCaption);
  view.DrawProgress(1, overallPercent, 100);
}

void ShowAllCopied(SetupView& view) {
  tk::DoEventsInBurst();
  view.DrawProgress(0, 100, 100);
  view.DrawProgress(1, 100, 100);
}

}  // namespace Gest_File::CopyPresenter
