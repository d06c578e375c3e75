// Exported LVGL fonts are compiled against a stand-in for LVGL's headers in
// the shapes of LVGL 8 and 9, and a small program draws every glyph and
// kerning pair from the compiled tables the way lv_font_fmt_txt.c reads them.

#include "export/lvglexport.h"
#include "exporttestsupport.h"
#include "formats/exporttable.h"
#include "model/lvglfont.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <tuple>
#include <vector>

namespace {

// The public declarations the exported source uses, from lv_font.h and
// lv_font_fmt_txt.h: LVGL 8 has the glyph cache and a font with lv_coord_t
// lines, LVGL 9 the stride, release_glyph and 32-bit lines.
constexpr const char* kLvglStandIn = R"(#pragma once
#include <stdbool.h>
#include <stddef.h>
#include <stdint.h>
#define LV_ATTRIBUTE_LARGE_CONST
#define LV_VERSION_CHECK(x, y, z) \
  (x == LVGL_VERSION_MAJOR && (y < LVGL_VERSION_MINOR || (y == LVGL_VERSION_MINOR && z <= LVGL_VERSION_PATCH)))
typedef struct {
  uint32_t bitmap_index : 20;
  uint32_t adv_w : 12;
  uint8_t box_w;
  uint8_t box_h;
  int8_t ofs_x;
  int8_t ofs_y;
} lv_font_fmt_txt_glyph_dsc_t;
typedef enum {
  LV_FONT_FMT_TXT_CMAP_FORMAT0_FULL,
  LV_FONT_FMT_TXT_CMAP_SPARSE_FULL,
  LV_FONT_FMT_TXT_CMAP_FORMAT0_TINY,
  LV_FONT_FMT_TXT_CMAP_SPARSE_TINY,
} lv_font_fmt_txt_cmap_type_t;
typedef struct {
  uint32_t range_start;
  uint16_t range_length;
  uint16_t glyph_id_start;
  const uint16_t *unicode_list;
  const void *glyph_id_ofs_list;
  uint16_t list_length;
  lv_font_fmt_txt_cmap_type_t type;
} lv_font_fmt_txt_cmap_t;
typedef struct {
  const void *glyph_ids;
  const int8_t *values;
  uint32_t pair_cnt : 30;
  uint32_t glyph_ids_size : 2;
} lv_font_fmt_txt_kern_pair_t;
typedef struct {
  const int8_t *class_pair_values;
  const uint8_t *left_class_mapping;
  const uint8_t *right_class_mapping;
  uint8_t left_class_cnt;
  uint8_t right_class_cnt;
} lv_font_fmt_txt_kern_classes_t;
#if LVGL_VERSION_MAJOR == 8
typedef struct {
  uint32_t last_letter;
  uint32_t last_glyph_id;
} lv_font_fmt_txt_glyph_cache_t;
#endif
typedef struct {
  const uint8_t *glyph_bitmap;
  const lv_font_fmt_txt_glyph_dsc_t *glyph_dsc;
  const lv_font_fmt_txt_cmap_t *cmaps;
  const void *kern_dsc;
  uint16_t kern_scale;
  uint16_t cmap_num : 9;
  uint16_t bpp : 4;
  uint16_t kern_classes : 1;
  uint16_t bitmap_format : 2;
#if LVGL_VERSION_MAJOR == 8
  lv_font_fmt_txt_glyph_cache_t *cache;
#else
  uint8_t stride;
#endif
} lv_font_fmt_txt_dsc_t;
enum { LV_FONT_SUBPX_NONE, LV_FONT_SUBPX_HOR, LV_FONT_SUBPX_VER, LV_FONT_SUBPX_BOTH };
typedef struct _lv_font_t lv_font_t;
typedef struct lv_font_glyph_dsc_t lv_font_glyph_dsc_t;
#if LVGL_VERSION_MAJOR == 8
struct _lv_font_t {
  bool (*get_glyph_dsc)(const lv_font_t *, lv_font_glyph_dsc_t *, uint32_t letter, uint32_t letter_next);
  const uint8_t *(*get_glyph_bitmap)(const lv_font_t *, uint32_t);
  int16_t line_height;
  int16_t base_line;
  uint8_t subpx : 2;
  int8_t underline_position;
  int8_t underline_thickness;
  const void *dsc;
  const lv_font_t *fallback;
};
const uint8_t *lv_font_get_bitmap_fmt_txt(const lv_font_t *font, uint32_t letter);
#else
typedef struct lv_draw_buf_t lv_draw_buf_t;
struct _lv_font_t {
  bool (*get_glyph_dsc)(const lv_font_t *, lv_font_glyph_dsc_t *, uint32_t letter, uint32_t letter_next);
  const void *(*get_glyph_bitmap)(lv_font_glyph_dsc_t *, lv_draw_buf_t *);
  void (*release_glyph)(const lv_font_t *, lv_font_glyph_dsc_t *);
  int32_t line_height;
  int32_t base_line;
  uint8_t subpx : 2;
  uint8_t kerning : 1;
  uint8_t static_bitmap : 1;
  int8_t underline_position;
  int8_t underline_thickness;
  const void *dsc;
  const lv_font_t *fallback;
  void *user_data;
};
const void *lv_font_get_bitmap_fmt_txt(lv_font_glyph_dsc_t *g_dsc, lv_draw_buf_t *draw_buf);
#endif
bool lv_font_get_glyph_dsc_fmt_txt(const lv_font_t *font, lv_font_glyph_dsc_t *dsc_out, uint32_t unicode_letter,
                                   uint32_t unicode_letter_next);
)";

