// A top-level window in the manner of the classic forms: geometry in twips,
// a back colour and an optional face picture, windowless pictures and labels
// drawn on the face, child controls, and the form events as virtual methods
// (Form_Load, Form_MouseDown, ...) that the program's windows override.
//
// The window is created on first Show/ShowModal/Load and destroyed by
// Unload; a later Show creates it anew (Form_Load runs again). The C++
// object lives on: properties set on it apply to every window it creates.
#pragma once

#include <string>
#include <vector>

#include "toolkit/FormControl.h"
#include "toolkit/Gdi.h"
#include "toolkit/Resources.h"

namespace tk {

enum class FormBorder {
  None,                // popup without border or caption (shaped later by a region)
  FixedSingle,         // caption bar with close box; not resizable, no maximize
  FixedSingleNoTitle,  // one-pixel border, no caption
  SizableNoTitle,      // sizing frame, no caption
};

// Why a form is being unloaded, as QueryUnload reports it.
enum : int { vbFormControlMenu = 0, vbFormCode = 1 };

class Form {
 public:
  Form();
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  // --- design properties (apply now, and to every window created later)
  void SetBorder(FormBorder border) { border_ = border; }
  FormBorder Border() const { return border_; }
  void SetCaption(const std::string& caption);
  const std::string& Caption() const { return caption_; }
  void SetBackColor(Color color);
  Color BackColor() const { return backColor_; }
  // The window icon (big and small) from an icon resource id; 0 for none.
  void SetIconResource(int id);
  // The face picture, drawn at the client's top-left corner over the back colour.
  void SetPicture(Picture picture);
  // With key preview the form's KeyPress sees the characters typed into its
  // child controls first (it may change or cancel them).
  bool KeyPreview = false;

  // --- geometry in twips
  double Left() const;
  double Top() const;
  void Move(double left, double top);
  // The client area's size; the window's frame is added around it.
  void SetClientSize(double width, double height);
  double ScaleWidth() const;
  double ScaleHeight() const;
  // Places the window in the middle of the screen.
  void CentreOnScreen();

  // --- life
  // Creates the window without showing it (runs Form_Initialize once per
  // object, then Form_Load). Returns false when the window could not be
  // created or was unloaded by Form_Load itself.
  bool Load();
  // Shows the window modeless, loading it first.
  void Show();
  // Disables the program's other windows, shows this one and handles
  // events until it is hidden or unloaded. The window is owned by the
  // window it interrupts (this thread's active form, else its topmost shown
  // one), so it stays above it; the others are enabled again before it is
  // hidden or destroyed, so that the system hands the activation back to
  // that owner.
  void ShowModal();
  void Hide();
  // Raises QueryUnload(vbFormCode) and Unload; unless one cancels, destroys
  // the window. Returns true when the window is gone.
  bool Unload();
  bool Loaded() const { return hwnd_ != nullptr; }
  HWND hwnd() const { return hwnd_; }
  // Repaints the whole window now.
  void Refresh();

  // --- for controls and the toolkit
  // Marks part of the face for repainting. Changes that follow each other
  // quickly (a caption set before every block of a copy) reach the screen
  // together, at most once a frame; the last one always does.
  void Invalidate(const RECT& pixels);
  // Renders the face (back colour, picture, visible windowless controls)
  // into dc, which covers the client area from its top-left corner; with a
  // clip, only what lies inside it.
  void RenderFace(HDC dc);
  void RenderFace(HDC dc, const RECT& clip);
  // Runs the form's KeyPress for a character typed into one of its child
  // controls; returns the character to deliver (0: swallowed).
  int RouteKeyPress(int keyAscii);
  // The form whose window this is (top-level window of a toolkit form), or null.
  static Form* FromWindow(HWND hwnd);
  // Called by the toolkit's message loops before dispatching a message;
  // true when the message was consumed (a previewed character cancelled).
  static bool PreviewMessage(MSG& msg);

 protected:
  // --- events
  virtual void Form_Initialize() {}
  virtual void Form_Load() {}
  // unloadMode: vbFormControlMenu for the system's close command, vbFormCode for Unload().
  virtual void Form_QueryUnload(int& cancel, int unloadMode) {}
  virtual void Form_Unload(int& cancel) {}
  virtual void Form_MouseDown(int button, int shift, float x, float y) {}
  virtual void Form_MouseMove(int button, int shift, float x, float y) {}
  virtual void Form_MouseUp(int button, int shift, float x, float y) {}
  virtual void Form_KeyPress(int& keyAscii) {}

 private:
  friend class FaceControl;
  friend class ChildControl;
  static LRESULT CALLBACK WndProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  void OnPaint();
  void OnMouse(UINT msg, WPARAM wp, LPARAM lp);
  bool OnSetCursor(WPARAM wp, LPARAM lp);
  bool AskUnload(int unloadMode);
  FaceControl* HitTest(POINT pt) const;
  ChildControl* ChildOwning(HWND window) const;
  void ApplyGeometry();
  void DestroyWindowNow();
  void EnableModalDisabled();
  void FlushInvalid();
  void ForgetInvalid();

  HWND hwnd_ = nullptr;
  bool initialized_ = false;
  FormBorder border_ = FormBorder::FixedSingle;
  std::string caption_;
  Color backColor_ = 0x00C0C0C0;
  int iconId_ = 0;
  Picture picture_;
  double leftTwips_ = 0, topTwips_ = 0;
  double widthTwips_ = 4800, heightTwips_ = 3600;
  Canvas back_;
  std::vector<FaceControl*> faceControls_;  // in creation order: first is topmost
  std::vector<ChildControl*> children_;
  std::vector<HWND> modalDisabled_;  // the windows ShowModal disabled, until they are enabled again
  FaceControl* pressed_ = nullptr;  // the control holding the mouse capture
  RECT invalid_{};                  // marked but not yet handed to the window
  bool frameTimer_ = false;         // a flush of invalid_ is due on the timer
  DWORD lastFlush_ = 0;             // tick count of the last flush
};

}  // namespace tk
