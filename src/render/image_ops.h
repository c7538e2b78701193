// Small drawing operations shared by every image: clearing to a colour and the letter font.
#pragma once

#include "render/canvas.h"

// The whole image becomes the colour; afterwards the font colour is the panel text colour.
void ClearImage(Canvas& image, TColor color, TColor panelTextColor);

// Letters ("A".."z", the six signs between "Z" and "a" included) are set in the italic serif
// face and the result is their upward nudge of 2 pixels; everything else in the gothic face, 0.
// The font size is left as it is.
int32_t SetLetterFont(Canvas& image, unsigned char c);
