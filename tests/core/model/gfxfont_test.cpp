#include "model/gfxfont.h"
#include "export/gfxexport.h"
#include "importtestsupport.h"
#include "support/tempdir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <random>

namespace {

using ::testing::HasSubstr;

// Three glyphs in the style of the fonts Adafruit ships: boxes cut to the
// ink and narrower than the advance, y offsets up from the baseline, and a
// 'j' that reaches below the baseline and one column left of the pen.
constexpr std::string_view kAdafruitStyle = R"(const uint8_t TestFont7ptBitmaps[] PROGMEM = {
  0x88, 0xE9, 0x99, 0x90, 0xBE, 0x20, 0x92, 0x4D, 0x40 };

const GFXglyph TestFont7ptGlyphs[] PROGMEM = {
  {     0,   4,   7,   5,    0,   -7 },   // 0x68 'h'
  {     4,   1,   7,   3,    1,   -7 },   // 0x69 'i'
  {     5,   3,   9,   4,   -1,   -7 } }; // 0x6A 'j'

const GFXfont TestFont7pt PROGMEM = {
  (uint8_t  *)TestFont7ptBitmaps,
  (GFXglyph *)TestFont7ptGlyphs,
  0x68, 0x6A, 12 };

// Approx. 41 bytes
)";

ByteArray AdafruitStyleWith(std::string_view from, std::string_view to) { return Replaced(kAdafruitStyle, from, to); }

TEST(GfxFont, AdafruitGlyphsLandAtTheirPlace) {
  const ImportedFont imported = ReadGfxHeader(Bytes(kAdafruitStyle));
  const TFontHandler& font = *imported.font;
  EXPECT_EQ(imported.format, FontFileFormat::GfxHeader);
  EXPECT_EQ(imported.dropped, 0);
  // Seven rows above the baseline, then the 'j' reaches two rows below; the
  // line height of 12 leaves three more rows under it.
  EXPECT_EQ(font.FontHeight(), 12);
  EXPECT_EQ(font.BaseLine(), 7);
  // The 'j' reaches one column left of the pen, so every glyph moves right by one.
  EXPECT_EQ(font.FontWidth(), 5);
  EXPECT_EQ(GlyphPicture(font, 'h'),
            ".#...\n"
            ".#...\n"
            ".###.\n"
            ".#..#\n"
            ".#..#\n"
            ".#..#\n"
            ".#..#\n"
            ".....\n.....\n.....\n.....\n.....\n");
  EXPECT_EQ(GlyphPicture(font, 'i'),
            "..#..\n"
            ".....\n"
            "..#..\n"
            "..#..\n"
            "..#..\n"
            "..#..\n"
            "..#..\n"
            ".....\n.....\n.....\n.....\n.....\n");
  EXPECT_EQ(GlyphPicture(font, 'j'),
            "..#..\n"
            ".....\n"
            "..#..\n"
            "..#..\n"
            "..#..\n"
            "..#..\n"
            "..#..\n"
            "#.#..\n"
            ".#...\n"
            ".....\n.....\n.....\n");
  EXPECT_EQ(font.GetCharSize('h'), 5);
  EXPECT_EQ(font.GetCharSize('i'), 3);
  EXPECT_EQ(font.GetCharSize('j'), 4);
  EXPECT_EQ(font.GetCharSize('g'), 0) << "a code the file lacks stays empty with width 0";
  EXPECT_EQ(GlyphPicture(font, 'g').find('#'), std::string::npos);
}

// Everything a C compiler reads the same way must give the same font.
TEST(GfxFont, ReadsTheHeaderAsACCompilerWould) {
  const ByteArray expected = ReadGfxHeader(Bytes(kAdafruitStyle)).font->FontImage(2);
  const std::string variants[] = {
      // Decimal, octal, binary and suffixed numbers, no casts, other types.
      "static const unsigned char B[] = {136, 0351, 0x99u, 0X90, 0b10111110, 32, 0x92UL, 77, 64,};\n"
      "const GFXglyph G[] = {{0,4,7,5,0,-7},{4,1,7,3,+1,-7},{5,3,9,4,-1,-7},};\n"
      "const GFXfont F = {B, G, 104, 106, 12,};\n",
      // Comments and line breaks anywhere, CR alone as line end, preprocessor lines.
      "#include <Adafruit_GFX.h>\r#define PROGMEM_HELPER(x) \\\r  x\rconst uint8_t /* the bits */ B[]\r"
      "PROGMEM = { 0x88, 0xE9, // first\r 0x99, 0x90, 0xBE, 0x20, 0x92, 0x4D, 0x40 };\r"
      "const GFXglyph G[] PROGMEM = {\r{ 0, 4, 7,\r 5, 0, -7 }, // 0x68 'h' }\r{ 4, 1, 7, 3, 1, -7 }, /* { */"
      "{ 5, 3, 9, 4, -1, -7 } };\rconst GFXfont F PROGMEM = {\r(uint8_t *) B, (GFXglyph *) G,\r0x68, 0x6A, 12 };\r",
      // Struct declarations, an extern "C" block, another font after the first.
      "typedef struct { uint16_t bitmapOffset; uint8_t width, height; } GFXglyph;\n"
      "extern \"C\" {\nconst char* name = \"x\";\nconst GFXfont F = {&B[0], &G[0], 0x68, 0x6A, 12};\n}\n"
      "const GFXfont Other = {B, Unknown, 1, 1, 1};\n"
      "const uint8_t B[] = {0x88, 0xE9, 0x99, 0x90, 0xBE, 0x20, 0x92, 0x4D, 0x40};\n"
      "const GFXglyph G[] = {{0, 4, 7, 5, 0, -7}, {4, 1, 7, 3, 1, -7}, {5, 3, 9, 4, -1, -7}};\n",
  };
  for (const std::string& text : variants)
    EXPECT_TRUE(ReadGfxHeader(Bytes(text)).font->FontImage(2) == expected) << text;
}

