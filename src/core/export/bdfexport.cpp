#include "export/bdfexport.h"

#include "export/csourcetext.h"
#include "export/textfile.h"

#include <algorithm>

namespace {

// The resolution that makes the point size equal the pixel size.
constexpr int kDpi = 72;
constexpr int kDefaultChar = 32;

std::string BitmapRow(const TFontHandler& font, int c, const InkBox& box, int y) {
  std::string row;
  for (int x = 0; x < box.width; x += 8) {
    unsigned byte = 0;
    for (int bit = 0; bit < 8 && x + bit < box.width; ++bit)
      if (font.GetPixel(c, box.left + x + bit, y)) byte |= 0x80u >> bit;
    row += Printf("%02X", byte);
  }
  return row + "\n";
}

std::string GlyphText(const TFontHandler& font, int c, char32_t codePoint) {
  const int width = font.GetCharSize(c);
  const int height = font.FontHeight();
  const InkBox box = InkBoxOf(font, c);
  // The box's lowest row counted up from the baseline.
  const int bottom = box.height == 0 ? 0 : font.BaseLine() - (box.top + box.height);
  const auto point = static_cast<unsigned>(codePoint);
  std::string text = Printf("STARTCHAR uni%04X\nENCODING %u\n", point, point);
  text += Printf("SWIDTH %d 0\nDWIDTH %d 0\n", (width * 1000 + height / 2) / height, width);
  text += Printf("BBX %d %d %d %d\nBITMAP\n", box.width, box.height, box.left, bottom);
  for (int y = box.top; y < box.top + box.height; ++y) text += BitmapRow(font, c, box, y);
  return text + "ENDCHAR\n";
}

// XLFD fields must not hold these characters.
std::string XlfdField(std::string_view text) {
  std::string field(text);
  for (char& ch : field)
    if (std::string_view("-*?,\"").find(ch) != std::string_view::npos || static_cast<unsigned char>(ch) < 0x20)
      ch = ' ';
  return field.empty() ? std::string("Font") : field;
}

// The character set the encodings name: Latin-1 keeps to its own 256 code
// points, the other pages reach beyond them.
struct CharsetName {
  const char* registry;
  const char* encoding;
};

CharsetName CharsetOf(CodePage page) {
  if (page == CodePage::Latin1) return {"ISO8859", "1"};
  return {"ISO10646", "1"};
}

std::string FontName(const TFontHandler& font, std::string_view family, CodePage page) {
  int total = 0;
  bool monospaced = true;
  for (int c = 0; c < kGlyphCount; ++c) {
    total += font.GetCharSize(c);
    monospaced = monospaced && font.GetCharSize(c) == font.GetCharSize(0);
  }
  const int height = font.FontHeight();
  const CharsetName charset = CharsetOf(page);
  return Printf("-Glyphwright-%s-Medium-R-Normal--%d-%d-%d-%d-%c-%d-%s-%s", XlfdField(family).c_str(), height,
                height * 10, kDpi, kDpi, monospaced ? 'M' : 'P', (total * 10 + kGlyphCount / 2) / kGlyphCount,
                charset.registry, charset.encoding);
}

std::string HeaderText(const TFontHandler& font, std::string_view family, CodePage page, int glyphs) {
  const int width = font.FontWidth();
  const int height = font.FontHeight();
  const int ascent = font.BaseLine();
  std::string text = "STARTFONT 2.1\n";
  text += "FONT " + FontName(font, family, page) + "\n";
  text += Printf("SIZE %d %d %d\n", height, kDpi, kDpi);
  text += Printf("FONTBOUNDINGBOX %d %d 0 %d\n", width, height, ascent - height);
  text += "STARTPROPERTIES 5\n";
  text += Printf("FONT_ASCENT %d\nFONT_DESCENT %d\n", ascent, height - ascent);
  text += Printf("DEFAULT_CHAR %d\n", kDefaultChar);
  const CharsetName charset = CharsetOf(page);
  text += Printf("CHARSET_REGISTRY \"%s\"\nCHARSET_ENCODING \"%s\"\n", charset.registry, charset.encoding);
  return text + "ENDPROPERTIES\n" + Printf("CHARS %d\n", glyphs);
}

int MappedCodes(CodePage page) {
  int count = 0;
  for (int c = 0; c < kGlyphCount; ++c) count += CodePointOf(page, static_cast<std::uint8_t>(c)) ? 1 : 0;
  return count;
}

bool Blank(const TFontHandler& font, int c) {
  if (font.GetCharSize(c) > 0) return false;
  for (int y = 0; y < font.FontHeight(); ++y)
    if (RowInked(font, c, font.FontWidth(), y)) return false;
  return true;
}

}  // namespace

std::string BdfText(const TFontHandler& font, std::string_view family, CodePage page) {
  std::string text = HeaderText(font, family, page, MappedCodes(page));
  for (int c = 0; c < kGlyphCount; ++c)
    if (const auto codePoint = CodePointOf(page, static_cast<std::uint8_t>(c))) text += GlyphText(font, c, *codePoint);
  return text + "ENDFONT\n";
}

int ExportBDF(const TFontHandler& font, const std::string& filename, CodePage page) {
  RequireValidFont(font);
  WriteTextFile(filename, BdfText(font, SourceName(filename), page));
  int leftOut = 0;
  for (int c = 0; c < kGlyphCount; ++c)
    if (!CodePointOf(page, static_cast<std::uint8_t>(c)) && !Blank(font, c)) ++leftOut;
  return leftOut;
}
