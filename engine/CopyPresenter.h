// The copy's display (Gest_File): before each block of a copy, the window
// events that came meanwhile are handled, at most once a yield frame
// (toolkit/Frames.h: a click waits no longer, and the drawing reaches the
// screen at the toolkit's repaint frame), and then the block's captions and
// bars are shown through the setup view. The one place where the copy
// yields. Windows build only.
#pragma once

#include <functional>
#include <string>

class SetupView;

namespace Gest_File::CopyPresenter {

// Before a block: yields when a yield frame has passed since events were
// last handled (the yield may run any handler: a quit confirmed there
// ends the process inside it), then shows the file's caption (unless
// `fileCaption` is empty: the label then keeps what it shows), bar 0 at
// filePercent, the bytes' caption and bar 1 at overallPercent. The yield
// comes first, so that nothing is handled between the last block's
// display and its bytes: a click then waits for the first yield after
// the copy, when the quit pictures are already disabled.
// When a yield is due, beforeYield runs first (the copy writes there the
// bytes of every block shown before this one) and the yield is skipped when
// it returns false.
void ShowBlock(SetupView& view, const std::string& fileCaption, const std::string& bytesCaption,
               int filePercent, int overallPercent, const std::function<bool()>& beforeYield = {});
// Once the payload is copied: yields when a frame has passed, then draws
// both bars full.
void ShowAllCopied(SetupView& view);

}  // namespace Gest_File::CopyPresenter
