// Exported GFX headers and TFT_eSPI pairs are compiled with g++ into a small
// program that draws every glyph the way the library does, and the drawn
// pixels are compared with the font.

#include "export/gfxexport.h"
#include "export/tftexport.h"
#include "exporttestsupport.h"
#include "workedexamplefont.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <iostream>
#include <map>
#include <random>
#include <sstream>

namespace {

// The public GFXglyph and GFXfont layouts, and Adafruit_GFX::drawChar for a
// custom font with its 16-bit byte counter, reporting pixels instead of
// drawing them. The cursor stands on the baseline, as Adafruit_GFX::write puts it.
constexpr const char* kGfxDriver = R"(#include <cstdint>
#include <cstdio>
#define PROGMEM
typedef struct {
  uint16_t bitmapOffset;
  uint8_t width;
  uint8_t height;
  uint8_t xAdvance;
  int8_t xOffset;
  int8_t yOffset;
} GFXglyph;
typedef struct {
  uint8_t *bitmap;
  GFXglyph *glyph;
  uint16_t first;
  uint16_t last;
  uint8_t yAdvance;
} GFXfont;
#include "@FILE@.h"

static void drawChar(const GFXfont *gfxFont, int16_t x, int16_t y, unsigned char c) {
  c -= (uint8_t)gfxFont->first;
  const GFXglyph *glyph = gfxFont->glyph + c;
  const uint8_t *bitmap = gfxFont->bitmap;
  uint16_t bo = glyph->bitmapOffset;
  uint8_t w = glyph->width, h = glyph->height;
  int8_t xo = glyph->xOffset, yo = glyph->yOffset;
  uint8_t xx, yy, bits = 0, bit = 0;
  for (yy = 0; yy < h; yy++) {
    for (xx = 0; xx < w; xx++) {
      if (!(bit++ & 7)) bits = bitmap[bo++];
      if (bits & 0x80) std::printf("%d %d\n", x + xo + xx, y + yo + yy);
      bits <<= 1;
    }
  }
}

int main() {
  const GFXfont *font = &Font@NAME@;
  std::printf("font %d %d %d\n", font->first, font->last, font->yAdvance);
  std::printf("bitmapbytes %zu\n", sizeof(Font@NAME@Bitmaps));
  for (int c = 0; c < 256; ++c) {
    if (c < font->first || c > font->last) continue;
    const GFXglyph *glyph = font->glyph + (c - font->first);
    std::printf("glyph %d %d\n", c, glyph->xAdvance);
    if (glyph->width > 0 && glyph->height > 0) drawChar(font, 0, @BASELINE@, (unsigned char)c);
  }
}
)";

// TFT_eSPI::drawChar for its fonts: the plain rows of font 2 ((width + 6) / 8
// bytes each, all eight bits of a byte drawn) and the run-length decoder of
// the other fonts, reporting pixels instead of drawing them.
constexpr const char* kTftDriver = R"(#include <cstdint>
#include <cstdio>
#define PROGMEM
#include "Fonts/@FILE@.h"

void drawPlain(const unsigned char *flash_address, int32_t width, int32_t height) {
  int32_t w = (width + 6) / 8;
  for (int32_t i = 0; i < height; i++) {
    for (int32_t k = 0; k < w; k++) {
      uint8_t line = flash_address[w * i + k];
      for (int b = 0; b < 8; b++)
        if (line & (0x80 >> b)) std::printf("%d %d\n", (int)(k * 8 + b), (int)i);
    }
  }
}

void drawRle(const unsigned char *flash_address, int32_t width, int32_t height) {
  int32_t w = width * height;
  int32_t pc = 0;
  while (pc < w) {
    uint8_t line = *flash_address++;
    if (line & 0x80) {
      line &= 0x7F;
      line++;
      int32_t px = pc % width, py = pc / width;
      while (line--) {
        pc++;
        std::printf("%d %d\n", (int)px, (int)py);
        px++;
        if (px >= width) {
          px = 0;
          py++;
        }
      }
    } else {
      line++;
      pc += line;
    }
  }
}

