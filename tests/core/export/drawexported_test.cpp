// Exported GFX headers, TFT_eSPI pairs and u8g2 fonts are compiled with g++ into a small
// program that draws every glyph the way the library does, and the drawn
// pixels are compared with the font.

#include "export/gfxexport.h"
#include "export/tftexport.h"
#include "export/u8g2export.h"
#include "exporttestsupport.h"
#include "workedexamplefont.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <iostream>
#include <map>
#include <optional>
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

// u8g2's font structures and its decoder (u8g2.h, u8g2_font.c) as u8g2
// builds them with Unicode and without rotation and clipping, reporting
// pixels instead of drawing them. The font line reports the ascent of 'A',
// the descent of 'g' and the largest glyph height; every glyph is drawn on
// the baseline, as u8g2_DrawGlyph puts it in its default position.
constexpr const char* kU8g2Driver = R"(#include <cstdint>
#include <cstdio>
#define U8G2_FONT_SECTION(name)
#include "@FILE@.h"

typedef uint16_t u8g2_uint_t;
typedef struct {
  uint8_t glyph_cnt;
  uint8_t bbx_mode;
  uint8_t bits_per_0;
  uint8_t bits_per_1;
  uint8_t bits_per_char_width;
  uint8_t bits_per_char_height;
  uint8_t bits_per_char_x;
  uint8_t bits_per_char_y;
  uint8_t bits_per_delta_x;
  int8_t max_char_width;
  int8_t max_char_height;
  int8_t x_offset;
  int8_t y_offset;
  int8_t ascent_A;
  int8_t descent_g;
  int8_t ascent_para;
  int8_t descent_para;
  uint16_t start_pos_upper_A;
  uint16_t start_pos_lower_a;
  uint16_t start_pos_unicode;
} u8g2_font_info_t;
typedef struct {
  const uint8_t *decode_ptr;
  u8g2_uint_t target_x;
  u8g2_uint_t target_y;
  int8_t x;
  int8_t y;
  int8_t glyph_width;
  int8_t glyph_height;
  uint8_t decode_bit_pos;
} u8g2_font_decode_t;
typedef struct {
  const uint8_t *font;
  u8g2_font_decode_t font_decode;
  u8g2_font_info_t font_info;
} u8g2_t;

#define u8x8_pgm_read(adr) (*(const uint8_t *)(adr))
#define U8G2_FONT_DATA_STRUCT_SIZE 23
static int report = 0;

static uint8_t u8g2_font_get_byte(const uint8_t *font, uint8_t offset) {
  font += offset;
  return u8x8_pgm_read(font);
}

static uint16_t u8g2_font_get_word(const uint8_t *font, uint8_t offset) {
  uint16_t pos;
  font += offset;
  pos = u8x8_pgm_read(font);
  font++;
  pos <<= 8;
  pos += u8x8_pgm_read(font);
  return pos;
}

static void u8g2_read_font_info(u8g2_font_info_t *font_info, const uint8_t *font) {
  font_info->glyph_cnt = u8g2_font_get_byte(font, 0);
  font_info->bbx_mode = u8g2_font_get_byte(font, 1);
  font_info->bits_per_0 = u8g2_font_get_byte(font, 2);
  font_info->bits_per_1 = u8g2_font_get_byte(font, 3);
  font_info->bits_per_char_width = u8g2_font_get_byte(font, 4);
  font_info->bits_per_char_height = u8g2_font_get_byte(font, 5);
  font_info->bits_per_char_x = u8g2_font_get_byte(font, 6);
  font_info->bits_per_char_y = u8g2_font_get_byte(font, 7);
  font_info->bits_per_delta_x = u8g2_font_get_byte(font, 8);
  font_info->max_char_width = u8g2_font_get_byte(font, 9);
  font_info->max_char_height = u8g2_font_get_byte(font, 10);
  font_info->x_offset = u8g2_font_get_byte(font, 11);
  font_info->y_offset = u8g2_font_get_byte(font, 12);
  font_info->ascent_A = u8g2_font_get_byte(font, 13);
  font_info->descent_g = u8g2_font_get_byte(font, 14);
  font_info->ascent_para = u8g2_font_get_byte(font, 15);
  font_info->descent_para = u8g2_font_get_byte(font, 16);
  font_info->start_pos_upper_A = u8g2_font_get_word(font, 17);
  font_info->start_pos_lower_a = u8g2_font_get_word(font, 19);
  font_info->start_pos_unicode = u8g2_font_get_word(font, 21);
}

