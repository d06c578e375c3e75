#include "export/gfxexport.h"

#include "export/csourcetext.h"
#include "export/textfile.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

// Adafruit GFX keeps bitmapOffset in 16 bits and counts the bytes it reads
// from there in 16 bits too, so every byte of a glyph must lie below this.
constexpr long kAddressableBitmapBytes = 65536;
constexpr int kSpace = 32;
// The fixed allowance the memory line adds to the bitmap bytes.
constexpr long kMemoryAllowance = 30;

struct GfxRecord {
  long bitmapOffset = 0;
  int width = 0;
  int height = 0;
  int yOffset = 0;
  int code = 0;
};

struct GfxGlyph {
  GfxRecord record;
  ByteArray bitmap;
};

// The glyph boxes start above the baseline: one outside the cell would put
// them outside the glyph.
void RequireUsableBaseLine(const TFontHandler& font) {
  if (font.BaseLine() >= 1 && font.BaseLine() <= font.FontHeight()) return;
  throw GfxLimitError(GfxLimitError::Reason::BaseLine, font.BaseLine(),
                      Printf("Die Grundlinie %d liegt außerhalb der Zeichenhöhe von %d Pixeln.\r"
                             "Der GFX-Font braucht eine Grundlinie von 1 bis %d.",
                             font.BaseLine(), font.FontHeight(), font.FontHeight()),
                      Printf("The baseline %d lies outside the glyph height of %d pixels.\r"
                             "A GFX font needs a baseline of 1 to %d.",
                             font.BaseLine(), font.FontHeight(), font.FontHeight()));
}

ByteArray PackBox(const TFontHandler& font, int c, int top, int height, int width) {
  ByteArray bytes(static_cast<std::size_t>((width * height + 7) / 8), 0);
  std::size_t bit = 0;
  for (int y = top; y < top + height; ++y)
    for (int x = 0; x < width; ++x, ++bit)
      if (font.GetPixel(c, x, y)) bytes[bit / 8] |= static_cast<std::uint8_t>(0x80u >> (bit % 8));
  return bytes;
}

// The glyph cut to its width and its inked rows, or nothing when it has no ink
// there (the space is always cut, to the row above the baseline when empty).
std::optional<GfxGlyph> CutGlyph(const TFontHandler& font, int c, long bitmapOffset) {
  const int width = font.GetCharSize(c);
  const int rows = font.FontHeight();
  const int baseLine = font.BaseLine();
  int top = 0;
  while (top < rows && !RowInked(font, c, width, top)) ++top;
  int bottom = 0;
  while (bottom < rows && !RowInked(font, c, width, rows - 1 - bottom)) ++bottom;
  if (top + bottom >= rows && c != kSpace) return std::nullopt;
  if (top >= baseLine) top = baseLine - 1;
  if (bottom > rows - top) bottom = rows - baseLine;
  const int height = rows - top - bottom;
  return GfxGlyph{{bitmapOffset, width, height, top - baseLine, c}, PackBox(font, c, top, height, width)};
}

void RequireAddressable(const GfxGlyph& glyph) {
  const long end = glyph.record.bitmapOffset + std::max<long>(static_cast<long>(glyph.bitmap.size()), 1);
  if (end <= kAddressableBitmapBytes) return;
  const int c = glyph.record.code;
  throw GfxLimitError(GfxLimitError::Reason::BitmapOffset, c,
                      Printf("Zeichen %d (0x%2.2X) passt nicht mehr in den GFX-Font: seine Bitmap-Daten lägen jenseits "
                             "von 65535 Bytes, die das GFX-Format adressieren kann.\r"
                             "Bitte den Eintrag \"GFX Arduino Font - Include (max.127 Zeichen)\" wählen.",
                             c, c),
                      Printf("Glyph %d (0x%2.2X) no longer fits into the GFX font: its bitmap data would lie beyond "
                             "the 65535 bytes the GFX format can address.\r"
                             "Please choose the entry \"GFX Arduino Font - Include (max. 127 glyphs)\".",
                             c, c));
}

