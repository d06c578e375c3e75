#include "model/lvglfont.h"

#include "model/fontfileerror.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// A font made by hand after lv_font_fmt_txt.h: 4 bits per pixel, one cmap of
// each kind, designated and positional records, LVGL's version branches.
// Glyph 1 is 3 x 1 of the values 7, 8, 15; glyph 2 is 2 x 2 of 0, 15 / 15, 15
// reaching below the baseline; glyph 3 is empty.
constexpr const char* kHandMadeFont = R"(/* a hand-made LVGL font */
static LV_ATTRIBUTE_LARGE_CONST const uint8_t glyph_bitmap[] = {
    0x78, 0xf0,
    0x0f, 0xff
};
static const lv_font_fmt_txt_glyph_dsc_t glyph_dsc[] = {
    {.bitmap_index = 0, .adv_w = 0, .box_w = 0, .box_h = 0, .ofs_x = 0, .ofs_y = 0},
    {.bitmap_index = 0, .adv_w = 64, .box_w = 3, .box_h = 1, .ofs_x = 0, .ofs_y = 0},
    {.bitmap_index = 2, .adv_w = 40, .box_w = 2, .box_h = 2, .ofs_x = 1, .ofs_y = -1},
    {2, 24, 0, 0, 0, 0}
};
static const uint16_t unicode_list_1[] = {0x0, 0x2, 0x3};
static const uint16_t glyph_id_ofs_list_1[] = {2, 1, 0};
static const uint8_t glyph_id_ofs_list_2[] = {0, 0, 1};
static const uint16_t unicode_list_3[] = {0x0, 0x1e};
static const lv_font_fmt_txt_cmap_t cmaps[] = {
    {.range_start = 65, .range_length = 2, .glyph_id_start = 1, .unicode_list = NULL, .glyph_id_ofs_list = NULL, .list_length = 0, .type = LV_FONT_FMT_TXT_CMAP_FORMAT0_TINY},
    {.range_start = 97, .range_length = 4, .glyph_id_start = 1, .unicode_list = unicode_list_1, .glyph_id_ofs_list = glyph_id_ofs_list_1, .list_length = 3, .type = LV_FONT_FMT_TXT_CMAP_SPARSE_FULL},
    {.range_start = 48, .range_length = 3, .glyph_id_start = 1, .unicode_list = NULL, .glyph_id_ofs_list = glyph_id_ofs_list_2, .list_length = 3, .type = LV_FONT_FMT_TXT_CMAP_FORMAT0_FULL},
    {32, 0x1f, 2, unicode_list_3, NULL, 2, LV_FONT_FMT_TXT_CMAP_SPARSE_TINY}
};
#if LVGL_VERSION_MAJOR >= 8
static const lv_font_fmt_txt_dsc_t font_dsc = {
#else
static lv_font_fmt_txt_dsc_t font_dsc = {
#endif
    .glyph_bitmap = glyph_bitmap,
    .glyph_dsc = glyph_dsc,
    .cmaps = cmaps,
    .kern_dsc = NULL,
    .kern_scale = 0,
    .cmap_num = 4,
    .bpp = 4,
    .kern_classes = 0,
    .bitmap_format = 0,
#if LVGL_VERSION_MAJOR == 8
    .cache = &cache
#endif
};
const lv_font_t lv_font_hand = {
    .get_glyph_dsc = lv_font_get_glyph_dsc_fmt_txt,
    .line_height = 5,
    .base_line = 1,
    .dsc = &font_dsc,
};
)";

ByteArray Bytes(const std::string& text) { return ByteArray(text.begin(), text.end()); }

