// Imported BDF and GFX fonts set every text as the file sets it, shifted as
// a whole: each small font below is written both ways, a text of its glyphs
// is set once from the file's boxes and advances and once from the imported
// cells and widths, and the two sets of pixels must be one shifted copy of
// the other.

#include "importtestsupport.h"
#include "model/bdffont.h"
#include "model/gfxfont.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// A glyph as both files place it against the pen on the baseline: rows of
// '#' and '.', top row first, whose lowest row lies `bottom` rows above the
// baseline.
struct SketchedGlyph {
  int code;
  int left;
  int bottom;
  int advance;
  std::vector<std::string> rows;

  int Width() const { return rows.empty() ? 0 : static_cast<int>(rows.front().size()); }
  int Height() const { return static_cast<int>(rows.size()); }
};

struct SketchedFont {
  const char* label;
  std::vector<SketchedGlyph> glyphs;
  int cellWidth;  // the largest left overhang plus the rightmost ink or advance
};

std::string HexRow(const std::string& row) {
  std::string hex;
  for (std::size_t x = 0; x < row.size(); x += 8) {
    unsigned byte = 0;
    for (std::size_t bit = 0; bit < 8 && x + bit < row.size(); ++bit)
      if (row[x + bit] == '#') byte |= 0x80u >> bit;
    const char digits[] = "0123456789ABCDEF";
    hex += digits[byte >> 4];
    hex += digits[byte & 15];
  }
  return hex;
}

std::string SketchedBdf(const SketchedFont& font) {
  std::string text = "STARTFONT 2.1\nFONTBOUNDINGBOX 1 1 0 0\nCHARS " + std::to_string(font.glyphs.size()) + "\n";
  for (const SketchedGlyph& glyph : font.glyphs) {
    text += "STARTCHAR g\nENCODING " + std::to_string(glyph.code) + "\nDWIDTH " + std::to_string(glyph.advance) +
            " 0\nBBX " + std::to_string(glyph.Width()) + " " + std::to_string(glyph.Height()) + " " +
            std::to_string(glyph.left) + " " + std::to_string(glyph.bottom) + "\nBITMAP\n";
    for (const std::string& row : glyph.rows) text += HexRow(row) + "\n";
    text += "ENDCHAR\n";
  }
  return text + "ENDFONT\n";
}

// The codes between the sketched ones get empty entries without advance.
std::string SketchedGfx(const SketchedFont& font) {
  std::vector<int> bytes;
  std::string table;
  const int first = font.glyphs.front().code;
  const int last = font.glyphs.back().code;
  for (int code = first; code <= last; ++code) {
    const auto glyph = std::find_if(font.glyphs.begin(), font.glyphs.end(),
                                    [code](const SketchedGlyph& sketched) { return sketched.code == code; });
    if (glyph == font.glyphs.end()) {
      table += "{0, 0, 0, 0, 0, 0},\n";
      continue;
    }
    table += "{" + std::to_string(bytes.size()) + ", " + std::to_string(glyph->Width()) + ", " +
             std::to_string(glyph->Height()) + ", " + std::to_string(glyph->advance) + ", " +
             std::to_string(glyph->left) + ", " + std::to_string(-glyph->bottom - glyph->Height()) + "},\n";
    int bit = 0;
    for (const std::string& row : glyph->rows)
      for (const char pixel : row) {
        if (bit % 8 == 0) bytes.push_back(0);
        if (pixel == '#') bytes.back() |= 0x80 >> (bit % 8);
        ++bit;
      }
  }
  std::string bitmaps;
  for (const int byte : bytes) bitmaps += std::to_string(byte) + ", ";
  return "const uint8_t B[] PROGMEM = {" + bitmaps + "0};\nconst GFXglyph G[] PROGMEM = {\n" + table +
         "};\nconst GFXfont F PROGMEM = {(uint8_t *)B, (GFXglyph *)G, " + std::to_string(first) + ", " +
         std::to_string(last) + ", 20};\n";
}

using Pixels = std::set<std::pair<int, int>>;

// A text of every glyph twice, the second time in reverse order.
std::vector<int> TextCodes(const SketchedFont& font) {
  std::vector<int> codes;
  for (const SketchedGlyph& glyph : font.glyphs) codes.push_back(glyph.code);
  codes.insert(codes.end(), codes.rbegin(), codes.rend());
  return codes;
}

