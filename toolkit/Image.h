// A windowless picture on a form's face (the classic Image control).
#pragma once

#include "toolkit/FormControl.h"
#include "toolkit/Resources.h"

namespace tk {

class Image : public FaceControl {
 public:
  explicit Image(Form& form) : FaceControl(form) {}

  // Shows a picture; the control takes the picture's size (in twips), as an
  // image that does not stretch does. An empty picture leaves the size.
  void SetPicture(Picture picture);
  // The same with the bitmap resource id; false when there is none.
  bool LoadPicture(int bitmapResourceId);
  const Picture& picture() const { return picture_; }

  void Paint(HDC dc) override;

 private:
  Picture picture_;
};

}  // namespace tk