std::string Edited(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

// The glyph's rows as text, '#' for ink, over the cell's width.
std::vector<std::string> Rows(const TFontHandler& font, int c) {
  std::vector<std::string> rows;
  for (int y = 0; y < font.FontHeight(); ++y) {
    std::string row;
    for (int x = 0; x < font.FontWidth(); ++x) row += font.GetPixel(c, x, y) ? '#' : '.';
    rows.push_back(row);
  }
  return rows;
}

const std::vector<std::string> kGlyph1 = {"....", "....", "....", ".##.", "...."};
const std::vector<std::string> kGlyph2 = {"....", "....", "....", "..#.", ".##."};
const std::vector<std::string> kEmpty(5, "....");

TEST(LvglFont, EveryCmapKindLeadsToItsGlyphs) {
  const ImportedFont imported = ReadLvglSource(Bytes(kHandMadeFont), CodePage::Latin1);
  const TFontHandler& font = *imported.font;
  EXPECT_EQ(imported.format, FontFileFormat::LvglSource);
  EXPECT_EQ(imported.dropped, 0);
  EXPECT_EQ(font.FontWidth(), 4);
  EXPECT_EQ(font.FontHeight(), 5);
  EXPECT_EQ(font.BaseLine(), 4);
  const struct {
    char code;
    int width;
    const std::vector<std::string>& rows;
  } glyphs[] = {{'A', 4, kGlyph1}, {'B', 3, kGlyph2}, {'a', 2, kEmpty},  {'c', 3, kGlyph2}, {'d', 4, kGlyph1},
                {'0', 4, kGlyph1}, {'1', 0, kEmpty},  {'2', 3, kGlyph2}, {' ', 3, kGlyph2}, {'>', 2, kEmpty}};
  int present = 0;
  for (const auto& glyph : glyphs) {
    EXPECT_EQ(font.GetCharSize(glyph.code), glyph.width) << glyph.code;
    EXPECT_EQ(Rows(font, glyph.code), glyph.rows) << glyph.code;
    present += glyph.width > 0;
  }
  int wide = 0;
  for (int c = 0; c < kGlyphCount; ++c) wide += font.GetCharSize(c) > 0;
  EXPECT_EQ(wide, present);
}

// Code points map to codes through the page; those it lacks are counted.
TEST(LvglFont, CodePointsMapThroughThePage) {
  const std::string shades = Edited(kHandMadeFont, "{32, 0x1f, 2,", "{0x2591, 0x1f, 2,");
  const ImportedFont latin1 = ReadLvglSource(Bytes(shades), CodePage::Latin1);
  EXPECT_EQ(latin1.dropped, 2);
  const ImportedFont dos = ReadLvglSource(Bytes(shades), CodePage::Cp437);
  EXPECT_EQ(dos.dropped, 1);
  EXPECT_EQ(Rows(*dos.font, 176), kGlyph2);
  EXPECT_EQ(dos.font->GetCharSize(176), 3);
  EXPECT_EQ(dos.font->GetCharSize(' '), 0);
}

// One glyph at 'A' of the given bitmap, size, depth and storage.
std::string OneGlyphFont(const std::string& bytes, int width, int height, int bpp, int format) {
  return "static const uint8_t glyph_bitmap[] = {" + bytes +
         "};\n"
         "static const lv_font_fmt_txt_glyph_dsc_t glyph_dsc[] = {{0}, {.bitmap_index = 0, .adv_w = 16, .box_w = " +
         std::to_string(width) + ", .box_h = " + std::to_string(height) +
         ", .ofs_x = 0, .ofs_y = 0}};\n"
         "static const lv_font_fmt_txt_cmap_t cmaps[] = {{65, 1, 1, NULL, NULL, 0, "
         "LV_FONT_FMT_TXT_CMAP_FORMAT0_TINY}};\n"
         "static const lv_font_fmt_txt_dsc_t font_dsc = {.glyph_bitmap = glyph_bitmap, .glyph_dsc = glyph_dsc, "
         ".cmaps = cmaps, .cmap_num = 1, .bpp = " +
         std::to_string(bpp) + ", .bitmap_format = " + std::to_string(format) +
         "};\n"
         "const lv_font_t f = {.line_height = " +
         std::to_string(height) + ", .base_line = 0, .dsc = &font_dsc};\n";
}

// The compressed bitmaps were coded by hand as LVGL's converter codes them:
// a value, a repeat of it switching to 1-bit repeats ended by 0, after eleven
// of them a 6-bit count; the prefilter codes each line as its XOR with the
// line above.
TEST(LvglFont, DepthsAndStoragesComeInAtHalfIntensity) {
  const struct {
    const char* label;
    std::string bytes;
    int width;
    int height;
    int bpp;
    int format;
    std::vector<std::string> rows;
  } cases[] = {
      {"4 bpp plain", "0x78, 0xf0", 3, 1, 4, 0, {".##"}},
      {"2 bpp plain", "0x6c", 4, 1, 2, 0, {".##."}},
      {"8 bpp plain", "127, 128, 255", 3, 1, 8, 0, {".##"}},
      {"2 bpp run length", "0xf8, 0x38", 4, 2, 2, 2, {"###.", "...."}},
      {"2 bpp run length, prefiltered", "0xf8, 0x38", 4, 2, 2, 1, {"###.", "###."}},
      {"3 bpp run length", "0x70", 2, 1, 3, 2, {".#"}},
      {"2 bpp counted run", "0xff, 0xfe, 0x20", 16, 1, 2, 2, {std::string(16, '#')}},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.label);
    const ImportedFont imported = ReadLvglSource(
        Bytes(OneGlyphFont(test.bytes, test.width, test.height, test.bpp, test.format)), CodePage::Latin1);
    EXPECT_EQ(Rows(*imported.font, 'A'), test.rows);
    EXPECT_EQ(imported.font->GetCharSize('A'), 1);
  }
}