// get_glyph_dsc_id, get_kern_value, the advance with kerning and the plain
// 1-bpp bitmap walk of lv_font_fmt_txt.c, reporting pixels in the line box:
// x from the pen, y down from the line's top.
constexpr const char* kLvglDriver = R"(#include <cstdio>
#include "lvgl.h"
#if LVGL_VERSION_MAJOR == 8
const uint8_t *lv_font_get_bitmap_fmt_txt(const lv_font_t *, uint32_t) { return nullptr; }
#else
const void *lv_font_get_bitmap_fmt_txt(lv_font_glyph_dsc_t *, lv_draw_buf_t *) { return nullptr; }
#endif
bool lv_font_get_glyph_dsc_fmt_txt(const lv_font_t *, lv_font_glyph_dsc_t *, uint32_t, uint32_t) { return false; }
#include "@FILE@.c"

static const lv_font_fmt_txt_dsc_t *fdsc = (const lv_font_fmt_txt_dsc_t *)@NAME@.dsc;

static uint32_t glyph_id(uint32_t letter) {
  for (int i = 0; i < fdsc->cmap_num; i++) {
    const lv_font_fmt_txt_cmap_t *cmap = &fdsc->cmaps[i];
    uint32_t rcp = letter - cmap->range_start;
    if (rcp >= cmap->range_length) continue;
    if (cmap->type == LV_FONT_FMT_TXT_CMAP_FORMAT0_TINY) return cmap->glyph_id_start + rcp;
    if (cmap->type == LV_FONT_FMT_TXT_CMAP_FORMAT0_FULL) {
      const uint8_t *ofs = (const uint8_t *)cmap->glyph_id_ofs_list;
      if (ofs[rcp] == 0 && letter != cmap->range_start) continue;
      return cmap->glyph_id_start + ofs[rcp];
    }
    for (int k = 0; k < cmap->list_length; k++)
      if ((uint32_t)cmap->unicode_list[k] == rcp) return cmap->glyph_id_start + k;
    return 0;
  }
  return 0;
}

static int kern_value(uint32_t left, uint32_t right) {
  if (!fdsc->kern_dsc) return 0;
  if (fdsc->kern_classes == 0) {
    const lv_font_fmt_txt_kern_pair_t *kdsc = (const lv_font_fmt_txt_kern_pair_t *)fdsc->kern_dsc;
    const uint8_t *ids = (const uint8_t *)kdsc->glyph_ids;
    for (uint32_t i = 0; i < (uint32_t)kdsc->pair_cnt; i++) {
      if (i > 0 && (ids[2 * i] < ids[2 * i - 2] || (ids[2 * i] == ids[2 * i - 2] && ids[2 * i + 1] <= ids[2 * i - 1])))
        std::printf("unsorted %u\n", i);
      if ((uint32_t)ids[2 * i] == left && (uint32_t)ids[2 * i + 1] == right) return kdsc->values[i];
    }
    return 0;
  }
  const lv_font_fmt_txt_kern_classes_t *kdsc = (const lv_font_fmt_txt_kern_classes_t *)fdsc->kern_dsc;
  uint8_t l = kdsc->left_class_mapping[left], r = kdsc->right_class_mapping[right];
  if (l == 0 || r == 0) return 0;
  return kdsc->class_pair_values[(l - 1) * kdsc->right_class_cnt + (r - 1)];
}

static int advance(uint32_t gid, uint32_t next) {
  int kv = (kern_value(gid, next) * fdsc->kern_scale) >> 4;
  uint32_t adv_w = fdsc->glyph_dsc[gid].adv_w;
  if (kv < 0 && adv_w < (uint32_t)-kv) adv_w = 0;
  else adv_w += kv;
  return (int)((adv_w + (1 << 3)) >> 4);
}

