#include "export/glyphblit.h"

#include <algorithm>

void BlitGlyph(const TFontHandler& font, int c, Bitmap& bitmap, int x, int y, int columns, TColor ink,
               std::optional<TColor> paper) {
  if (!font.Fontvalid()) return;
  const int firstColumn = std::max(0, -x);
  const int endColumn = std::min(std::min(columns, font.FontWidth()), bitmap.Width() - x);
  const int firstRow = std::max(0, -y);
  const int endRow = std::min(font.FontHeight(), bitmap.Height() - y);
  for (int row = firstRow; row < endRow; ++row) {
    TColor* out = bitmap.Row(y + row) + x;
    for (int column = firstColumn; column < endColumn; ++column) {
      if (font.GetPixel(c, column, row))
        out[column] = ink;
      else if (paper)
        out[column] = *paper;
    }
  }
}