TEST(LvglFont, RecognisedByItsDescriptorType) {
  EXPECT_TRUE(IsLvglSource(Bytes(kHandMadeFont)));
  EXPECT_FALSE(IsLvglSource(Bytes("const GFXfont Font PROGMEM = {};")));
}

TEST(LvglFont, BrokenSourcesAreRefusedNamingTheLine) {
  struct Case {
    const char* label;
    std::string text;
    const char* english;
  };
  const std::string font = kHandMadeFont;
  const Case cases[] = {
      {"bitmap beyond the array", Edited(font, ".bitmap_index = 2, .adv_w = 40", ".bitmap_index = 3, .adv_w = 40"),
       "LVGL font, line 9: the bitmap of code 32 runs past the end of glyph_bitmap (4 bytes)"},
      {"no such depth", Edited(font, ".bpp = 4", ".bpp = 5"),
       "LVGL font, line 23: .bpp is 5 where 1, 2, 3, 4 and 8 are allowed"},
      {"3 bpp plain", Edited(font, ".bpp = 4", ".bpp = 3"),
       "LVGL font, line 23: 3 bits per pixel exist only compressed"},
      {"more cmaps than listed", Edited(font, ".cmap_num = 4", ".cmap_num = 5"),
       "LVGL font, line 23: .cmap_num is 5 where 0 .. 4 is allowed"},
      {"missing list", Edited(font, "glyph_id_ofs_list = glyph_id_ofs_list_2", "glyph_id_ofs_list = other"),
       "LVGL font, line 19: .glyph_id_ofs_list names other but the file defines no such list"},
      {"glyph id beyond the glyphs",
       Edited(font, "range_length = 2, .glyph_id_start = 1", "range_length = 4, .glyph_id_start = 1"),
       "LVGL font, line 17: the glyph id is 4 where 1 .. 3 is allowed"},
      {"list shorter than its length",
       Edited(font, ".list_length = 3, .type = LV_FONT_FMT_TXT_CMAP_SPARSE",
              ".list_length = 4, .type = LV_FONT_FMT_TXT_CMAP_SPARSE"),
       "LVGL font, line 18: the cmap needs 4 entries but its list holds only 3"},
      {"unknown cmap kind", Edited(font, ".type = LV_FONT_FMT_TXT_CMAP_FORMAT0_TINY", ".type = LV_OTHER"),
       "LVGL font, line 17: .type needs a number, not \"LV_OTHER\""},
      {"byte out of range", Edited(font, "0x78, 0xf0", "0x178, 0xf0"),
       "LVGL font, line 2: a value is 376 where 0 .. 255 is allowed"},
      {"missing comma", Edited(font, "0x78, 0xf0", "0x78 0xf0"),
       "LVGL font, line 3: expected ',' or '}', found \"0xf0\""},
      {"negative box", Edited(font, ".box_w = 3", ".box_w = -3"),
       "LVGL font, line 8: .box_w is -3 where 0 .. 65535 is allowed"},
      {"no font", Edited(font, "const lv_font_t lv_font_hand", "const other_t lv_font_hand"),
       "LVGL font, line 1: the file holds no LVGL font (lv_font_t with .dsc)"},
      {"line too high", Edited(font, ".line_height = 5", ".line_height = 70"),
       "LVGL font, line 40: the cell would grow to 70 pixels in height here; at most 64 are possible"},
      {"cut short", font.substr(0, font.find("0x0f, 0xff")),
       "LVGL font, line 4: the file ends where a value should follow"},
      {"too deep", Edited(font, "0x78, 0xf0", "{{{{{{{{{{0}}}}}}}}}}"),
       "LVGL font, line 3: the initializer nests too deeply"},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.label);
    try {
      ReadLvglSource(Bytes(test.text), CodePage::Latin1);
      ADD_FAILURE() << "read";
    } catch (const FontFileError& error) {
      EXPECT_EQ(error.English(), test.english);
      EXPECT_THAT(error.what(), ::testing::StartsWith("LVGL-Font, Zeile "));
    }
  }
}

}  // namespace
