// The two kinds of control a Form holds:
//  - FaceControl: windowless, drawn on the form's face (pictures, labels);
//    the first created lies above later ones, all below child windows;
//  - ChildControl: a child window (picture boxes, text boxes, ...), created
//    with the form's window and destroyed with it; a later-created one
//    lies above earlier ones.
// A control is constructed with its form and registers itself there; it must
// not outlive the form (make controls members declared after nothing that
// outlives them: members of the Form-derived window class are right).
#pragma once

#include <functional>

#include "toolkit/Win.h"

namespace tk {

class Form;

// Registers a window class of this program with the arrow cursor and no
// background brush; true also when it exists already.
bool RegisterWindowClass(const char* name, WNDPROC proc, UINT style);

// Mouse buttons and shift states of the mouse events.
enum : int { vbLeftButton = 1, vbRightButton = 2, vbMiddleButton = 4 };
enum : int { vbShiftMask = 1, vbCtrlMask = 2, vbAltMask = 4 };

// (button, shift, x, y) with x and y in twips, relative to the receiver.
using MouseHandler = std::function<void(int button, int shift, float x, float y)>;

class FaceControl {
 public:
  explicit FaceControl(Form& form);
  virtual ~FaceControl();
  FaceControl(const FaceControl&) = delete;
  FaceControl& operator=(const FaceControl&) = delete;

  Form& form() const { return form_; }

  // Geometry in twips, relative to the form's client area.
  double Left() const { return left_; }
  double Top() const { return top_; }
  double Width() const { return width_; }
  double Height() const { return height_; }
  void Move(double left, double top);
  void Move(double left, double top, double width, double height);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  // A disabled control takes no mouse events; the form gets them instead.
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }

  // The pointer shown while the mouse is over the control; null for the
  // form's ordinary arrow.
  HCURSOR MouseIcon() const { return mouseIcon_; }
  void SetMouseIcon(HCURSOR cursor) { mouseIcon_ = cursor; }

  std::function<void()> Click;
  MouseHandler MouseDown;
  MouseHandler MouseMove;
  MouseHandler MouseUp;

  // The control's rectangle in client pixels.
  RECT PixelRect() const;

  // Draws the control into the form's off-screen face; only called while visible.
  virtual void Paint(HDC dc) = 0;

 protected:
  // Repaints the control's area of the form.
  void Invalidate() const;

 private:
  Form& form_;
  double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  HCURSOR mouseIcon_ = nullptr;
};

class ChildControl {
 public:
  explicit ChildControl(Form& form);
  virtual ~ChildControl();
  ChildControl(const ChildControl&) = delete;
  ChildControl& operator=(const ChildControl&) = delete;

  Form& form() const { return form_; }

  // Called by the form once its window exists; returns false when the
  // child window cannot be created (the form goes on without it).
  virtual bool CreateIn(HWND parent) = 0;
  // Called by the form when its window is being destroyed.
  virtual void ParentDestroyed() = 0;
  virtual HWND hwnd() const = 0;

  // True when window is the control's window or a window inside it (the
  // edit of a combo box).
  bool Owns(HWND window) const;

  // The pointer shown while the mouse is over the control's client area;
  // null for the window's own.
  HCURSOR MouseIcon() const { return mouseIcon_; }
  void SetMouseIcon(HCURSOR cursor) { mouseIcon_ = cursor; }

  // Notifications the form passes on from its window; the defaults do
  // nothing. OnCommand: a WM_COMMAND sent by the control's window, with its
  // notification code. OnCtlColor: a WM_CTLCOLOR... message for a window the
  // control owns; sets the DC's colours and returns the background brush,
  // or null for the system's colours.
  virtual void OnCommand(int code) {}
  virtual HBRUSH OnCtlColor(HDC dc) { return nullptr; }

 private:
  Form& form_;
  HCURSOR mouseIcon_ = nullptr;
};

}  // namespace tk
