// A font as the classic controls describe it: face, size in points, weight.
#pragma once

#include <string>

#include "toolkit/Gdi.h"

namespace tk {

struct FontSpec {
  std::string name = "MS Sans Serif";
  double size = 8.25;  // points
  bool bold = false;
  bool italic = false;
  bool underline = false;

  bool operator==(const FontSpec&) const = default;
};

// Creates the GDI font of a spec for the screen's vertical DPI; an empty
// owner when GDI refuses it (callers then draw with the DC's default font).
FontHandle CreateFontOf(const FontSpec& spec);

}  // namespace tk
