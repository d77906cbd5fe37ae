#include "toolkit/Label.h"

namespace tk {

void Label::SetCaption(const std::string& caption) {
  if (caption == caption_) return;  // the face already shows it
  caption_ = caption;
  Changed();
}
void Label::SetForeColor(Color color) {
  foreColor_ = color;
  Changed();
}
void Label::SetBackColor(Color color) {
  backColor_ = color;
  Changed();
}
void Label::SetBackStyle(BackStyle style) {
  backStyle_ = style;
  Changed();
}
void Label::SetAlignment(Alignment alignment) {
  alignment_ = alignment;
  Changed();
}
void Label::SetFont(const FontSpec& font) {
  font_ = font;
  hfont_.reset();
  Changed();
}
void Label::SetUseMnemonic(bool use) {
  useMnemonic_ = use;
  Changed();
}

void Label::Paint(HDC dc) {
  RECT r = PixelRect();
  if (backStyle_ == BackStyle::Opaque) {
    Brush back(::CreateSolidBrush(backColor_));
    if (back) ::FillRect(dc, &r, back.get());
  }
  if (caption_.empty()) return;
  if (!hfont_) hfont_ = CreateFontOf(font_);
  SelectScope font(dc, hfont_.get());
  int oldMode = ::SetBkMode(dc, TRANSPARENT);
  COLORREF oldColor = ::SetTextColor(dc, foreColor_);
  UINT format = DT_WORDBREAK | DT_EDITCONTROL | DT_TOP;
  if (alignment_ == Alignment::Centre) format |= DT_CENTER;
  if (alignment_ == Alignment::Right) format |= DT_RIGHT;
  if (!useMnemonic_) format |= DT_NOPREFIX;
  int saved = ::SaveDC(dc);
  ::IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
  ::DrawTextA(dc, caption_.c_str(), static_cast<int>(caption_.size()), &r, format);
  if (saved) ::RestoreDC(dc, saved);
  ::SetTextColor(dc, oldColor);
  ::SetBkMode(dc, oldMode);
}

}  // namespace tk
