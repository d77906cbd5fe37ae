// A drawable picture box: a child window of a form whose drawing scale is
// twips and whose drawing persists in an off-screen bitmap (the classic
// PictureBox with AutoRedraw). Drawing works whether or not the window exists
// or is visible; the window shows the bitmap.
//
// Twips convert to pixels by dividing by the twips per pixel and rounding to
// the nearest pixel, halves to even; fractional coordinates are allowed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/Font.h"
#include "toolkit/FormControl.h"

namespace tk {

enum class LineStyle { Line, Box, BoxFilled };

class PictureBox : public ChildControl {
 public:
  explicit PictureBox(Form& form);
  ~PictureBox() override;

  // --- geometry in twips (the outer size, border included)
  double Left() const { return left_; }
  double Top() const { return top_; }
  double Width() const { return width_; }
  double Height() const { return height_; }
  void Move(double left, double top, double width, double height);
  // The drawing area inside the border, in twips.
  double ScaleWidth() const;
  double ScaleHeight() const;

  // 0: none; 1: fixed single, a sunken 3D border. Changing it keeps the
  // outer size; the drawing area grows or shrinks and keeps its pixels.
  int BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(int style);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);

  Color BackColor() const { return backColor_; }
  // Clears the drawing to the new colour, as the classic box does.
  void SetBackColor(Color color);
  Color ForeColor() const { return foreColor_; }
  void SetForeColor(Color color) {
    foreColor_ = color;
    Touch();
  }
  const FontSpec& Font() const { return font_; }
  void SetFont(const FontSpec& font);

  // The raster operation of Line (R2_COPYPEN 13, R2_XORPEN 7, ...).
  int DrawMode() const { return drawMode_; }
  void SetDrawMode(int mode) { drawMode_ = mode; }
  double CurrentX() const { return currentX_; }
  double CurrentY() const { return currentY_; }
  void SetCurrentX(double x) { currentX_ = x; }
  void SetCurrentY(double y) { currentY_ = y; }

  // Clears to the back colour; the current position goes to (0, 0).
  void Cls();
  // A line, a box outline or a filled box from (x1, y1) to (x2, y2) in the
  // draw mode. Boxes cover the pixels of both corners; a line leaves out its
  // last pixel. The current position becomes (x2, y2).
  void Line(double x1, double y1, double x2, double y2, Color color, LineStyle style = LineStyle::Line);
  // Prints text with its top-left corner at the current position, in the
  // fore colour and font, on a transparent background; the current position
  // then moves to the start of the next line.
  void Print(const std::string& text);
  double TextWidth(const std::string& text);
  double TextHeight(const std::string& text);
  // The colour of the pixel at (x, y) twips; 0xFFFFFFFF outside the box.
  Color Point(double x, double y) const;

  HWND hwnd() const override { return hwnd_; }

  // A number that changes whenever the box is drawn on, resized, made again
  // or given other colours or font; no two boxes ever share one. Equal
  // numbers mean the box still shows what it showed then.
  uint64_t Revision() const { return revision_; }

  // Shows on screen what the boxes drew since the last call, where their
  // pixels changed: a box that was drawn again the same costs no repaint.
  // Within ~30 ms of the last showing the boxes wait: a one-shot timer (or
  // the next call after the time) shows their last state. The toolkit's
  // event loops call it before they handle pending events.
  static void PresentPending();
  bool CreateIn(HWND parent) override;
  void ParentDestroyed() override {
    hwnd_ = nullptr;
    clientWidth_ = -1;
    presented_.clear();
    Touch();
  }

 private:
  static LRESULT CALLBACK WndProc(HWND, UINT, WPARAM, LPARAM);
  void ClientPixels(int& w, int& h) const;
  bool EnsureCanvas();
  HFONT FontHandle();
  void Changed();
  void Touch();
  static void PresentNow();
  static void CALLBACK PresentTimer(HWND, UINT, UINT_PTR, DWORD);
  bool PixelsChangedSincePresented();
  void FillPixels(int l, int t, int r, int b, Color color);

  HWND hwnd_ = nullptr;
  mutable int clientWidth_ = -1, clientHeight_ = -1;  // -1: ask the window
  bool presentPending_ = false;                        // drawn since last presented
  std::vector<Color> presented_;                       // the pixels last presented
  uint64_t revision_ = 0;
  double left_ = 0, top_ = 0, width_ = 1500, height_ = 1500;
  int borderStyle_ = 1;
  bool visible_ = true;
  Color backColor_ = 0x00C0C0C0;
  Color foreColor_ = 0x00000000;
  FontSpec font_;
  tk::FontHandle hfont_;
  int drawMode_ = R2_COPYPEN;
  double currentX_ = 0, currentY_ = 0;
  Canvas canvas_;
};

}  // namespace tk
