#include "layoutreference.h"

#include <random>
#include <sstream>

namespace {

ByteArray ReferenceRows(const TFontHandler& font, int c) {
  const int perRow = (font.FontWidth() + 7) / 8;
  ByteArray bytes(static_cast<std::size_t>(perRow * font.FontHeight()), 0);
  for (int y = 0; y < font.FontHeight(); ++y)
    for (int x = 0; x < font.FontWidth(); ++x)
      if (font.GetPixel(c, x, y)) bytes[y * perRow + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
  return bytes;
}

ByteArray ReferenceColumns(const TFontHandler& font, int c, bool msbTop, bool mirrored) {
  const int h = font.FontHeight();
  const int pages = (h + 7) / 8;
  ByteArray bytes(static_cast<std::size_t>(font.FontWidth() * pages), 0);
  for (int x = 0; x < font.FontWidth(); ++x) {
    for (int y = 0; y < h; ++y) {
      if (!font.GetPixel(c, x, y)) continue;
      // MSB top pushes the column down so that its last row is bit 0 of the last page.
      const int position = msbTop ? y + 8 * pages - h : y;
      const int page = position / 8;
      const int bit = msbTop ? 7 - position % 8 : position % 8;
      const int slot = mirrored ? pages - 1 - page : page;
      bytes[x * pages + slot] |= static_cast<std::uint8_t>(1 << bit);
    }
  }
  return bytes;
}

}  // namespace

ByteArray ReferenceGlyphBytes(const TFontHandler& font, int c, ByteLayout layout) {
  switch (layout) {
    case ByteLayout::Rows:
      return ReferenceRows(font, c);
    case ByteLayout::ColumnsMsbTop:
      return ReferenceColumns(font, c, true, false);
    case ByteLayout::ColumnsLsbTop:
      return ReferenceColumns(font, c, false, false);
    case ByteLayout::ColumnsMsbTopMirrored:
      return ReferenceColumns(font, c, true, true);
    case ByteLayout::ColumnsLsbTopMirrored:
      return ReferenceColumns(font, c, false, true);
  }
  return {};
}

TFontHandler RandomFont(int w, int h, int type, std::uint32_t seed) {
  std::mt19937 random(seed);
  const auto below = [&random](int limit) { return static_cast<int>(random() % static_cast<std::uint32_t>(limit)); };
  TFontHandler font(w, h);
  font.Setfonttype(type);
  font.SetBaseLine(below(h + 1));
  for (int c = 0; c < kGlyphCount; ++c) {
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) font.SetPixel(c, x, y, below(2) == 1);
    font.SetCharSize(c, below(w + 1));
    TKerning& k = font.GetKerning(c);
    for (TPoint* zone : {&k.NWKerning, &k.NOKerning, &k.SWKerning, &k.SOKerning}) *zone = {below(w + 1), below(h + 1)};
  }
  return font;
}

ByteArray HexBytes(std::string_view text) {
  std::istringstream in{std::string(text)};
  ByteArray bytes;
  unsigned value = 0;
  while (in >> std::hex >> value) bytes.push_back(static_cast<std::uint8_t>(value));
  return bytes;
}
