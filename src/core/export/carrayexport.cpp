#include "export/carrayexport.h"

#include "export/csourcetext.h"
#include "export/textfile.h"

namespace {

const std::string kLineEnd(kCrLf);

// How a driver finds a pixel in the glyph's bytes.
std::string LayoutComment(const TFontHandler& font, ByteLayout layout) {
  if (layout == ByteLayout::Rows)
    return Printf("// Each glyph is %d rows of %d bytes, top row first; bit 7 of a row's first byte is its left pixel.",
                  font.FontHeight(), font.BytesPerRow()) +
           kLineEnd;
  const bool msbTop = layout == ByteLayout::ColumnsMsbTop || layout == ByteLayout::ColumnsMsbTopMirrored;
  const bool mirrored = layout == ByteLayout::ColumnsMsbTopMirrored || layout == ByteLayout::ColumnsLsbTopMirrored;
  const int pages = LayoutBytesPerGlyph(font, layout) / font.FontWidth();
  return Printf("// Each glyph is %d columns of %d bytes, left column first; a column's bytes run %s.",
                font.FontWidth(), pages, mirrored ? "from its bottom to its top" : "from its top to its bottom") +
         kLineEnd +
         Printf("// In each byte bit %d is the upper pixel; a column is padded to %d pixels at its %s.", msbTop ? 7 : 0,
                8 * pages, msbTop ? "top" : "bottom") +
         kLineEnd;
}

std::string Define(const std::string& id, const char* name, int value) {
  return Printf("#define %s_%s %d", id.c_str(), name, value) + kLineEnd;
}

std::string GlyphLabel(int c) {
  const std::string code = Printf("  // 0x%2.2X", c);
  return (c < 32 ? code : code + " " + CharacterText(c)) + kLineEnd;
}

std::string BitmapArray(const TFontHandler& font, const std::string& id, ByteLayout layout) {
  std::string text = "const uint8_t " + id + "Bitmaps[] PROGMEM = {" + kLineEnd;
  ByteArray glyph;
  for (int c = 0; c < kGlyphCount; ++c) {
    glyph.clear();
    AppendGlyphBytes(font, c, layout, glyph);
    text += GlyphLabel(c) + ByteBlock(glyph, 0, kCrLf) + kLineEnd;
  }
  return text + "};" + kLineEnd;
}

std::string WidthArray(const TFontHandler& font, const std::string& id) {
  ByteArray widths;
  for (int c = 0; c < kGlyphCount; ++c) widths.push_back(static_cast<std::uint8_t>(font.GetCharSize(c)));
  return "const uint8_t " + id + "Widths[256] PROGMEM = {" + kLineEnd + ByteBlock(widths, 0, kCrLf) + kLineEnd + "};" +
         kLineEnd;
}

std::string CArrayText(const TFontHandler& font, const std::string& name, ByteLayout layout) {
  const std::string id = "Font" + CIdentifier(name);
  const int bytesPerGlyph = LayoutBytesPerGlyph(font, layout);
  std::string text = CreatorHead("C array font");
  text += Printf("// Font%s (%d x %d Pixel), codes 0 to 255 of %d bytes each", name.c_str(), font.FontWidth(),
                 font.FontHeight(), bytesPerGlyph) +
          kLineEnd;
  text += "// Glyph c starts at byte c * " + id + "_BYTES_PER_GLYPH of " + id + "Bitmaps; " + id +
          "Widths[c] is its advance." + kLineEnd;
  text += LayoutComment(font, layout);
  text += "#include <stdint.h>" + kLineEnd + kLineEnd;
  // Without the AVR library the arrays are plain constants.
  text += "#ifndef PROGMEM" + kLineEnd + "#define PROGMEM" + kLineEnd + "#endif" + kLineEnd + kLineEnd;
  text += Define(id, "WIDTH", font.FontWidth()) + Define(id, "HEIGHT", font.FontHeight()) +
          Define(id, "BASELINE", font.BaseLine()) + Define(id, "BYTES_PER_GLYPH", bytesPerGlyph) + kLineEnd;
  text += BitmapArray(font, id, layout) + kLineEnd + WidthArray(font, id);
  return text + EofLine();
}

}  // namespace

void ExportCArray(const TFontHandler& font, const std::string& filename, ByteLayout layout) {
  RequireValidFont(font);
  WriteTextFile(filename, CArrayText(font, SourceName(filename), layout));
}