int main() {
  std::printf("font %d %d %d\n", firstchr_@NAME@, firstchr_@NAME@ + nr_chrs_@NAME@ - 1, chr_hgt_@NAME@);
  for (int i = 0; i < nr_chrs_@NAME@; ++i) {
    int width = widtbl_@NAME@[i];
    std::printf("glyph %d %d\n", firstchr_@NAME@ + i, width);
    @DRAW@(chrtbl_@NAME@[i], width, chr_hgt_@NAME@);
  }
}
)";

struct DrawnGlyph {
  int advance = 0;
  PixelSet pixels;
};

struct DrawnFont {
  int first = 0;
  int last = 0;
  int height = 0;
  std::size_t bitmapBytes = 0;
  std::map<int, DrawnGlyph> glyphs;
};

std::string Substituted(std::string text, const std::map<std::string, std::string>& values) {
  for (const auto& [key, value] : values)
    for (std::size_t at; (at = text.find(key)) != std::string::npos;) text.replace(at, key.size(), value);
  return text;
}

DrawnFont ParseDrawing(const std::string& output) {
  DrawnFont font;
  std::istringstream in(output);
  std::string word;
  DrawnGlyph* glyph = nullptr;
  while (in >> word) {
    if (word == "font") {
      in >> font.first >> font.last >> font.height;
    } else if (word == "bitmapbytes") {
      in >> font.bitmapBytes;
    } else if (word == "glyph") {
      int c = 0;
      in >> c;
      glyph = &font.glyphs[c];
      in >> glyph->advance;
    } else if (glyph) {
      int y = 0;
      in >> y;
      glyph->pixels.emplace(std::stoi(word), y);
    }
  }
  return font;
}

// Compiles the driver beside the exported files and returns what it drew.
DrawnFont CompileAndDraw(const TempDir& dir, const std::string& driver) {
  const std::string source = dir.File("driver.cpp");
  WriteBytes(source, driver);
  const std::string program = dir.File("driver");
  std::string output;
  const int status = RunCommand(
      "g++ -std=gnu++17 -Wall -Wextra -Werror -I'" + dir.Path().string() + "' '" + source + "' -o '" + program + "'",
      &output);
  EXPECT_EQ(status, 0) << output;
  if (status != 0) return {};
  EXPECT_EQ(RunCommand("'" + program + "'", &output), 0) << output;
  return ParseDrawing(output);
}

// Variant: what the writer takes besides the font and file name.
template <typename Variant>
struct DrawCase {
  const char* label;
  std::string name;
  std::function<TFontHandler()> font;
  Variant variant;
};
using GfxCase = DrawCase<GfxCodes>;
using TftCase = DrawCase<TftCoding>;

template <typename Variant>
std::string CaseName(const ::testing::TestParamInfo<DrawCase<Variant>>& info) {
  return info.param.label;
}
template <typename Variant>
void PrintTo(const DrawCase<Variant>& test, std::ostream* out) {
  *out << test.label;
}

// Some glyphs blank, some fully inked, most random; random widths including
// 0 and 1 and the full cell, with ink beyond the width left in.
TFontHandler RandomFont(int width, int height, int baseLine, unsigned seed) {
  TFontHandler font(width, height);
  font.SetBaseLine(baseLine);
  std::mt19937 random(seed);
  for (int c = 0; c < kGlyphCount; ++c) {
    const double density = (c % 5) / 4.0;
    std::bernoulli_distribution ink(density);
    font.SetCharSize(c, static_cast<int>(random() % static_cast<unsigned>(width + 1)));
    if (c % 7 == 0) continue;
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) font.SetPixel(c, x, y, ink(random));
  }
  return font;
}

// Every code 1..64 of a 12 x 9 font has width 8 and one pixel, at ever deeper rows and columns.
TFontHandler SinglePixelFont() {
  TFontHandler font(12, 9);
  font.SetBaseLine(6);
  for (int c = 1; c <= 64; ++c) {
    font.SetCharSize(c, 8);
    font.SetPixel(c, c % 8, c % 9, true);
  }
  return font;
}

