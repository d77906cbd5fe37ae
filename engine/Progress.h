// The progress bar painter: a percentage bar with its "NN%" label centred on
// it, painted into a picture box of the wizard or of the launcher.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tk {
class PictureBox;
}

// The whole percentage of value against maximum, 0 to 100: a value above the
// maximum counts as maximum - 1, then the result is 100 minus
// floor((maximum - value) * 100 / maximum), so that 1 of 3 gives 34. A
// maximum below 1 gives 0, and results out of range are clamped to 0..100
// (no 32- or 16-bit overflow can wrap them).
int16_t ProgressPercent(int32_t value, int32_t maximum);

// The label of a percentage: its decimal digits followed by "%" ("45%").
std::string ProgressLabel(int16_t percent);

// Windows build only from here on.

// Repaints the whole box: face in its back colour, the label centred in its
// fore colour and font, the bar inverted (exclusive-or) up to the
// percentage, a sunken frame. Takes the box's border away on the first call.
// A box that still shows what the last call drew for the same percentage
// (nothing drawn on it since, its size, colours and font the same) is left
// as it is: the drawing would give the same pixels. Either way the draw mode
// ends as copy and the current position where the drawing leaves it.
// DrawProgressBox returns then; PaintProgress ends by yielding to pending
// window events (at most every few milliseconds, tk::DoEventsInBurst), which
// may run any handler.
void DrawProgressBox(tk::PictureBox& box, int32_t value, int32_t maximum);
void PaintProgress(tk::PictureBox& box, int32_t value, int32_t maximum);

// The progress boxes of the launcher's window (its picStatus members 0 and
// 1): the window registers its boxes when it creates them and null pointers
// when it goes away. (The wizard's bars are drawn through its setup view,
// engine/SetupView.h.)
void SetLaunchProgressBoxes(const std::array<tk::PictureBox*, 2>& boxes);

// Paint (PaintProgress) member index of the launcher's progress boxes;
// nothing for a missing box or an index other than 0 and 1.
void DrawLaunchProgress(int32_t index, int32_t value, int32_t maximum);
