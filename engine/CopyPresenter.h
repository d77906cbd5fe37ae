// The copy's display (Gest_File): before each block of a copy, the window
// events that came meanwhile are handled, at most once a frame, and then
// the block's captions and bars are shown through the setup view. The one
// place that decides how often the copy yields. Windows build only.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

class SetupView;

namespace Gest_File {

class CopyPresenter {
 public:
  // The least time between two yields of the copy. A click on the wizard
  // waits at most this long (and one block) before its handler runs, which
  // nobody notices; asking the system whether anything is pending costs
  // under Wine as much as handling it, so asking before every block of a
  // large copy would cost most of its time. The drawing is brought to the
  // screen by the yields (and the windows' own frames, toolkit/).
  static constexpr std::chrono::microseconds kFrame{5000};

  // Before a block: yields when a frame has passed since this presenter
  // last yielded (the yield may run any handler: a quit confirmed there
  // ends the process inside it), then shows the file's caption (unless
  // `fileCaption` is empty: the label then keeps what it shows), bar 0 at
  // filePercent, the bytes' caption and bar 1 at overallPercent. The yield
  // comes first, so that nothing is handled between the last block's
  // display and its bytes: a click then waits for the first yield after
  // the copy, when the quit pictures are already disabled.
  void ShowBlock(SetupView& view, const std::string& fileCaption, const std::string& bytesCaption,
                 int filePercent, int overallPercent);
  // Once the payload is copied: yields when a frame has passed, then draws
  // both bars full.
  void ShowAllCopied(SetupView& view);

 private:
  void YieldWhenDue();
  // The performance counter at the last yield (0: none yet). Read once a
  // block: the runtime's steady clock costs measurably more under Wine.
  int64_t lastYield_ = 0;
};

// The presenter of this process's copies.
CopyPresenter& TheCopyPresenter();

}  // namespace Gest_File