TFontHandler LargeFont() {
  TFontHandler font(64, 64);
  for (int c = 1; c <= 128; ++c)
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x) font.SetPixel(c, x, y, (x + y + c) % 3 != 0);
  return font;
}

// ---- Arduino GFX

// The space and a code inside the range blank, a code with ink only beyond
// its width of 0, and a space of width 0.
TFontHandler BlankGlyphsFont() {
  TFontHandler font = WorkedExampleFont();
  font.SetCharSize('"', 5);
  PaintGlyph(font, '#', {"#####", "#####"});
  font.SetCharSize('#', 0);
  font.SetCharSize('$', 4);
  PaintGlyph(font, '$', {".....", "..#..", "...#."});
  return font;
}

TFontHandler ZeroWidthSpaceFont() {
  TFontHandler font = BlankGlyphsFont();
  font.SetCharSize(' ', 0);
  return font;
}

std::vector<GfxCase> GfxFonts() {
  return {GfxCase{"WorkedExample127", "Demo5x10", WorkedExampleFont, GfxCodes::UpTo127},
          GfxCase{"WorkedExample255", "Demo5x10", WorkedExampleFont, GfxCodes::UpTo255},
          GfxCase{"BlankGlyphs", "Blank", BlankGlyphsFont, GfxCodes::UpTo127},
          GfxCase{"ZeroWidthSpace", "ZeroSpace", ZeroWidthSpaceFont, GfxCodes::UpTo127},
          GfxCase{"Random127", "Random", [] { return RandomFont(13, 17, 12, 1); }, GfxCodes::UpTo127},
          GfxCase{"Random255", "Random", [] { return RandomFont(13, 17, 12, 2); }, GfxCodes::UpTo255},
          GfxCase{"BaselineAtTheBottom", "Bottom", [] { return RandomFont(7, 9, 9, 3); }, GfxCodes::UpTo255},
          GfxCase{"BaselineAtTheTop", "Top", [] { return RandomFont(9, 8, 1, 4); }, GfxCodes::UpTo255},
          GfxCase{"SinglePixels", "Pixels", SinglePixelFont, GfxCodes::UpTo127},
          GfxCase{"Up To The 16-Bit Limit", "Large", LargeFont, GfxCodes::UpTo255}};
}

std::string GfxCaseName(const ::testing::TestParamInfo<GfxCase>& info) {
  std::string name = info.param.label;
  name.erase(std::remove(name.begin(), name.end(), ' '), name.end());
  name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
  return name;
}

DrawnFont ExportAndDrawGfx(const TempDir& dir, const TFontHandler& font, const std::string& name, GfxCodes codes,
                           GfxBitmaps bitmaps) {
  ExportGFX(font, dir.File(name + ".h"), codes, bitmaps);
  return CompileAndDraw(
      dir,
      Substituted(kGfxDriver, {{"@FILE@", name}, {"@NAME@", name}, {"@BASELINE@", std::to_string(font.BaseLine())}}));
}

class GfxDrawn : public ::testing::TestWithParam<GfxCase> {};

TEST_P(GfxDrawn, DrawsEveryGlyphAsDesigned) {
  const GfxCase& test = GetParam();
  const TFontHandler font = test.font();
  TempDir dir;
  const DrawnFont drawn = ExportAndDrawGfx(dir, font, test.name, test.variant, GfxBitmaps::FullWidth);
  ASSERT_FALSE(drawn.glyphs.empty());
  EXPECT_EQ(drawn.height, font.FontHeight());
  const int maxCode = static_cast<int>(test.variant);
  const PixelSet space = InkWithin(font, ' ', font.GetCharSize(' '));
  for (int c = 1; c <= maxCode; ++c) {
    const PixelSet ink = InkWithin(font, c, font.GetCharSize(c));
    const auto glyph = drawn.glyphs.find(c);
    if (ink.empty() && c != ' ') {
      // Outside first..last nothing is drawn; inside, the space stands in.
      if (glyph == drawn.glyphs.end()) continue;
      EXPECT_EQ(glyph->second.advance, font.GetCharSize(' ')) << "code " << c;
      EXPECT_EQ(glyph->second.pixels, space) << "code " << c;
      continue;
    }
    ASSERT_NE(glyph, drawn.glyphs.end()) << "code " << c << " is not in the font";
    EXPECT_EQ(glyph->second.advance, font.GetCharSize(c)) << "code " << c;
    EXPECT_EQ(glyph->second.pixels, ink) << "code " << c;
  }
  EXPECT_GE(drawn.first, 1);
  EXPECT_LE(drawn.last, maxCode);
}

