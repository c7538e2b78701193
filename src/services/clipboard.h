// The clipboard as the plane uses it: a picture out, a picture in.
#pragma once

#include "render/canvas.h"

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Puts the whole picture on the clipboard as an image other programs can paste.
  virtual void PutImage(const Canvas& image) = 0;
  // Draws the clipboard's picture onto the target with its top-left corner at the target's;
  // false (the target untouched) when the clipboard holds no picture.
  virtual bool DrawImageOn(Canvas& target) = 0;
};