static uint8_t u8g2_font_decode_get_unsigned_bits(u8g2_font_decode_t *f, uint8_t cnt) {
  uint8_t val;
  uint8_t bit_pos = f->decode_bit_pos;
  uint8_t bit_pos_plus_cnt;
  val = u8x8_pgm_read(f->decode_ptr);
  val >>= bit_pos;
  bit_pos_plus_cnt = bit_pos;
  bit_pos_plus_cnt += cnt;
  if (bit_pos_plus_cnt >= 8) {
    uint8_t s = 8;
    s -= bit_pos;
    f->decode_ptr++;
    val |= u8x8_pgm_read(f->decode_ptr) << (s);
    bit_pos_plus_cnt -= 8;
  }
  val &= (1U << cnt) - 1;
  f->decode_bit_pos = bit_pos_plus_cnt;
  return val;
}

static int8_t u8g2_font_decode_get_signed_bits(u8g2_font_decode_t *f, uint8_t cnt) {
  int8_t v, d;
  v = (int8_t)u8g2_font_decode_get_unsigned_bits(f, cnt);
  d = 1;
  cnt--;
  d <<= cnt;
  v -= d;
  return v;
}

static void u8g2_DrawHVLine(u8g2_uint_t x, u8g2_uint_t y, u8g2_uint_t len) {
  for (u8g2_uint_t i = 0; report && i < len; ++i) std::printf("%d %d\n", (int16_t)(x + i), (int16_t)y);
}

static void u8g2_font_decode_len(u8g2_t *u8g2, uint8_t len, uint8_t is_foreground) {
  uint8_t cnt;
  uint8_t rem;
  uint8_t current;
  uint8_t lx, ly;
  u8g2_uint_t x, y;
  u8g2_font_decode_t *decode = &(u8g2->font_decode);
  cnt = len;
  lx = decode->x;
  ly = decode->y;
  for (;;) {
    rem = decode->glyph_width;
    rem -= lx;
    current = rem;
    if (cnt < rem) current = cnt;
    x = decode->target_x;
    y = decode->target_y;
    x += lx;
    y += ly;
    if (is_foreground) u8g2_DrawHVLine(x, y, current);
    if (cnt < rem) break;
    cnt -= rem;
    lx = 0;
    ly++;
  }
  lx += cnt;
  decode->x = lx;
  decode->y = ly;
}

static void u8g2_font_setup_decode(u8g2_t *u8g2, const uint8_t *glyph_data) {
  u8g2_font_decode_t *decode = &(u8g2->font_decode);
  decode->decode_ptr = glyph_data;
  decode->decode_bit_pos = 0;
  decode->glyph_width = u8g2_font_decode_get_unsigned_bits(decode, u8g2->font_info.bits_per_char_width);
  decode->glyph_height = u8g2_font_decode_get_unsigned_bits(decode, u8g2->font_info.bits_per_char_height);
}

static int8_t u8g2_font_decode_glyph(u8g2_t *u8g2, const uint8_t *glyph_data) {
  uint8_t a, b;
  int8_t x, y;
  int8_t d;
  int8_t h;
  u8g2_font_decode_t *decode = &(u8g2->font_decode);
  u8g2_font_setup_decode(u8g2, glyph_data);
  h = u8g2->font_decode.glyph_height;
  x = u8g2_font_decode_get_signed_bits(decode, u8g2->font_info.bits_per_char_x);
  y = u8g2_font_decode_get_signed_bits(decode, u8g2->font_info.bits_per_char_y);
  d = u8g2_font_decode_get_signed_bits(decode, u8g2->font_info.bits_per_delta_x);
  if (decode->glyph_width > 0) {
    decode->target_x += x;
    decode->target_y -= h + y;
    decode->x = 0;
    decode->y = 0;
    for (;;) {
      a = u8g2_font_decode_get_unsigned_bits(decode, u8g2->font_info.bits_per_0);
      b = u8g2_font_decode_get_unsigned_bits(decode, u8g2->font_info.bits_per_1);
      do {
        u8g2_font_decode_len(u8g2, a, 0);
        u8g2_font_decode_len(u8g2, b, 1);
      } while (u8g2_font_decode_get_unsigned_bits(decode, 1) != 0);
      if (decode->y >= h) break;
    }
  }
  return d;
}

static const uint8_t *u8g2_font_get_glyph_data(u8g2_t *u8g2, uint16_t encoding) {
  const uint8_t *font = u8g2->font;
  font += U8G2_FONT_DATA_STRUCT_SIZE;
  if (encoding <= 255) {
    if (encoding >= 'a') {
      font += u8g2->font_info.start_pos_lower_a;
    } else if (encoding >= 'A') {
      font += u8g2->font_info.start_pos_upper_A;
    }
    for (;;) {
      if (u8x8_pgm_read(font + 1) == 0) break;
      if (u8x8_pgm_read(font) == encoding) {
        return font + 2;
      }
      font += u8x8_pgm_read(font + 1);
    }
  } else {
    uint16_t e;
    const uint8_t *unicode_lookup_table;
    font += u8g2->font_info.start_pos_unicode;
    unicode_lookup_table = font;
    do {
      font += u8g2_font_get_word(unicode_lookup_table, 0);
      e = u8g2_font_get_word(unicode_lookup_table, 2);
      unicode_lookup_table += 4;
    } while (e < encoding);
    for (;;) {
      e = u8x8_pgm_read(font);
      e <<= 8;
      e |= u8x8_pgm_read(font + 1);
      if (e == 0) break;
      if (e == encoding) {
        return font + 3;
      }
      font += u8x8_pgm_read(font + 2);
    }
  }
  return NULL;
}