INSTANTIATE_TEST_SUITE_P(Fonts, GfxDrawn, ::testing::ValuesIn(GfxFonts()), GfxCaseName);

// The compact header beside the full-width one, both compiled and drawn:
// every code of the range draws the same pixels and advances the same.
class GfxCompactDrawn : public ::testing::TestWithParam<GfxCase> {};

TEST_P(GfxCompactDrawn, DrawsWhatTheFullWidthHeaderDrawsFromNoMoreBytes) {
  const GfxCase& test = GetParam();
  const TFontHandler font = test.font();
  // Same file names, so the headers differ only where the layouts do.
  TempDir fullDir;
  TempDir compactDir;
  const DrawnFont full = ExportAndDrawGfx(fullDir, font, test.name, test.variant, GfxBitmaps::FullWidth);
  const DrawnFont compact = ExportAndDrawGfx(compactDir, font, test.name, test.variant, GfxBitmaps::Compact);
  ASSERT_FALSE(full.glyphs.empty());
  EXPECT_EQ(compact.first, full.first);
  EXPECT_EQ(compact.last, full.last);
  EXPECT_EQ(compact.height, full.height);
  ASSERT_EQ(compact.glyphs.size(), full.glyphs.size());
  for (const auto& [c, glyph] : full.glyphs) {
    const auto drawn = compact.glyphs.find(c);
    ASSERT_NE(drawn, compact.glyphs.end()) << "code " << c;
    EXPECT_EQ(drawn->second.advance, glyph.advance) << "code " << c;
    EXPECT_EQ(drawn->second.pixels, glyph.pixels) << "code " << c;
  }
  EXPECT_LE(compact.bitmapBytes, full.bitmapBytes);
  const auto fullHeader = std::filesystem::file_size(fullDir.File(test.name + ".h"));
  const auto compactHeader = std::filesystem::file_size(compactDir.File(test.name + ".h"));
  EXPECT_LE(compactHeader, fullHeader);
  RecordProperty("FullWidthBitmapBytes", std::to_string(full.bitmapBytes));
  RecordProperty("CompactBitmapBytes", std::to_string(compact.bitmapBytes));
  std::cout << "  " << test.label << ": bitmap array " << full.bitmapBytes << " -> " << compact.bitmapBytes
            << " bytes, header " << fullHeader << " -> " << compactHeader << " bytes\n";
}

INSTANTIATE_TEST_SUITE_P(Fonts, GfxCompactDrawn, ::testing::ValuesIn(GfxFonts()), GfxCaseName);

// ---- TFT_eSPI

class TftDrawn : public ::testing::TestWithParam<TftCase> {};

// Plain rows hold (w + 6) / 8 bytes: for widths 1, 9, 17... the last column is
// TFT_eSPI's spacing column and is not drawn.
PixelSet ExpectedTftPixels(const TFontHandler& font, int c, TftCoding coding) {
  const int width = font.GetCharSize(c);
  const bool spacingColumnDropped = coding == TftCoding::Plain && width % 8 == 1;
  return InkWithin(font, c, spacingColumnDropped ? width - 1 : width);
}

