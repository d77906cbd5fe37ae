#include "wizard/SetupLayout.h"

#include "toolkit/Resources.h"

namespace SetupLayout {
namespace {

tk::FontSpec SpecOf(const Font& font) { return {font.face, font.size, font.bold}; }

// The settings each kind of control takes from its row.
struct Creator {
  const Control& row;
  HCURSOR hand;

  void Common(tk::WindowedControl& c) const {
    if (row.font.face) c.SetFont(SpecOf(row.font));
    c.Move(row.place.left, row.place.top, row.place.width, row.place.height);
    if (row.back != kNoColor) c.SetBackColor(row.back);
    if (row.fore != kNoColor) c.SetForeColor(row.fore);
    c.SetVisible(row.shown);
    if (row.options & Hand) c.SetMouseIcon(hand);
  }
  void operator()(tk::TextBox& c) const {
    if (row.options & MultiLine) c.SetMultiLine(true);
    if (row.options & NoScrollBar) c.SetScrollBar(false);
    if (row.options & NoBorder) c.SetBorderStyle(0);
    if (row.options & Locked) c.SetLocked(true);
    Common(c);
  }
  void operator()(tk::CheckBox& c) const {
    if (row.caption) c.SetCaption(row.caption);
    if (row.value >= 0) c.SetValue(row.value);
    Common(c);
  }
  void operator()(tk::OptionButton& c) const {
    if (row.value >= 0) c.SetValue(row.value != 0);
    Common(c);
  }
  void operator()(tk::ComboBox& c) const { Common(c); }
  void operator()(tk::PictureBox& c) const {
    c.Move(row.place.left, row.place.top, row.place.width, row.place.height);
    if (row.back != kNoColor) c.SetBackColor(row.back);
    if (row.font.face) c.SetFont(SpecOf(row.font));
    c.SetVisible(row.shown);
  }
  void operator()(tk::TimerControl& c) const {
    if (row.options & Disabled) c.SetEnabled(false);
  }
  void operator()(tk::Label& c) const {
    if (row.caption) c.SetCaption(row.caption);
    Face(c);
    if (row.font.face) c.SetFont(SpecOf(row.font));
    if (row.fore != kNoColor) c.SetForeColor(row.fore);
    if (row.options & Transparent) c.SetBackStyle(tk::BackStyle::Transparent);
  }
  void operator()(tk::Image& c) const {
    // The picture first: an image takes its picture's size, which the
    // place then overrides.
    if (row.bitmap) c.LoadPicture(row.bitmap);
    if (row.icon) c.SetPicture(tk::Picture::FromIconResource(row.icon));
    Face(c);
  }
  void Face(tk::FaceControl& c) const {
    c.Move(row.place.left, row.place.top, row.place.width, row.place.height);
    c.SetVisible(row.shown);
    if (row.options & Hand) c.SetMouseIcon(hand);
  }
};

// Runs f on the window's control that member names.
template <class F>
decltype(auto) On(W& window, Member member, F&& f) {
  return std::visit([&](auto pointer) -> decltype(auto) { return f(window.*pointer); }, member);
}

struct VisibleOf {
  bool operator()(const tk::TimerControl&) const { return false; }
  template <class C>
  bool operator()(const C& c) const {
    return c.Visible();
  }
};

}  // namespace

void CreateControls(W& window) {
  const HCURSOR hand = tk::CursorFromResource(IDC_SETUP_HAND);
  for (const Control& row : kControls) On(window, row.member, Creator{row, hand});
}

void ShowControls(W& window, int page) {
  for (const PageShows& row : kPages) {
    const char shows = row.pages[page];
    if (shows == '.') continue;
    On(window, row.member, [&](auto& c) {
      if constexpr (!std::is_same_v<std::decay_t<decltype(c)>, tk::TimerControl>) c.SetVisible(shows == 'S');
    });
  }
}

void PlaceControls(W& window, int page) {
  for (const PagePlace& row : kPagePlaces) {
    if (row.page != page) continue;
    On(window, row.member, [&](auto& c) {
      if constexpr (!std::is_same_v<std::decay_t<decltype(c)>, tk::TimerControl>) {
        const double top = row.top == kKeep ? c.Top() : row.top;
        const double height = row.height == kKeep ? c.Height() : row.height;
        c.Move(c.Left(), top, c.Width(), height);
      }
    });
  }
}

bool Visible(const W& window, Member member) {
  return std::visit([&](auto pointer) { return VisibleOf{}(window.*pointer); }, member);
}

}  // namespace SetupLayout
