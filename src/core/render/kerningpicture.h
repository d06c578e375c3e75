#pragma once

#include "model/bitmap.h"
#include "model/fonthandler.h"

// The kerning test: for a glyph C under test and every glyph g of the font,
// the triple g C g set with the kerning distances between them, one cell per
// g, in rows of a fixed number of cells.
namespace kerningtest {

constexpr TColor kInk = 0x000000;
constexpr TColor kPaper = 0xFFFFFF;
// Behind C, so that its advance shows.
constexpr TColor kGlyphUnderTest = 0xFFFF00;

struct Layout {
  int CellWidth = 0;  // 3 W + 2
  int Columns = 0;
  int Rows = 0;  // enough rows for 256 cells
};

// The layout for a box of the given width, less the room its vertical
// scroll bar takes. At least one column, however narrow the box.
Layout LayoutFor(int boxWidth, int scrollBarWidth, const TFontHandler& font);

}  // namespace kerningtest

// Sizes the bitmap to columns x rows cells and paints the test for glyph C.
void PaintKerningTest(const TFontHandler& font, int C, int columns, TColor background, Bitmap& bitmap);
