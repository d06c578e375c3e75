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
  int xAdvance = 0;
  int xOffset = 0;
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

// Rows follow each other without padding: GFX pads only a glyph's last byte.
ByteArray PackBox(const TFontHandler& font, int c, const GfxRecord& box, int top) {
  ByteArray bytes(static_cast<std::size_t>((box.width * box.height + 7) / 8), 0);
  std::size_t bit = 0;
  for (int y = top; y < top + box.height; ++y)
    for (int x = box.xOffset; x < box.xOffset + box.width; ++x, ++bit)
      if (font.GetPixel(c, x, y)) bytes[bit / 8] |= static_cast<std::uint8_t>(0x80u >> (bit % 8));
  return bytes;
}

bool ColumnInked(const TFontHandler& font, int c, int x, int top, int height) {
  for (int y = top; y < top + height; ++y)
    if (font.GetPixel(c, x, y)) return true;
  return false;
}

// The inked rows top..top+height-1 cut to their inked columns as well.
GfxGlyph CutToInk(const TFontHandler& font, int c, long bitmapOffset, int top, int height) {
  const int width = font.GetCharSize(c);
  int left = 0;
  while (!ColumnInked(font, c, left, top, height)) ++left;
  int right = width;
  while (!ColumnInked(font, c, right - 1, top, height)) --right;
  const GfxRecord record{bitmapOffset, right - left, height, width, left, top - font.BaseLine(), c};
  return {record, PackBox(font, c, record, top)};
}

// The glyph cut to its inked rows, and to its inked columns in the compact
// layout, or nothing when it has no ink within its width. The space is always
// cut: to an empty box in the compact layout, else to the row above the
// baseline when empty.
std::optional<GfxGlyph> CutGlyph(const TFontHandler& font, int c, long bitmapOffset, GfxBitmaps bitmaps) {
  const int width = font.GetCharSize(c);
  const int rows = font.FontHeight();
  const int baseLine = font.BaseLine();
  int top = 0;
  while (top < rows && !RowInked(font, c, width, top)) ++top;
  int bottom = 0;
  while (bottom < rows && !RowInked(font, c, width, rows - 1 - bottom)) ++bottom;
  const bool blank = top + bottom >= rows;
  if (blank && c != kSpace) return std::nullopt;
  if (bitmaps == GfxBitmaps::Compact) {
    if (blank) return GfxGlyph{{bitmapOffset, 0, 0, width, 0, 0, c}, {}};
    return CutToInk(font, c, bitmapOffset, top, rows - top - bottom);
  }
  if (top >= baseLine) top = baseLine - 1;
  if (bottom > rows - top) bottom = rows - baseLine;
  const GfxRecord record{bitmapOffset, width, rows - top - bottom, width, 0, top - baseLine, c};
  return GfxGlyph{record, PackBox(font, c, record, top)};
}

// The entry to choose instead when the bitmaps pass the 16-bit limit, in
// German and in English.
struct EntryCaption {
  const char* german;
  const char* english;
};

EntryCaption NarrowerEntry(GfxBitmaps bitmaps) {
  if (bitmaps == GfxBitmaps::Compact)
    return {"GFX Arduino Font kompakt - Include (max.127 Zeichen)",
            "GFX Arduino Font Compact - Include (max. 127 glyphs)"};
  return {"GFX Arduino Font - Include (max.127 Zeichen)", "GFX Arduino Font - Include (max. 127 glyphs)"};
}

void RequireAddressable(const GfxGlyph& glyph, GfxBitmaps bitmaps) {
  const long end = glyph.record.bitmapOffset + std::max<long>(static_cast<long>(glyph.bitmap.size()), 1);
  if (end <= kAddressableBitmapBytes) return;
  const int c = glyph.record.code;
  throw GfxLimitError(GfxLimitError::Reason::BitmapOffset, c,
                      Printf("Zeichen %d (0x%2.2X) passt nicht mehr in den GFX-Font: seine Bitmap-Daten lägen jenseits "
                             "von 65535 Bytes, die das GFX-Format adressieren kann.\r"
                             "Bitte den Eintrag \"%s\" wählen.",
                             c, c, NarrowerEntry(bitmaps).german),
                      Printf("Glyph %d (0x%2.2X) no longer fits into the GFX font: its bitmap data would lie beyond "
                             "the 65535 bytes the GFX format can address.\r"
                             "Please choose the entry \"%s\".",
                             c, c, NarrowerEntry(bitmaps).english));
}

std::string GlyphRow(const GfxRecord& record, char separator) {
  return Printf("  { %5ld, %2d, %2d, %2d, %2d, %3d}%c // 0x%2.2X %s", record.bitmapOffset, record.width, record.height,
                record.xAdvance, record.xOffset, record.yOffset, separator, record.code,
                CharacterText(record.code).c_str());
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

GfxTables CutGlyphs(const TFontHandler& font, int maxCode, GfxBitmaps bitmaps) {
  GfxTables tables;
  tables.records.resize(static_cast<std::size_t>(maxCode) + 1);
  for (int c = 1; c <= maxCode; ++c) {
    const std::string comment = Printf("  // 0x%2.2X %s", c, CharacterText(c).c_str());
    const std::optional<GfxGlyph> glyph = CutGlyph(font, c, tables.bitmapBytes, bitmaps);
    if (!glyph) {
      if (tables.first >= 0) tables.bitmaps += comment + " not defined" + std::string(kCrLf);
      continue;
    }
    RequireAddressable(*glyph, bitmaps);
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

// The compact layout ends its bytes with the last glyph's; C allows no empty
// array, so a font without ink still gets one byte.
bool EndsWithZeroByte(const GfxTables& tables, GfxBitmaps bitmaps) {
  return bitmaps == GfxBitmaps::FullWidth || tables.bitmapBytes == 0;
}

std::string GfxText(const TFontHandler& font, const std::string& name, int maxCode, GfxBitmaps bitmaps) {
  const GfxTables tables = CutGlyphs(font, maxCode, bitmaps);
  const std::string crlf(kCrLf);
  const std::string id = CIdentifier(name);
  std::string text = CreatorHead("Arduino GFX-Font");
  text += Printf("// Font%s (%d x %d Pixel) max. %d characters", name.c_str(), font.FontWidth(), font.FontHeight(),
                 maxCode) +
          crlf;
  text += "const uint8_t Font" + id + "Bitmaps[] PROGMEM = {" + crlf;
  text += tables.bitmaps + (EndsWithZeroByte(tables, bitmaps) ? "  0x00" + crlf : "") + "};" + crlf + crlf;
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

void ExportGFX(const TFontHandler& font, const std::string& filename, GfxCodes codes, GfxBitmaps bitmaps) {
  const int maxCode = static_cast<int>(codes);
  RequireValidFont(font);
  RequireUsableBaseLine(font);
  WriteTextFile(filename, GfxText(font, SourceName(filename), maxCode, bitmaps));
}
