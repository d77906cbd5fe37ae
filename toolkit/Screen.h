// The screen's scale (twips per pixel) and the program-wide mouse pointer.
#pragma once

#include "toolkit/Win.h"

namespace tk {

// 1440 divided by the screen's logical pixels per inch, rounded to the
// nearest whole number, halves to even: 15 at 96 DPI, 12 at 120 DPI.
int TwipsPerPixelX();
int TwipsPerPixelY();

// Twips to pixels: the twips divided by the twips per pixel, rounded to the
// nearest pixel, halves to even. Fractional twips are allowed.
int PixelsX(double twips);
int PixelsY(double twips);
// Pixels to twips.
inline double TwipsX(int pixels) { return static_cast<double>(pixels) * TwipsPerPixelX(); }
inline double TwipsY(int pixels) { return static_cast<double>(pixels) * TwipsPerPixelY(); }

// The classic mouse-pointer numbers.
enum : int {
  vbDefault = 0, vbArrow = 1, vbCrosshair = 2, vbIbeam = 3, vbSizePointer = 5, vbSizeNESW = 6,
  vbSizeNS = 7, vbSizeNWSE = 8, vbSizeWE = 9, vbUpArrow = 10, vbHourglass = 11, vbNoDrop = 12,
  vbArrowHourglass = 13, vbArrowQuestion = 14, vbSizeAll = 15,
};

// The program-wide pointer. While it is not vbDefault every window of the
// program shows it (the toolkit's windows answer WM_SETCURSOR with it); a
// change is shown at once when the mouse is over a window of this thread.
void SetMousePointer(int pointer);
int MousePointer();

// The system cursor of a pointer number (the arrow for numbers it does not know).
HCURSOR CursorOfPointer(int pointer);

// For a window procedure's WM_SETCURSOR: sets the program-wide pointer and
// returns true while it is not vbDefault.
bool ApplyProgramPointer();

}  // namespace tk
