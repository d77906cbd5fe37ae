// The painting half of the progress bar painter (Windows build).
#include <cmath>
#include <vector>

#include "engine/Progress.h"
#include "toolkit/Events.h"
#include "toolkit/PictureBox.h"
#include "toolkit/Screen.h"

namespace {

constexpr tk::Color kWhite = 0xFFFFFF;
constexpr tk::Color kDarkGrey = 0x808080;
constexpr tk::Color kLightGrey = 0xC0C0C0;

std::array<tk::PictureBox*, 2> g_launchBoxes{};

// What the painter last drew in a box: the box's revision right after it and
// the percentage. A revision is never given to two boxes, so an entry of a
// box that is gone never matches a new box at the same address.
struct Drawn {
  const tk::PictureBox* box = nullptr;
  uint64_t revision = 0;
  int16_t percent = 0;
};
std::vector<Drawn>& DrawnBoxes() {
  static std::vector<Drawn> drawn;
  return drawn;
}

Drawn& DrawnEntry(const tk::PictureBox& box) {
  auto& drawn = DrawnBoxes();
  for (Drawn& d : drawn)
    if (d.box == &box) return d;
  // A handful of boxes paint progress; forget old ones rather than grow.
  if (drawn.size() >= 16) drawn.erase(drawn.begin());
  drawn.push_back(Drawn{&box, 0, 0});
  return drawn.back();
}

}  // namespace

void DrawProgressBox(tk::PictureBox& box, int32_t value, int32_t maximum) {
  int16_t percent = ProgressPercent(value, maximum);
  std::string label = ProgressLabel(percent);

  box.SetDrawMode(R2_COPYPEN);
  const double px = tk::TwipsPerPixelX();
  if (box.BorderStyle() != 0) box.SetBorderStyle(0);
  const double w = std::nearbyint(box.ScaleWidth() - px);
  const double h = std::nearbyint(box.ScaleHeight() - px);

  Drawn& drawn = DrawnEntry(box);
  if (drawn.revision == box.Revision() && drawn.percent == percent) {
    // Where the last line of the drawing leaves the current position.
    box.SetCurrentX(w - px);
    box.SetCurrentY(h - px);
    return;
  }

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
  drawn = Drawn{&box, box.Revision(), percent};
}

void PaintProgress(tk::PictureBox& box, int32_t value, int32_t maximum) {
  DrawProgressBox(box, value, maximum);
  tk::DoEventsInBurst();
}

void SetLaunchProgressBoxes(const std::array<tk::PictureBox*, 2>& boxes) { g_launchBoxes = boxes; }

void DrawLaunchProgress(int32_t index, int32_t value, int32_t maximum) {
  if (index < 0 || index > 1 || !g_launchBoxes[static_cast<size_t>(index)]) return;
  PaintProgress(*g_launchBoxes[static_cast<size_t>(index)], value, maximum);
}