int main() {
  u8g2_t u8g2;
  u8g2.font = @NAME@;
  u8g2_read_font_info(&u8g2.font_info, u8g2.font);
  std::printf("font %d %d %d\n", u8g2.font_info.ascent_A, u8g2.font_info.descent_g, u8g2.font_info.max_char_height);
  for (unsigned e = 1; e < 0xFFFF; ++e) {
    const uint8_t *glyph = u8g2_font_get_glyph_data(&u8g2, (uint16_t)e);
    if (glyph == NULL) continue;
    for (report = 0; report < 2; ++report) {
      u8g2.font_decode.target_x = 0;
      u8g2.font_decode.target_y = @BASELINE@;
      const int8_t advance = u8g2_font_decode_glyph(&u8g2, glyph);
      if (!report) std::printf("glyph %u %d\n", e, advance);
    }
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
using U8g2Case = DrawCase<CodePage>;

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

// ---- u8g2

class U8g2Drawn : public ::testing::TestWithParam<U8g2Case> {};

// Every code 1..255 with ink or a width is drawn under its code point with
// all its ink, also beyond its width; nothing else is in the font.
TEST_P(U8g2Drawn, DrawsEveryGlyphAsDesigned) {
  const U8g2Case& test = GetParam();
  const TFontHandler font = test.font();
  TempDir dir;
  ExportU8g2(font, dir.File(test.name + ".h"), test.variant);
  const DrawnFont drawn =
      CompileAndDraw(dir, Substituted(kU8g2Driver, {{"@FILE@", test.name},
                                                    {"@NAME@", "u8g2_font_" + test.name},
                                                    {"@BASELINE@", std::to_string(font.BaseLine())}}));
  EXPECT_EQ(drawn.first, font.BaseLine());
  EXPECT_EQ(drawn.last, font.BaseLine() - font.FontHeight());
  EXPECT_EQ(drawn.height, font.FontHeight());
  std::size_t expected = 0;
  for (int c = 1; c < kGlyphCount; ++c) {
    const PixelSet ink = InkWithin(font, c, font.FontWidth());
    const std::optional<char32_t> codePoint = CodePointOf(test.variant, static_cast<std::uint8_t>(c));
    if (!codePoint || (ink.empty() && font.GetCharSize(c) == 0)) continue;
    ++expected;
    const auto glyph = drawn.glyphs.find(static_cast<int>(*codePoint));
    ASSERT_NE(glyph, drawn.glyphs.end()) << "code " << c;
    EXPECT_EQ(glyph->second.advance, font.GetCharSize(c)) << "code " << c;
    EXPECT_EQ(glyph->second.pixels, ink) << "code " << c;
  }
  EXPECT_EQ(drawn.glyphs.size(), expected);
  std::string output;
  EXPECT_EQ(RunCommand("gcc -x c -std=c99 -fsyntax-only -Wall -Wextra -Werror -include stdint.h "
                       "'-DU8G2_FONT_SECTION(name)=' '" +
                           dir.File(test.name + ".h") + "'",
                       &output),
            0)
      << output;
}

// Many glyphs of one pixel each, so that the Unicode part of cp437 passes
// one hundred glyphs and needs its jump table.
TFontHandler DottedFont() {
  TFontHandler font(9, 11);
  font.SetBaseLine(9);
  for (int c = 1; c < kGlyphCount; ++c) {
    font.SetCharSize(c, 1 + c % 9);
    font.SetPixel(c, c % 9, c % 11, true);
  }
  return font;
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, U8g2Drawn,
    ::testing::Values(U8g2Case{"WorkedExample", "Demo5x10", WorkedExampleFont, CodePage::Latin1},
                      U8g2Case{"RandomLatin1", "Random", [] { return RandomFont(13, 17, 12, 7); }, CodePage::Latin1},
                      U8g2Case{"RandomCp1252", "Random", [] { return RandomFont(10, 8, 6, 8); }, CodePage::Windows1252},
                      U8g2Case{"DottedCp437", "Dotted", DottedFont, CodePage::Cp437},
                      U8g2Case{"DottedLatin1", "Dotted", DottedFont, CodePage::Latin1},
                      U8g2Case{"BaselineAtTheBottom", "Bottom", [] { return RandomFont(7, 9, 9, 9); },
                               CodePage::Latin1},
                      U8g2Case{"BaselineAtTheTop", "Top", [] { return RandomFont(9, 8, 0, 10); }, CodePage::Cp437},
                      U8g2Case{"SinglePixels", "Pixels", SinglePixelFont, CodePage::Latin1}),
    CaseName<CodePage>);

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
