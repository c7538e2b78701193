#include "render/image_ops.h"

void ClearImage(Canvas& image, TColor color, TColor panelTextColor) {
  image.FillRect(PixelRect{0, 0, image.Width(), image.Height()}, color);
  image.SetFontColor(panelTextColor);
}

int32_t SetLetterFont(Canvas& image, unsigned char c) {
  if (c >= 65 && c <= 122) {
    image.SetFontName(kFontBookman);
    image.SetFontItalic(true);
    return 2;
  }
  image.SetFontName(kFontPGothic);
  image.SetFontItalic(false);
  return 0;
}
