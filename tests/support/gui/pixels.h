// Reading back what a QtCanvas painted, in the system's 0x00BBGGRR colours.
#pragma once

#include "platform/qt_canvas.h"

inline TColor At(const QtCanvas& canvas, int x, int y) {
  return FromQColor(QColor(canvas.Image().pixel(x, y)));
}
