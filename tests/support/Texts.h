// Whether a window's texts are drawn as the window's data means them on
// Windows: each face with its own font (or the font made to its metrics)
// and each label's caption whole in its box. Windows build only.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/Font.h"
#include "toolkit/Gdi.h"
#include "toolkit/Label.h"
#include "toolkit/Win.h"

namespace testsupport {

namespace detail {

// The faces made to the metrics of Windows' own.
inline std::string MetricTwin(const std::string& face) {
  if (face == "Arial") return "Liberation Sans";
  if (face == "Times New Roman") return "Liberation Serif";
  if (face == "Courier New") return "Liberation Mono";
  return face;
}

}  // namespace detail

// The font the system draws a face with: its name as the system reports
// it, and, for an outline font, the family in the font file. Besides the
// face itself, Arial, Times New Roman and Courier New may be drawn with the
// Liberation faces made to their metrics.
inline ::testing::AssertionResult DrawnWithItsFace(const tk::FontSpec& spec) {
  tk::FontHandle font = tk::CreateFontOf(spec);
  if (!font) return ::testing::AssertionFailure() << "no font for " << spec.name;
  tk::WindowDC dc(nullptr);
  tk::SelectScope selected(dc.get(), font.get());
  char face[LF_FACESIZE] = {};
  ::GetTextFaceA(dc.get(), sizeof face, face);
  std::string family = face;
  // An outline font names its family in the file; a substitute face keeps
  // the asked name in GetTextFace.
  if (const UINT size = ::GetOutlineTextMetricsA(dc.get(), 0, nullptr); size != 0) {
    std::vector<char> buffer(size);
    auto* otm = reinterpret_cast<OUTLINETEXTMETRICA*>(buffer.data());
    if (::GetOutlineTextMetricsA(dc.get(), size, otm) != 0)
      family = buffer.data() + reinterpret_cast<uintptr_t>(otm->otmpFamilyName);
  }
  if (face == spec.name && (family == spec.name || family == detail::MetricTwin(spec.name)))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << spec.name << " is drawn with " << face << " (" << family << ")";
}

// The label's caption, broken at word boundaries as the label breaks it,
// fits its box in both directions.
inline ::testing::AssertionResult HoldsItsCaption(const tk::Label& label) {
  const RECT box = label.PixelRect();
  tk::FontHandle font = tk::CreateFontOf(label.Font());
  tk::WindowDC dc(nullptr);
  tk::SelectScope selected(dc.get(), font.get());
  RECT need{0, 0, box.right - box.left, 0};
  UINT format = DT_WORDBREAK | DT_EDITCONTROL | DT_TOP | DT_CALCRECT;
  if (label.Align() == tk::Alignment::Centre) format |= DT_CENTER;
  if (label.Align() == tk::Alignment::Right) format |= DT_RIGHT;
  const std::string& text = label.Caption();
  ::DrawTextA(dc.get(), text.c_str(), static_cast<int>(text.size()), &need, format);
  if (need.right - need.left <= box.right - box.left && need.bottom - need.top <= box.bottom - box.top)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "\"" << text << "\" needs " << need.right - need.left << " x "
                                       << need.bottom - need.top << " pixels in a box of " << box.right - box.left
                                       << " x " << box.bottom - box.top;
}

// Both, for a label with a caption.
inline ::testing::AssertionResult ShowsItsCaptionWhole(const tk::Label& label) {
  if (auto face = DrawnWithItsFace(label.Font()); !face) return face;
  return HoldsItsCaption(label);
}

}  // namespace testsupport