int main() {
  std::printf("font %d %d %d\n", (int)@NAME@.line_height, (int)@NAME@.base_line, (int)fdsc->bpp);
  static uint32_t letters[0x10000], ids[0x10000];
  int count = 0;
  for (uint32_t letter = 1; letter < 0x10000; letter++) {
    uint32_t gid = glyph_id(letter);
    if (!gid) continue;
    letters[count] = letter;
    ids[count++] = gid;
    const lv_font_fmt_txt_glyph_dsc_t *g = &fdsc->glyph_dsc[gid];
    std::printf("glyph %u %d\n", letter, advance(gid, 0));
    const uint8_t *bits = &fdsc->glyph_bitmap[g->bitmap_index];
    int top = (@NAME@.line_height - @NAME@.base_line) - g->box_h - g->ofs_y;
    for (int i = 0, y = 0; y < g->box_h; y++)
      for (int x = 0; x < g->box_w; x++, i++)
        if (bits[i / 8] & (0x80 >> (i % 8))) std::printf("%d %d\n", g->ofs_x + x, top + y);
  }
  for (int l = 0; l < count; l++)
    for (int r = 0; r < count; r++)
      if (advance(ids[l], ids[r]) != advance(ids[l], 0))
        std::printf("kern %u %u %d\n", letters[l], letters[r], advance(ids[l], ids[r]));
}
)";

struct DrawnLvglGlyph {
  int advance = 0;
  PixelSet pixels;
};

struct DrawnLvglFont {
  int lineHeight = 0;
  int baseLine = 0;
  std::map<char32_t, DrawnLvglGlyph> glyphs;
  std::map<std::pair<char32_t, char32_t>, int> kernedAdvances;
  bool compiled = false;
};

DrawnLvglFont ParseLvglDrawing(const std::string& output) {
  DrawnLvglFont font;
  std::istringstream in(output);
  std::string word;
  DrawnLvglGlyph* glyph = nullptr;
  while (in >> word) {
    unsigned first = 0;
    unsigned second = 0;
    int bpp = 0;
    if (word == "font") {
      in >> font.lineHeight >> font.baseLine >> bpp;
      EXPECT_EQ(bpp, 1);
    } else if (word == "glyph") {
      in >> first;
      glyph = &font.glyphs[first];
      in >> glyph->advance;
    } else if (word == "kern") {
      in >> first >> second;
      in >> font.kernedAdvances[{first, second}];
    } else if (word == "unsorted") {
      ADD_FAILURE() << "kerning pairs out of order at " << output;
      break;
    } else if (glyph) {
      int y = 0;
      in >> y;
      glyph->pixels.emplace(std::stoi(word), y);
    }
  }
  return font;
}

std::string Replaced(std::string text, const std::string& key, const std::string& value) {
  for (std::size_t at; (at = text.find(key)) != std::string::npos;) text.replace(at, key.size(), value);
  return text;
}

// The version defines of an LVGL release.
std::string VersionDefines(int major) {
  return "-DLVGL_VERSION_MAJOR=" + std::to_string(major) +
         (major == 8 ? " -DLVGL_VERSION_MINOR=3" : " -DLVGL_VERSION_MINOR=2") + " -DLVGL_VERSION_PATCH=0";
}

// Compiles the exported file under LVGL major, as C with gcc and into the
// drawing program with g++, and returns what the program drew.
DrawnLvglFont CompileAndDrawLvgl(const TempDir& dir, const std::string& file, int major) {
  WriteBytes(dir.File("lvgl.h"), kLvglStandIn);
  const std::string defines = VersionDefines(major);
  const std::string flags = " -Wall -Wextra -Werror " + defines + " -I'" + dir.Path().string() + "' ";
  std::string output;
  const int asC = RunCommand("gcc -x c -std=c11 -fsyntax-only" + flags + "'" + dir.File(file + ".c") + "'", &output);
  EXPECT_EQ(asC, 0) << output;
  const std::string source = dir.File("driver.cpp");
  WriteBytes(source, Replaced(Replaced(kLvglDriver, "@FILE@", file), "@NAME@", "lv_font_" + file));
  const std::string program = dir.File("driver");
  // LVGL's fonts leave members such as fallback to their zero default, which
  // C does without a word and C++ warns of.
  const int status = RunCommand(
      "g++ -std=c++20 -O1 -Wno-missing-field-initializers" + flags + "'" + source + "' -o '" + program + "'", &output);
  EXPECT_EQ(status, 0) << output;
  if (asC != 0 || status != 0) return {};
  EXPECT_EQ(RunCommand("'" + program + "'", &output), 0) << output;
  DrawnLvglFont drawn = ParseLvglDrawing(output);
  drawn.compiled = true;
  return drawn;
}

