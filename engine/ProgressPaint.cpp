// The painting half of the progress bar painter (Windows build).
#include <cmath>

#include "engine/Progress.h"
#include "toolkit/Events.h"
#include "toolkit/PictureBox.h"
#include "toolkit/Screen.h"

namespace {

constexpr tk::Color kWhite = 0xFFFFFF;
constexpr tk::Color kDarkGrey = 0x808080;
constexpr tk::Color kLightGrey = 0xC0C0C0;

std::array<tk::PictureBox*, 2> g_launchBoxes{};
std::array<tk::PictureBox*, 2> g_wizardBoxes{};

void PaintMember(const std::array<tk::PictureBox*, 2>& boxes, int32_t index, int32_t value, int32_t maximum) {
  if (index < 0 || index > 1 || !boxes[static_cast<size_t>(index)]) return;
  PaintProgress(*boxes[static_cast<size_t>(index)], value, maximum);
}

}  // namespace

void PaintProgress(tk::PictureBox& box, int32_t value, int32_t maximum) {
  int16_t percent = ProgressPercent(value, maximum);
  std::string label = ProgressLabel(percent);

  box.SetDrawMode(R2_COPYPEN);
  const double px = tk::TwipsPerPixelX();
  if (box.BorderStyle() != 0) box.SetBorderStyle(0);
  const double w = std::nearbyint(box.ScaleWidth() - px);
  const double h = std::nearbyint(box.ScaleHeight() - px);

  box.Line(px, px, w, h, box.BackColor(), tk::LineStyle::BoxFilled);
  box.SetCurrentX((box.ScaleWidth() - box.TextWidth(label)) / 2);
  box.SetCurrentY((box.ScaleHeight() - box.TextHeight(label)) / 2);
  box.Print(label);

  if (percent > 0) {
    box.SetDrawMode(R2_XORPEN);
    box.Line(px, px, w / 100 * percent, h, kWhite, tk::LineStyle::BoxFilled);
  }
  box.SetDrawMode(R2_COPYPEN);

  box.Line(w, px, w, h, kWhite, tk::LineStyle::BoxFilled);
  box.Line(px, h, w, h, kWhite, tk::LineStyle::BoxFilled);
  box.Line(0, 0, w, 0, kDarkGrey, tk::LineStyle::BoxFilled);
  box.Line(0, 0, 0, h, kDarkGrey, tk::LineStyle::BoxFilled);
  box.Line(px, px, w - px, h - px, kLightGrey, tk::LineStyle::Box);

  tk::DoEvents();
}

void SetLaunchProgressBoxes(const std::array<tk::PictureBox*, 2>& boxes) { g_launchBoxes = boxes; }
void SetWizardProgressBoxes(const std::array<tk::PictureBox*, 2>& boxes) { g_wizardBoxes = boxes; }

void DrawProgress(int32_t index, int32_t value, int32_t maximum) { PaintMember(g_wizardBoxes, index, value, maximum); }
void DrawLaunchProgress(int32_t index, int32_t value, int32_t maximum) {
  PaintMember(g_launchBoxes, index, value, maximum);
}
