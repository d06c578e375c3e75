#pragma once

#include "model/bitmap.h"
#include "model/fonthandler.h"

#include <optional>

// The charset table: the 256 glyphs of a font in 16 x 16 cells of the font's
// cell size, codes running left to right and then top to bottom. Cells are
// white with black ink; 2-pixel gaps and a 2-pixel margin keep the
// background colour. The part of a cell beyond the glyph's width is red when
// the width is highlighted and white otherwise, so ink beyond the width never
// shows. The window's charset page and the printed charset use this picture.
namespace charset {

constexpr TColor kInk = 0x000000;
constexpr TColor kPaper = 0xFFFFFF;
constexpr TColor kWidthHighlight = 0xFF0000;
constexpr int kGridSize = 16;
constexpr int kGap = 2;

// Size of the whole table for a cell of W x H: 16 (W + 2) + 2 by 16 (H + 2) + 2.
int PictureWidth(const TFontHandler& font);
int PictureHeight(const TFontHandler& font);
// Top-left corner of glyph c's cell.
TPoint CellOrigin(const TFontHandler& font, int c);
// The glyph whose cell holds the point; nothing in the gaps and the margin.
std::optional<int> GlyphAt(const TFontHandler& font, int x, int y);

}  // namespace charset

// Sizes the bitmap to the table and paints all 256 cells.
void PaintCharset(const TFontHandler& font, bool highlightSize, TColor background, Bitmap& bitmap);
// Paints glyph c's cell again, in a table painted for a font of the same cell size.
void PaintCharsetCell(const TFontHandler& font, int c, bool highlightSize, Bitmap& bitmap);