// Every pixel of the cell: LVGL keeps ink beyond the width too.
PixelSet CellInk(const TFontHandler& font, int c) { return InkWithin(font, c, font.FontWidth()); }

// Random glyphs and widths, some blank, a few zero-width ones, random zones.
TFontHandler RandomLvglFont(int width, int height, int baseLine, unsigned seed) {
  TFontHandler font(width, height);
  font.SetBaseLine(baseLine);
  std::mt19937 random(seed);
  for (int c = 0; c < kGlyphCount; ++c) {
    font.SetCharSize(c, static_cast<int>(random() % static_cast<unsigned>(width + 1)));
    std::bernoulli_distribution ink((c % 4) / 4.0);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) font.SetPixel(c, x, y, ink(random));
    if (c % 9 == 0) {
      TKerning zones;
      zones.NOKerning = {static_cast<int>(random() % 3), height / 2 + 1};
      zones.SWKerning = {static_cast<int>(random() % 3), height / 2 + 1};
      font.SetKerning(c, zones);
    }
  }
  return font;
}

void ExpectDrawsAsDesigned(const TFontHandler& font, const DrawnLvglFont& drawn, CodePage page) {
  EXPECT_EQ(drawn.lineHeight, font.FontHeight());
  EXPECT_EQ(drawn.baseLine, font.FontHeight() - font.BaseLine());
  for (int c = 0; c < kGlyphCount; ++c) {
    const std::optional<char32_t> codePoint = CodePointOf(page, static_cast<std::uint8_t>(c));
    const bool present = codePoint && *codePoint >= 32 && (font.GetCharSize(c) > 0 || !CellInk(font, c).empty());
    if (!present) continue;
    const auto glyph = drawn.glyphs.find(*codePoint);
    ASSERT_NE(glyph, drawn.glyphs.end()) << "code " << c;
    EXPECT_EQ(glyph->second.advance, font.GetCharSize(c)) << "code " << c;
    EXPECT_EQ(glyph->second.pixels, CellInk(font, c)) << "code " << c;
  }
}

// The kerned advance of every pair is width + value, the value being the
// kerning test page's distance turned into a pull, never behind the pen.
void ExpectKerningOfTheZones(const TFontHandler& font, const DrawnLvglFont& drawn, CodePage page) {
  std::vector<std::pair<int, char32_t>> drawnCodes;
  for (int c = 0; c < kGlyphCount; ++c)
    if (const auto codePoint = CodePointOf(page, static_cast<std::uint8_t>(c));
        codePoint && drawn.glyphs.count(*codePoint))
      drawnCodes.emplace_back(c, *codePoint);
  int kerned = 0;
  for (const auto& [left, leftPoint] : drawnCodes)
    for (const auto& [right, rightPoint] : drawnCodes) {
      const int width = font.GetCharSize(left);
      const int expected = width + std::max(-font.CalculateKerning(left, right), -width);
      const auto found = drawn.kernedAdvances.find({leftPoint, rightPoint});
      EXPECT_EQ(found == drawn.kernedAdvances.end() ? width : found->second, expected) << left << " " << right;
      kerned += expected != width;
    }
  EXPECT_EQ(static_cast<int>(drawn.kernedAdvances.size()), kerned);
}

struct LvglCase {
  const char* label;
  std::function<TFontHandler()> font;
  CodePage page;
};

class LvglDrawn : public ::testing::TestWithParam<std::tuple<LvglCase, int>> {};

TEST_P(LvglDrawn, CompilesAndDrawsEveryGlyphAndPairAsDesigned) {
  const auto& [test, major] = GetParam();
  const TFontHandler font = test.font();
  TempDir dir;
  ExportLVGL(font, dir.File("demo.c"), test.page);
  const DrawnLvglFont drawn = CompileAndDrawLvgl(dir, "demo", major);
  ASSERT_TRUE(drawn.compiled);
  ExpectDrawsAsDesigned(font, drawn, test.page);
  ExpectKerningOfTheZones(font, drawn, test.page);
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, LvglDrawn,
    ::testing::Combine(
        ::testing::Values(LvglCase{"Random", [] { return RandomLvglFont(8, 12, 9, 1); }, CodePage::Latin1},
                          LvglCase{"BaselineAtTheTop", [] { return RandomLvglFont(5, 7, 1, 2); }, CodePage::Cp437},
                          LvglCase{"Windows1252", [] { return RandomLvglFont(16, 16, 13, 3); }, CodePage::Windows1252},
                          LvglCase{"Large", [] { return RandomLvglFont(64, 64, 50, 4); }, CodePage::Latin1}),
        ::testing::Values(8, 9)),
    [](const auto& info) {
      return std::string(std::get<0>(info.param).label) + "Lvgl" + std::to_string(std::get<1>(info.param));
    });

