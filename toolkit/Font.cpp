#include "toolkit/Font.h"

#include <cmath>
#include <cstring>

namespace tk {

FontHandle CreateFontOf(const FontSpec& spec) {
  int dpi = 96;
  {
    WindowDC screen(nullptr);
    if (screen.get()) dpi = ::GetDeviceCaps(screen.get(), LOGPIXELSY);
  }
  LOGFONTA lf{};
  // A negative height asks for the character height (em size) in pixels.
  lf.lfHeight = -static_cast<LONG>(std::lround(spec.size * dpi / 72.0));
  lf.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = spec.italic ? 1 : 0;
  lf.lfUnderline = spec.underline ? 1 : 0;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  // Crisp glyphs as the classic bitmap faces have them; an inverting bar
  // over the text then inverts exactly the text pixels.
  lf.lfQuality = NONANTIALIASED_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  std::strncpy(lf.lfFaceName, spec.name.c_str(), LF_FACESIZE - 1);
  return FontHandle(::CreateFontIndirectA(&lf));
}

}  // namespace tk
