#pragma once

#include "model/bitmap.h"
#include "model/fonthandler.h"

#include <optional>

// Draws the first `columns` columns of glyph c with its top-left corner at
// (x, y): ink pixels in `ink`, the others in `paper`, or left alone when there
// is no paper. Pixels outside the bitmap are skipped. The result equals
// DrawCharacterEX on the bitmap; it writes the rows directly, since the views
// draw every glyph of a font at each rendering.
void BlitGlyph(const TFontHandler& font, int c, Bitmap& bitmap, int x, int y, int columns, TColor ink,
               std::optional<TColor> paper);