TEST(GfxFont, CodesBeyondTwoFiftyFiveAreDroppedAndCounted) {
  const ImportedFont imported = ReadGfxHeader(AdafruitStyleWith("0x68, 0x6A, 12", "0xFF, 0x101, 12"));
  EXPECT_EQ(imported.dropped, 2);
  EXPECT_EQ(GlyphPicture(*imported.font, 0xFF).substr(0, 18), "#....\n#....\n###..\n");
}

TEST(GfxFont, BrokenHeadersAreRefusedNamingTheLine) {
  struct Case {
    const char* what;
    ByteArray file;
    std::string english;
  };
  const std::string text(kAdafruitStyle);
  const Case cases[] = {
      {"no font record", Bytes(text.substr(0, text.find("const GFXfont"))), "line 9: the file holds no GFXfont record"},
      {"cut in the glyph table", Bytes(text.substr(0, text.find("  {     5,"))),
       "line 7: the file ends where '{' should follow"},
      {"cut in the font record", Bytes(text.substr(0, text.find("0x68, 0x6A"))),
       "line 12: the file ends where a number should follow"},
      {"codes that lie", AdafruitStyleWith("0x68, 0x6A, 12", "0x68, 0x6B, 12"),
       "line 9: the codes 104 to 107 need 4 entries but the GFXglyph table holds only 3"},
      {"offset outside the array", AdafruitStyleWith("{     5,   3,", "{     6,   3,"),
       "line 7: the bitmap of code 106 (at byte 6 + 4) does not lie inside the bitmap array of 9 bytes"},
      {"negative offset", AdafruitStyleWith("{     4,   1,", "{    -4,   1,"), "line 6: the bitmap of code 105"},
      {"65 pixels wide", AdafruitStyleWith("{     0,   4,   7,   5,", "{     0,  65,   1,  65,"),
       "line 5: the cell would grow to 65 pixels in width here"},
      {"65 pixels high", AdafruitStyleWith("4,   -1,   -7 }", "4,   -1,  -65 }"),
       "line 7: the cell would grow to 65 pixels in height here"},
      {"a value beyond a byte", AdafruitStyleWith("0x88,", "0x188,"), "line 2: the value 392 does not fit a byte"},
      {"five values", AdafruitStyleWith("3,    1,   -7 }", "3,    1 }"), "line 6: a GFXglyph needs 6 values"},
      {"seven values", AdafruitStyleWith("3,    1,   -7 }", "3,    1,   -7, 0 }"), "line 6: a GFXglyph needs 6 values"},
      {"a word for a number", AdafruitStyleWith("0x90,", "x90,"), "line 2: expected a number, found \"x90\""},
      {"a bad literal", AdafruitStyleWith("0x90,", "0x9G,"), "line 2: the number \"0x9G\" is malformed"},
      {"missing bitmaps", AdafruitStyleWith("(uint8_t  *)TestFont7ptBitmaps", "(uint8_t  *)OtherBitmaps"),
       "line 9: the bitmap array OtherBitmaps is missing from the file"},
      {"missing glyphs", AdafruitStyleWith("const GFXglyph TestFont7ptGlyphs", "const GFXglyph Glyphs"),
       "line 9: the GFXglyph table TestFont7ptGlyphs is missing from the file"},
      {"record too short", AdafruitStyleWith("0x68, 0x6A, 12", "0x68, 0x6A"),
       "line 9: the GFXfont record needs 5 values"},
      {"first after last", AdafruitStyleWith("0x68, 0x6A, 12", "0x6A, 0x68, 12"),
       "line 9: the codes 106 to 104 give no range within 0 to 65535"},
      {"negative width", AdafruitStyleWith("{     4,   1,", "{     4,  -1,"),
       "line 6: width, height and xAdvance must not be negative"},
  };
  for (const Case& k : cases) {
    const Refusal refusal = RefusalOf(ReadGfxHeader, k.file);
    EXPECT_THAT(refusal.english, HasSubstr("GFX header, " + k.english)) << k.what;
    EXPECT_THAT(refusal.german, HasSubstr("GFX-Header, Zeile ")) << k.what;
  }
}

