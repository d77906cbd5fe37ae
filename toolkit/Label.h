// A windowless label on a form's face: a caption that wraps at word
// boundaries within the label's width, like the classic Label control.
#pragma once

#include <string>

#include "toolkit/Font.h"
#include "toolkit/FormControl.h"

namespace tk {

enum class Alignment { Left, Centre, Right };
enum class BackStyle { Transparent, Opaque };

class Label : public FaceControl {
 public:
  explicit Label(Form& form) : FaceControl(form) {}

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  Color ForeColor() const { return foreColor_; }
  void SetForeColor(Color color);
  Color BackColor() const { return backColor_; }
  void SetBackColor(Color color);
  BackStyle Back() const { return backStyle_; }
  void SetBackStyle(BackStyle style);
  Alignment Align() const { return alignment_; }
  void SetAlignment(Alignment alignment);
  const FontSpec& Font() const { return font_; }
  void SetFont(const FontSpec& font);
  // With mnemonics (the default) "&x" underlines x and "&&" shows "&".
  void SetUseMnemonic(bool use);

  void Paint(HDC dc) override;

 private:
  void Changed() {
    if (Visible()) Invalidate();
  }
  std::string caption_;
  Color foreColor_ = 0x00000000;
  Color backColor_ = 0x00C0C0C0;
  BackStyle backStyle_ = BackStyle::Opaque;
  Alignment alignment_ = Alignment::Left;
  FontSpec font_;
  FontHandle hfont_;
  bool useMnemonic_ = true;
};

}  // namespace tk