// Zones on a few glyphs give a few pairs; zones on every glyph give many
// pairs of few distinct rows, which class tables hold in fewer bytes.
TEST(LvglExport, KerningTakesTheSmallerForm) {
  for (const bool everyGlyph : {false, true}) {
    TFontHandler font(6, 8);
    font.SetBaseLine(6);
    for (int c = 32; c < kGlyphCount; ++c) {
      font.SetCharSize(c, 6);
      font.SetPixel(c, c % 6, c % 8, true);
      if (everyGlyph || c == 'T' || c == 'o') {
        TKerning zones;
        zones.NOKerning = {2, 8};
        zones.SWKerning = {2, 8};
        font.SetKerning(c, zones);
      }
    }
    TempDir dir;
    ExportLVGL(font, dir.File("kern.c"), CodePage::Latin1);
    const std::string text = ReadBytes(dir.File("kern.c"));
    EXPECT_THAT(text, ::testing::HasSubstr(everyGlyph ? ".kern_dsc = &kern_classes," : ".kern_dsc = &kern_pairs,"));
    const DrawnLvglFont drawn = CompileAndDrawLvgl(dir, "kern", 9);
    ASSERT_TRUE(drawn.compiled);
    ExpectKerningOfTheZones(font, drawn, CodePage::Latin1);
  }
}

// Glyphs without ink and width are left out, as are the codes below 32, and
// a code page without a character for a glyph counts it.
TEST(LvglExport, LeavesOutWhatLvglCannotShowAndCountsWhatThePageLacks) {
  TFontHandler font(4, 4);
  font.SetBaseLine(3);
  for (int c = 0; c < kGlyphCount; ++c) font.SetCharSize(c, 0);
  for (const int c : {int{'A'}, 7, 0x81}) font.SetPixel(c, 1, 1, true);
  font.SetCharSize(' ', 2);
  TempDir dir;
  const ExportNotes notes = ExportEntryFile(font, 24, dir.File("few.txt"), {.codePage = CodePage::Windows1252});
  EXPECT_EQ(notes.unmappedCodes, 1);
  const DrawnLvglFont drawn = CompileAndDrawLvgl(dir, "few", 8);
  ASSERT_TRUE(drawn.compiled);
  EXPECT_EQ(drawn.glyphs.size(), 2u);
  EXPECT_EQ(drawn.glyphs.count(U' '), 1u);
  EXPECT_EQ(drawn.glyphs.count(U'A'), 1u);
}

// A font is read back as it was written: every pixel, width and the
// baseline of the codes LVGL holds; the others come back empty.
TEST(LvglExport, RoundTripKeepsEveryGlyph) {
  for (const CodePage page : {CodePage::Latin1, CodePage::Cp437}) {
    TFontHandler font = RandomLvglFont(11, 13, 10, 7);
    font.SetCharSize('M', 11);
    TempDir dir;
    ExportLVGL(font, dir.File("round.c"), page);
    const std::string text = ReadBytes(dir.File("round.c"));
    const ImportedFont imported = ReadLvglSource(ByteArray(text.begin(), text.end()), page);
    ASSERT_EQ(imported.font->FontHeight(), font.FontHeight());
    ASSERT_EQ(imported.font->FontWidth(), font.FontWidth());
    EXPECT_EQ(imported.font->BaseLine(), font.BaseLine());
    EXPECT_EQ(imported.dropped, 0);
    for (int c = 0; c < kGlyphCount; ++c) {
      const bool kept = *CodePointOf(page, static_cast<std::uint8_t>(c)) >= 32 &&
                        (font.GetCharSize(c) > 0 || !CellInk(font, c).empty());
      EXPECT_EQ(imported.font->GetCharSize(c), kept ? font.GetCharSize(c) : 0) << "code " << c;
      EXPECT_EQ(CellInk(*imported.font, c), kept ? CellInk(font, c) : PixelSet()) << "code " << c;
    }
  }
}

TEST(LvglExport, TheEntryWritesOneCFile) {
  const auto entry = FindExportEntry("lvgl");
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->number, 24);
  EXPECT_EQ(entry->caption, "LVGL Font (*.c)");
  EXPECT_EQ(entry->mask, "*.c");
  EXPECT_EQ(entry->extension, ".c");
}

}  // namespace
