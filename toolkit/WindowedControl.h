// The common ground of the controls that are system child windows (text
// box, check box, option button, combo box): geometry in twips, visibility,
// enabled state, focus, font and colours, kept on the object so that they
// hold before the form's window exists and are applied when it is created.
//
// The window is created with the form's window (ChildControl::CreateIn) and
// goes with it; what the user changed in it (its text) is read back first,
// so a form shown again shows it again. Child windows stack in the order
// of their creation: a later-created one lies above an earlier one where
// they overlap (all of them above the face controls).
#pragma once

#include <functional>
#include <string>

#include "toolkit/Font.h"
#include "toolkit/FormControl.h"

namespace tk {

class WindowedControl : public ChildControl {
 public:
  ~WindowedControl() override;

  // --- geometry in twips, relative to the form's client area
  double Left() const { return left_; }
  double Top() const { return top_; }
  double Width() const { return width_; }
  double Height() const { return height_; }
  void Move(double left, double top);
  void Move(double left, double top, double width, double height);
  void SetLeft(double left) { Move(left, top_, width_, height_); }
  void SetTop(double top) { Move(left_, top, width_, height_); }
  void SetWidth(double width) { Move(left_, top_, width, height_); }
  void SetHeight(double height) { Move(left_, top_, width_, height); }

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // Gives the control the keyboard focus, activating its form; false when
  // the control has no window, is hidden or disabled, or the system refuses.
  bool SetFocus();
  bool HasFocus() const;

  const FontSpec& Font() const { return font_; }
  void SetFont(const FontSpec& font);
  // Until one of them is set the control shows the system's colours.
  Color ForeColor() const { return foreColor_; }
  void SetForeColor(Color color);
  Color BackColor() const { return backColor_; }
  void SetBackColor(Color color);

  HWND hwnd() const override { return hwnd_; }
  bool CreateIn(HWND parent) override;
  void ParentDestroyed() override;
  HBRUSH OnCtlColor(HDC dc) override;

 protected:
  // sysBack and sysFore: the system colour indexes the control shows by default.
  WindowedControl(Form& form, int sysBack, int sysFore);

  // The window class and styles of the window to create (WS_CHILD,
  // WS_CLIPSIBLINGS and WS_VISIBLE are added).
  virtual const char* ClassName() const = 0;
  virtual DWORD Style() const = 0;
  virtual DWORD ExStyle() const { return 0; }
  // The height of the window in pixels for a height in twips (a combo box
  // adds its drop-down list).
  virtual int WindowHeightPixels(double height) const;
  // Pushes the object's state into a newly created window.
  virtual void Created() {}

  // The text of the window (its caption, or the edit's text): the window's
  // own while it exists, else the last one set or read back.
  std::string WindowText() const;
  // Sets it; false when the window refuses the text.
  bool SetWindowText(const std::string& text);
  // Destroys the window and creates it again with the present styles, in
  // the same place among its siblings; keeps the text. For style changes
  // the system does not take on a live window.
  void Recreate();

 private:
  void ApplyFont();
  void Repaint() const;

  HWND hwnd_ = nullptr;
  double left_ = 0, top_ = 0, width_ = 1215, height_ = 285;
  bool visible_ = true;
  bool enabled_ = true;
  std::string text_;
  FontSpec font_;
  FontHandle hfont_;
  bool coloured_ = false;
  Color foreColor_;
  Color backColor_;
  Brush backBrush_;
};

// A system button with a caption and a Click event: the ground of the check
// box and the option button.
class ButtonControl : public WindowedControl {
 public:
  std::string Caption() const { return WindowText(); }
  void SetCaption(const std::string& caption) { SetWindowText(caption); }

  std::function<void()> Click;

 protected:
  explicit ButtonControl(Form& form) : WindowedControl(form, COLOR_BTNFACE, COLOR_BTNTEXT) {}
  const char* ClassName() const override { return "BUTTON"; }
};

}  // namespace tk
