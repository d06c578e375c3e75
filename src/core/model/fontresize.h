#pragma once

#include "model/fonthandler.h"

#include <functional>
#include <memory>

// Where the old glyphs go when the cell changes size, for each axis: 0 at the
// left or top, 1 centred (rounded towards the left or top), 2 at the right or
// bottom. Gives the offset for a size difference d.
int PlacementOffset(int index, int difference);

// A new font of width x height with the given baseline, each glyph of `font`
// placed in the new cell as `position` = 16 * horizontal + vertical index
// says. Growing adds empty columns and rows, shrinking cuts the old cell.
// Widths move with the glyph and stay within 0 .. width; kerning zones start
// empty. onGlyph(c) runs before each glyph.
std::unique_ptr<TFontHandler> ResizeFont(const TFontHandler& font, int width, int height, int baseline, int position,
                                         const std::function<void(int c)>& onGlyph);
