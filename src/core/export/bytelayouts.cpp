#include "export/bytelayouts.h"

#include "model/fntformat.h"

#include <array>
#include <stdexcept>

namespace {

constexpr std::array<ByteLayout, kMaxByteFormat + 1> kLayoutOfFormat = {
    ByteLayout::Rows,                   // 0 intel
    ByteLayout::Rows,                   // 1 motorola
    ByteLayout::ColumnsMsbTop,          // 2 intel
    ByteLayout::ColumnsLsbTop,          // 3 intel
    ByteLayout::ColumnsMsbTop,          // 4 motorola
    ByteLayout::ColumnsLsbTop,          // 5 motorola
    ByteLayout::ColumnsMsbTopMirrored,  // 6 intel
    ByteLayout::ColumnsLsbTopMirrored,  // 7 intel
    ByteLayout::ColumnsMsbTopMirrored,  // 8 motorola
    ByteLayout::ColumnsLsbTopMirrored,  // 9 motorola
    ByteLayout::Rows,                   // 10 gnu as
    ByteLayout::ColumnsMsbTop,          // 11 gnu as
    ByteLayout::ColumnsLsbTop,          // 12 gnu as
    ByteLayout::ColumnsMsbTopMirrored,  // 13 gnu as
    ByteLayout::ColumnsLsbTopMirrored,  // 14 gnu as
};

int PagesPerColumn(const TFontHandler& font) { return (font.FontHeight() + 7) / 8; }

bool IsMsbTop(ByteLayout layout) {
  return layout == ByteLayout::ColumnsMsbTop || layout == ByteLayout::ColumnsMsbTopMirrored;
}

bool IsMirrored(ByteLayout layout) {
  return layout == ByteLayout::ColumnsMsbTopMirrored || layout == ByteLayout::ColumnsLsbTopMirrored;
}

// Reads whole stored bytes, the padding bits right of the cell included, so
// that the row layout is the glyph exactly as the font keeps it.
void AppendRows(const TFontHandler& font, int c, ByteArray& out) {
  for (int y = 0; y < font.FontHeight(); ++y) {
    for (int x0 = 0; x0 < 8 * font.BytesPerRow(); x0 += 8) {
      std::uint8_t byte = 0;
      for (int k = 0; k < 8; ++k)
        if (font.GetPixel(c, x0 + k, y)) byte |= static_cast<std::uint8_t>(0x80u >> k);
      out.push_back(byte);
    }
  }
}

// MSB top keeps the spare bits above the column, so its bottom row always
// lands in bit 0 of the last page; LSB top keeps them below.
std::uint8_t ColumnPage(const TFontHandler& font, int c, int x, int page, bool msbTop) {
  const int h = font.FontHeight();
  const int pad = 8 * PagesPerColumn(font) - h;
  std::uint8_t byte = 0;
  for (int k = 0; k < 8; ++k) {
    const int v = 8 * page + k;
    if (msbTop) {
      byte = static_cast<std::uint8_t>(byte << 1);
      if (v >= pad && font.GetPixel(c, x, v - pad)) byte |= 0x01;
    } else {
      byte = static_cast<std::uint8_t>(byte >> 1);
      if (v < h && font.GetPixel(c, x, v)) byte |= 0x80;
    }
  }
  return byte;
}

void AppendColumns(const TFontHandler& font, int c, ByteLayout layout, ByteArray& out) {
  const int pages = PagesPerColumn(font);
  const bool msbTop = IsMsbTop(layout);
  const bool mirrored = IsMirrored(layout);
  for (int x = 0; x < font.FontWidth(); ++x)
    for (int j = 0; j < pages; ++j) out.push_back(ColumnPage(font, c, x, mirrored ? pages - 1 - j : j, msbTop));
}

void AppendWord(ByteArray& out, int value) {
  out.push_back(static_cast<std::uint8_t>(value % 256));
  out.push_back(static_cast<std::uint8_t>(value / 256));
}

}  // namespace

bool IsByteFormat(int format) { return format >= kMinByteFormat && format <= kMaxByteFormat; }

ByteLayout LayoutOfFormat(int format) {
  if (!IsByteFormat(format)) throw std::invalid_argument("format number outside 0..14");
  return kLayoutOfFormat[static_cast<std::size_t>(format)];
}

int LayoutBytesPerGlyph(const TFontHandler& font, ByteLayout layout) {
  if (layout == ByteLayout::Rows) return font.BytesPerRow() * font.FontHeight();
  return font.FontWidth() * PagesPerColumn(font);
}

void AppendGlyphBytes(const TFontHandler& font, int c, ByteLayout layout, ByteArray& out) {
  if (layout == ByteLayout::Rows)
    AppendRows(font, c, out);
  else
    AppendColumns(font, c, layout, out);
}

// Every format number selects its layout, the GNU as ones included; an
// unknown number is a caller's error rather than a font of blank glyphs.
ByteArray GetFontByFormat(const TFontHandler& font, int aformat) {
  const ByteLayout layout = LayoutOfFormat(aformat);
  if (!font.Fontvalid()) return {};
  ByteArray out;
  out.reserve(kFntHeaderSize + static_cast<std::size_t>(kGlyphCount) * (LayoutBytesPerGlyph(font, layout) + 1));
  out.assign(kFntType2Id.begin(), kFntType2Id.end());
  AppendWord(out, font.BaseLine());
  AppendWord(out, font.FontWidth());
  AppendWord(out, font.FontHeight());
  for (int c = 0; c < kGlyphCount; ++c) {
    AppendGlyphBytes(font, c, layout, out);
    out.push_back(static_cast<std::uint8_t>(font.GetCharSize(c)));
  }
  return out;
}
