#pragma once

#include "model/fonthandler.h"

// The small 5 x 10 font the export examples are written for: baseline 8,
// '!' (width 2), ',' (width 3) and 'b' (width 5, zone NO (1, 3)) inked, every
// other glyph empty and 3 wide.
TFontHandler WorkedExampleFont();

// Sets the pixels of glyph c from rows of '#' (ink) and '.' (clear).
void PaintGlyph(TFontHandler& font, int c, std::initializer_list<const char*> rows);
