#include "render/kerningpicture.h"

#include "export/glyphblit.h"

#include <algorithm>

namespace {

constexpr int kGap = 2;

int CellWidth(const TFontHandler& font) { return 3 * font.FontWidth() + kGap; }

int RowsFor(int columns) { return (columns + kGlyphCount - 1) / columns; }

}  // namespace

kerningtest::Layout kerningtest::LayoutFor(int boxWidth, int scrollBarWidth, const TFontHandler& font) {
  Layout layout;
  layout.CellWidth = CellWidth(font);
  layout.Columns = std::max(1, (boxWidth - scrollBarWidth) / layout.CellWidth);
  layout.Rows = RowsFor(layout.Columns);
  return layout;
}

void PaintKerningTest(const TFontHandler& font, int C, int columns, TColor background, Bitmap& bitmap) {
  using namespace kerningtest;
  columns = std::max(columns, 1);
  const int cw = CellWidth(font);
  const int rowHeight = font.FontHeight() + kGap;
  bitmap = Bitmap(columns * cw, RowsFor(columns) * rowHeight, background);
  C &= 0xFF;
  const int sizeC = font.GetCharSize(C);
  // Centres C's width in the cell.
  const int off = (cw - sizeC - kGap) / 2;
  for (int g = 0; g < kGlyphCount; ++g) {
    const int k = g % columns;
    const int r = g / columns;
    const int xc = cw * k + off;
    const int y = rowHeight * r + kGap;
    bitmap.FillRect(cw * k, y, cw * (k + 1) - kGap, rowHeight * (r + 1), kPaper);
    BlitGlyph(font, C, bitmap, xc, y, sizeC, kInk, kGlyphUnderTest);
    // g in front of C ends d1 pixels inside C's box; g after C begins d2 pixels before its end.
    const int d1 = font.CalculateKerning(g, C);
    BlitGlyph(font, g, bitmap, xc + d1 - font.GetCharSize(g), y, font.GetCharSize(g), kInk, std::nullopt);
    const int d2 = font.CalculateKerning(C, g);
    BlitGlyph(font, g, bitmap, xc + sizeC - d2, y, font.GetCharSize(g), kInk, std::nullopt);
  }
}