// (x, rows up from the baseline) of the text as the file sets it.
Pixels SetBySketch(const SketchedFont& font) {
  Pixels pixels;
  int pen = 0;
  for (const int code : TextCodes(font)) {
    const SketchedGlyph& glyph = *std::find_if(font.glyphs.begin(), font.glyphs.end(),
                                               [code](const SketchedGlyph& sketched) { return sketched.code == code; });
    for (int y = 0; y < glyph.Height(); ++y)
      for (int x = 0; x < glyph.Width(); ++x)
        if (glyph.rows[y][x] == '#') pixels.emplace(pen + glyph.left + x, glyph.bottom + glyph.Height() - 1 - y);
    pen += glyph.advance;
  }
  return pixels;
}

// The same text set from the cells, each glyph at the sum of the widths before it.
Pixels SetByFont(const SketchedFont& sketch, const TFontHandler& font) {
  Pixels pixels;
  int pen = 0;
  for (const int code : TextCodes(sketch)) {
    for (int y = 0; y < font.FontHeight(); ++y)
      for (int x = 0; x < font.FontWidth(); ++x)
        if (font.GetPixel(code, x, y)) pixels.emplace(pen + x, font.BaseLine() - 1 - y);
    pen += font.GetCharSize(code);
  }
  return pixels;
}

Pixels Shifted(const Pixels& pixels, int dx) {
  Pixels shifted;
  for (const auto& [x, y] : pixels) shifted.emplace(x + dx, y);
  return shifted;
}

const SketchedFont kSketchedFonts[] = {
    {"NoOverhang", {{'a', 0, 0, 4, {".##", "#.#", ".##"}}, {'b', 1, 0, 3, {"#.", "##"}}}, 4},
    {"DescenderLeftOfThePen",
     {{'i', 0, 0, 2, {"#", ".", "#", "#"}}, {'j', -1, -2, 3, {"..#", "...", "..#", "..#", "#.#", ".#."}}},
     3},
    {"TwoOverhangsTheLargerCounts",
     {{'A', -1, 0, 4, {".##.", "#..#", "####"}}, {'V', -3, 0, 2, {"#...#", ".#.#.", "..#.."}}, {'x', 0, 0, 3, {"#"}}},
     6},
    {"ItalicInkBeyondTheAdvance",
     {{'f', 0, 0, 3, {"...##", "..#..", ".###.", "#...."}}, {'l', 1, 0, 3, {"#", "#"}}},
     5},
    {"MarkWhollyLeftOfThePen", {{'e', 0, 0, 4, {"###", "#..", "###"}}, {'~', -5, 4, 0, {"#.#", ".#."}}}, 8},
    {"InkWithoutAdvance", {{'m', 0, 0, 6, {"#####"}}, {'|', 2, -1, 0, {"#", "#", "#"}}}, 6},
};

struct PlacementCase {
  const char* format;
  ImportedFont (*read)(const SketchedFont&);
};

const PlacementCase kPlacementReaders[] = {
    {"Bdf", [](const SketchedFont& font) { return ReadBdf(Bytes(SketchedBdf(font))); }},
    {"Gfx", [](const SketchedFont& font) { return ReadGfxHeader(Bytes(SketchedGfx(font))); }},
};

class ImportedPlacement : public testing::TestWithParam<std::tuple<PlacementCase, SketchedFont>> {};

TEST_P(ImportedPlacement, SetsEveryTextAsTheFileShiftedAsAWhole) {
  const auto& [reader, sketch] = GetParam();
  const ImportedFont imported = reader.read(sketch);
  const TFontHandler& font = *imported.font;
  EXPECT_EQ(font.FontWidth(), sketch.cellWidth);
  int overhang = 0;
  for (const SketchedGlyph& glyph : sketch.glyphs) {
    EXPECT_EQ(font.GetCharSize(glyph.code), glyph.advance) << "code " << glyph.code;
    overhang = std::max(overhang, -glyph.left);
  }
  EXPECT_EQ(SetByFont(sketch, font), Shifted(SetBySketch(sketch), overhang));
  // Codes the file lacks come in blank with width 0.
  for (const int code : {0, int{' '}, int{'Z'}, 255}) {
    EXPECT_EQ(font.GetCharSize(code), 0) << "code " << code;
    EXPECT_EQ(GlyphPicture(font, code).find('#'), std::string::npos) << "code " << code;
  }
}

INSTANTIATE_TEST_SUITE_P(Sketches, ImportedPlacement,
                         testing::Combine(testing::ValuesIn(kPlacementReaders), testing::ValuesIn(kSketchedFonts)),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).format) + std::get<1>(info.param).label;
                         });

}  // namespace