std::string GlyphRow(const GfxRecord& record, char separator) {
  return Printf("  { %5ld, %2d, %2d, %2d, %2d, %3d}%c // 0x%2.2X %s", record.bitmapOffset, record.width, record.height,
                record.width, 0, record.yOffset, separator, record.code, CharacterText(record.code).c_str());
}

std::string CodeLabel(int c) {
  const std::string hex = Printf("0x%2.2X", c);
  return c < kSpace ? hex : hex + "=" + CharacterText(c);
}

struct GfxTables {
  std::string bitmaps;
  std::vector<std::optional<GfxRecord>> records;
  int first = -1;
  int last = -1;
  long bitmapBytes = 0;
};

GfxTables CutGlyphs(const TFontHandler& font, int maxCode) {
  GfxTables tables;
  tables.records.resize(static_cast<std::size_t>(maxCode) + 1);
  for (int c = 1; c <= maxCode; ++c) {
    const std::string comment = Printf("  // 0x%2.2X %s", c, CharacterText(c).c_str());
    const std::optional<GfxGlyph> glyph = CutGlyph(font, c, tables.bitmapBytes);
    if (!glyph) {
      if (tables.first >= 0) tables.bitmaps += comment + " not defined" + std::string(kCrLf);
      continue;
    }
    RequireAddressable(*glyph);
    if (tables.first < 0) tables.first = c;
    tables.last = c;
    tables.records[c] = glyph->record;
    tables.bitmaps += comment + std::string(kCrLf) + ByteBlock(glyph->bitmap) + std::string(kCrLf);
    tables.bitmapBytes += static_cast<long>(glyph->bitmap.size());
  }
  return tables;
}

// Codes without ink inside the range draw as the space.
std::string GlyphTable(const GfxTables& tables) {
  std::string table;
  for (int c = tables.first; c <= tables.last; ++c) {
    const GfxRecord& record = tables.records[c] ? *tables.records[c] : *tables.records[kSpace];
    if (c > tables.first) table += '\r';
    table += GlyphRow(record, c == tables.last ? ' ' : ',');
  }
  return table;
}

std::string GfxText(const TFontHandler& font, const std::string& name, int maxCode) {
  const GfxTables tables = CutGlyphs(font, maxCode);
  const std::string crlf(kCrLf);
  const std::string id = CIdentifier(name);
  std::string text = CreatorHead("Arduino GFX-Font");
  text += Printf("// Font%s (%d x %d Pixel) max. %d characters", name.c_str(), font.FontWidth(), font.FontHeight(),
                 maxCode) +
          crlf;
  text += "const uint8_t Font" + id + "Bitmaps[] PROGMEM = {" + crlf;
  text += tables.bitmaps + "  0x00" + crlf + "};" + crlf + crlf;
  text += "const GFXglyph Font" + id + "Glyphs[] PROGMEM = {" + crlf;
  text += GlyphTable(tables) + crlf + "};" + crlf + crlf;
  text += "const GFXfont Font" + id + " PROGMEM = {" + crlf;
  text += "  (uint8_t  *) Font" + id + "Bitmaps," + crlf;
  text += "  (GFXglyph *) Font" + id + "Glyphs," + crlf;
  text += "  //ASCII start, ASCII stop,y Advance" + crlf;
  text += Printf("  %d, %d, %d // %s - %s ", tables.first, tables.last, font.FontHeight(),
                 CodeLabel(tables.first).c_str(), CodeLabel(tables.last).c_str()) +
          crlf;
  text += "};" + crlf;
  text += Printf("// needs %ld bytes of Memory", tables.bitmapBytes + kMemoryAllowance) + crlf;
  return text + EofLine();
}

}  // namespace

void ExportGFX(const TFontHandler& font, const std::string& filename, GfxCodes codes) {
  const int maxCode = static_cast<int>(codes);
  RequireValidFont(font);
  RequireUsableBaseLine(font);
  WriteTextFile(filename, GfxText(font, SourceName(filename), maxCode));
}