// The header says neither the empty rows above the highest ink nor columns
// beyond the widest advance, so each font gets a glyph that reaches the top
// row and spans the cell; every code from 1 has ink within its width, as only
// inked codes are written on their own. The ink of a glyph lies in a band of
// at most 24 rows, so 255 glyphs of 64 x 64 stay within the 65535 bytes GFX
// can address.
TFontHandler GfxRoundTripFont(int w, int h, int maxCode, unsigned seed) {
  std::mt19937 random(seed);
  const auto below = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  TFontHandler font(w, h);
  font.SetBaseLine(1 + below(h));
  for (int c = 1; c <= maxCode; ++c) {
    const int width = c == 1 ? w : 1 + below(w);
    const int rows = 1 + below(std::min(h, 24));
    const int top = c == 1 ? 0 : below(h - rows + 1);
    font.SetCharSize(c, width);
    for (int y = top; y < top + rows; ++y)
      for (int x = 0; x < width; ++x) font.SetPixel(c, x, y, below(3) == 0);
    font.SetPixel(c, c == 1 ? 0 : below(width), top, true);
  }
  return font;
}

class GfxRoundTrip : public testing::TestWithParam<CellSize> {};

TEST_P(GfxRoundTrip, KeepsEveryPixelWidthAndTheBaseline) {
  const auto [w, h] = GetParam();
  TempDir dir;
  for (const GfxBitmaps bitmaps : {GfxBitmaps::FullWidth, GfxBitmaps::Compact})
    for (const GfxCodes codes : {GfxCodes::UpTo127, GfxCodes::UpTo255}) {
      const int maxCode = static_cast<int>(codes);
      SCOPED_TRACE("codes up to " + std::to_string(maxCode) + (bitmaps == GfxBitmaps::Compact ? ", compact" : ""));
      const TFontHandler font = GfxRoundTripFont(w, h, maxCode, static_cast<unsigned>(w * 100 + h));
      ExportGFX(font, dir.File("font.h"), codes, bitmaps);
      const ImportedFont back = ReadGfxHeader(ReadWholeFile(dir.File("font.h")));
      ASSERT_EQ(back.font->FontWidth(), w);
      ASSERT_EQ(back.font->FontHeight(), h);
      EXPECT_EQ(back.font->BaseLine(), font.BaseLine());
      for (int c = 1; c <= maxCode; ++c) {
        ASSERT_EQ(GlyphPicture(*back.font, c), GlyphPicture(font, c)) << "code " << c;
        ASSERT_EQ(back.font->GetCharSize(c), font.GetCharSize(c)) << "code " << c;
      }
    }
}

INSTANTIATE_TEST_SUITE_P(Cells, GfxRoundTrip, testing::ValuesIn(RoundTripCells()));

// Ink boxes with x offsets, a blank space as an empty box and codes that
// stand in for it come back as the full-width header comes back.
TEST(GfxFont, ACompactHeaderReadsBackAsTheFullWidthOne) {
  TFontHandler font(7, 11);
  font.SetBaseLine(8);
  font.SetCharSize(' ', 4);
  font.SetCharSize('!', 0);
  font.SetPixel('!', 3, 3, true);
  for (int c = 'A'; c <= 'Z'; ++c) {
    font.SetCharSize(c, 1 + c % 7);
    for (int y = c % 5; y < 11 - c % 3; ++y) font.SetPixel(c, (c + y) % 7, y, y % 2 == 0);
  }
  TempDir dir;
  ExportGFX(font, dir.File("full.h"), GfxCodes::UpTo127);
  ExportGFX(font, dir.File("compact.h"), GfxCodes::UpTo127, GfxBitmaps::Compact);
  const ImportedFont full = ReadGfxHeader(ReadWholeFile(dir.File("full.h")));
  const ImportedFont compact = ReadGfxHeader(ReadWholeFile(dir.File("compact.h")));
  ASSERT_EQ(compact.font->FontWidth(), full.font->FontWidth());
  ASSERT_EQ(compact.font->FontHeight(), full.font->FontHeight());
  EXPECT_EQ(compact.font->BaseLine(), full.font->BaseLine());
  EXPECT_EQ(compact.font->GetCharSize(' '), 4);
  for (int c = 0; c < kGlyphCount; ++c) {
    EXPECT_EQ(GlyphPicture(*compact.font, c), GlyphPicture(*full.font, c)) << "code " << c;
    EXPECT_EQ(compact.font->GetCharSize(c), full.font->GetCharSize(c)) << "code " << c;
  }
}

TEST(GfxFont, RecognisedByTheWordGfxFont) {
  EXPECT_TRUE(IsGfxHeader(Bytes(kAdafruitStyle)));
  EXPECT_FALSE(IsGfxHeader(Bytes("const uint8_t Bitmaps[] = {0};")));
}

}  // namespace