TEST_P(TftDrawn, DrawsEveryGlyphAsDesigned) {
  const TftCase& test = GetParam();
  const TFontHandler font = test.font();
  TempDir dir;
  std::filesystem::create_directory(dir.Path() / "Fonts");
  ExportTFT(font, dir.File("Fonts/" + test.name + ".c"), test.variant);
  const DrawnFont drawn = CompileAndDraw(
      dir, Substituted(kTftDriver, {{"@FILE@", test.name},
                                    {"@NAME@", test.name},
                                    {"@DRAW@", test.variant == TftCoding::Plain ? "drawPlain" : "drawRle"}}));
  ASSERT_EQ(drawn.glyphs.size(), 96u);
  EXPECT_EQ(drawn.height, font.FontHeight());
  for (int c = 32; c <= 127; ++c) {
    const bool blank = InkWithin(font, c, font.GetCharSize(c)).empty();
    const int shown = blank ? ' ' : c;
    const DrawnGlyph& glyph = drawn.glyphs.at(c);
    EXPECT_EQ(glyph.advance, font.GetCharSize(shown)) << "code " << c;
    EXPECT_EQ(glyph.pixels, ExpectedTftPixels(font, shown, test.variant)) << "code " << c;
  }
  std::string output;
  EXPECT_EQ(RunCommand("gcc -x c -std=gnu11 -fsyntax-only -Wall -Wextra -Werror -DPROGMEM= '" +
                           dir.File("Fonts/" + test.name + ".c") + "'",
                       &output),
            0)
      << output;
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, TftDrawn,
    ::testing::Values(TftCase{"WorkedExamplePlain", "Demo5x10", WorkedExampleFont, TftCoding::Plain},
                      TftCase{"WorkedExampleRunLength", "Demo5x10", WorkedExampleFont, TftCoding::RunLength},
                      TftCase{"RandomPlain", "Random", [] { return RandomFont(20, 14, 11, 5); }, TftCoding::Plain},
                      TftCase{"RandomRunLength", "Random", [] { return RandomFont(20, 14, 11, 6); },
                              TftCoding::RunLength},
                      TftCase{"LargeRunLength", "Large", LargeFont, TftCoding::RunLength},
                      TftCase{"LargePlain", "Large", LargeFont, TftCoding::Plain}),
    CaseName<TftCoding>);

// ---- File names that are no C identifiers

struct OddName {
  const char* label;
  std::string file;
  std::string identifier;
};

class OddNameDrawn : public ::testing::TestWithParam<OddName> {};

TEST_P(OddNameDrawn, GfxAndTftFilesCompileAndDraw) {
  const OddName& name = GetParam();
  const TFontHandler font = WorkedExampleFont();
  const PixelSet exclamation = InkWithin(font, '!', font.GetCharSize('!'));
  TempDir dir;
  std::filesystem::create_directory(dir.Path() / "Fonts");
  ExportGFX(font, dir.File(name.file + ".h"), GfxCodes::UpTo127);
  const DrawnFont gfx = CompileAndDraw(
      dir, Substituted(kGfxDriver, {{"@FILE@", name.file}, {"@NAME@", name.identifier}, {"@BASELINE@", "8"}}));
  ASSERT_EQ(gfx.glyphs.count('!'), 1u);
  EXPECT_EQ(gfx.glyphs.at('!').pixels, exclamation);
  ExportTFT(font, dir.File("Fonts/" + name.file + ".c"), TftCoding::RunLength);
  const DrawnFont tft = CompileAndDraw(
      dir, Substituted(kTftDriver, {{"@FILE@", name.file}, {"@NAME@", name.identifier}, {"@DRAW@", "drawRle"}}));
  ASSERT_EQ(tft.glyphs.count('!'), 1u);
  EXPECT_EQ(tft.glyphs.at('!').pixels, exclamation);
}

INSTANTIATE_TEST_SUITE_P(Names, OddNameDrawn,
                         ::testing::Values(OddName{"Hyphen", "my-font", "my_font"},
                                           OddName{"Space", "my font", "my_font"}, OddName{"Umlaut", "\xC3\xBC", "_"},
                                           OddName{"Japanese", "\xE6\x97\xA5\xE6\x9C\xAC", "__"}),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
