#include "render/charsetpicture.h"

#include "export/glyphblit.h"

namespace charset {

int PictureWidth(const TFontHandler& font) { return kGridSize * (font.FontWidth() + kGap) + kGap; }

int PictureHeight(const TFontHandler& font) { return kGridSize * (font.FontHeight() + kGap) + kGap; }

TPoint CellOrigin(const TFontHandler& font, int c) {
  return {(font.FontWidth() + kGap) * (c % kGridSize) + kGap, (font.FontHeight() + kGap) * (c / kGridSize) + kGap};
}

std::optional<int> GlyphAt(const TFontHandler& font, int x, int y) {
  const int column = (x - kGap) / (font.FontWidth() + kGap);
  const int row = (y - kGap) / (font.FontHeight() + kGap);
  if (x < kGap || y < kGap || column >= kGridSize || row >= kGridSize) return std::nullopt;
  const int c = row * kGridSize + column;
  const TPoint origin = CellOrigin(font, c);
  if (x >= origin.X + font.FontWidth() || y >= origin.Y + font.FontHeight()) return std::nullopt;
  return c;
}

}  // namespace charset

void PaintCharset(const TFontHandler& font, bool highlightSize, TColor background, Bitmap& bitmap) {
  bitmap = Bitmap(charset::PictureWidth(font), charset::PictureHeight(font), background);
  for (int c = 0; c < kGlyphCount; ++c) PaintCharsetCell(font, c, highlightSize, bitmap);
}

void PaintCharsetCell(const TFontHandler& font, int c, bool highlightSize, Bitmap& bitmap) {
  const TPoint origin = charset::CellOrigin(font, c);
  const int width = font.GetCharSize(c);
  // Only the columns inside the width are drawn: the rest of the cell is
  // filled anyway, and ink there would be hidden.
  BlitGlyph(font, c, bitmap, origin.X, origin.Y, width, charset::kInk, charset::kPaper);
  bitmap.FillRect(origin.X + width, origin.Y, origin.X + font.FontWidth(), origin.Y + font.FontHeight(),
                  highlightSize ? charset::kWidthHighlight : charset::kPaper);
}
