#include "model/fonthandler.h"
#include "export/bytelayouts.h"

#include <gtest/gtest.h>

namespace {

struct SizeCase {
  int w, h, bytesPerRow, bytesPerGlyph;
};

class FontCreate : public testing::TestWithParam<SizeCase> {};

TEST_P(FontCreate, DerivesSizesAndStartsEmpty) {
  const SizeCase& s = GetParam();
  const TFontHandler font(s.w, s.h);
  EXPECT_EQ(font.FontWidth(), s.w);
  EXPECT_EQ(font.FontHeight(), s.h);
  EXPECT_EQ(font.BytesPerRow(), s.bytesPerRow);
  EXPECT_EQ(font.BytesPerGlyph(), s.bytesPerGlyph);
  EXPECT_EQ(font.BaseLine(), s.h);
  EXPECT_EQ(font.fonttype(), 3);
  EXPECT_TRUE(font.Fontvalid());
  EXPECT_EQ(font.FontAsString().size(), 32u + 256u * (s.bytesPerGlyph + 9));
  for (int c = 0; c < kGlyphCount; ++c) {
    EXPECT_EQ(font.GetCharSize(c), s.w);
    EXPECT_EQ(font.GetKerning(c), TKerning());
    for (int y = 0; y < s.h; ++y)
      for (int x = 0; x < s.w; ++x) ASSERT_FALSE(font.GetPixel(c, x, y));
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, FontCreate,
                         testing::Values(SizeCase{8, 8, 1, 8}, SizeCase{9, 16, 2, 32}, SizeCase{64, 64, 8, 512},
                                         SizeCase{1, 1, 1, 1}));

TEST(FontCreate, RejectsCellsOutsideOneToSixtyFour) {
  for (const auto& [w, h] : {std::pair{0, 8}, {8, 0}, {65, 8}, {8, 65}, {-1, -1}})
    EXPECT_THROW(TFontHandler(w, h), std::invalid_argument) << w << "x" << h;
}

// Pixel (x, y) of glyph c lives in byte c * charsize + y * bytesPerRow + x / 8
// under mask 0x80 >> (x % 8); checked through the byte image, whose type-1
// glyph data is the pixel store itself.
TEST(FontPixels, FollowTheStoredLayout) {
  struct Case {
    int c, x, y;
    std::size_t byte;
  };
  for (const Case& k : {Case{0, 8, 0, 1}, Case{0, 0, 1, 2}, Case{1, 0, 0, 32}, Case{255, 15, 15, 255 * 32 + 31}}) {
    TFontHandler font(9, 16);
    font.SetPixel(k.c, k.x, k.y, true);
    const ByteArray image = font.FontImage(1);
    ByteArray expected(image.size() - 32, 0);
    expected[k.byte] = static_cast<std::uint8_t>(0x80 >> (k.x % 8));
    EXPECT_EQ(ByteArray(image.begin() + 32, image.end()), expected) << k.c << "," << k.x << "," << k.y;
    font.SetPixel(k.c, k.x, k.y, false);
    EXPECT_FALSE(font.GetPixel(k.c, k.x, k.y));
  }
}

TEST(FontPixels, SettingOnePixelLeavesItsNeighbours) {
  TFontHandler font(16, 2);
  for (int x = 0; x < 16; ++x) font.SetPixel(7, x, 1, true);
  font.SetPixel(7, 9, 1, false);
  for (int x = 0; x < 16; ++x) EXPECT_EQ(font.GetPixel(7, x, 1), x != 9) << x;
  for (int x = 0; x < 16; ++x) EXPECT_FALSE(font.GetPixel(7, x, 0));
}

TEST(FontWidths, AreClampedToTheCell) {
  TFontHandler font(8, 8);
  for (const auto& [value, stored] : {std::pair{13, 8}, {3, 3}, {8, 8}, {0, 0}, {-5, 0}, {300, 8}}) {
    font.SetCharSize(65, value);
    EXPECT_EQ(font.GetCharSize(65), stored) << value;
  }
}

TEST(FontKerning, SetKerningChecksTheGlyphNumber) {
  TFontHandler font(8, 8);
  TKerning zones;
  zones.NWKerning = {1, 2};
  zones.SOKerning = {3, 4};
  font.SetKerning(256, zones);
  font.SetKerning(-1, zones);
  for (int c = 0; c < kGlyphCount; ++c) EXPECT_EQ(font.GetKerning(c), TKerning());
  font.SetKerning(255, zones);
  EXPECT_EQ(font.GetKerning(255), zones);
}

TEST(FontKerning, GetKerningHandsOutTheFontsOwnRecord) {
  TFontHandler font(8, 8);
  font.GetKerning(66).NOKerning = {5, 6};
  EXPECT_EQ(font.GetKerning(66).NOKerning, (TPoint{5, 6}));
  TKerning copy;
  copy.Assign(font.GetKerning(66));
  copy.Reset();
  EXPECT_EQ(font.GetKerning(66).NOKerning, (TPoint{5, 6}));
}

TEST(FontClear, KeepsMetricsButInvalidates) {
  TFontHandler font(12, 10);
  font.SetCharSize(3, 7);
  font.SetBaseLine(6);
  font.GetKerning(3).SWKerning = {2, 2};
  font.Clear();
  EXPECT_FALSE(font.Fontvalid());
  EXPECT_EQ(font.FontWidth(), 12);
  EXPECT_EQ(font.FontHeight(), 10);
  EXPECT_EQ(font.GetCharSize(3), 7);
  EXPECT_EQ(font.BaseLine(), 6);
  EXPECT_EQ(font.GetKerning(3).SWKerning, (TPoint{2, 2}));
  EXPECT_TRUE(font.FontAsString().empty());
}

TEST(FontAssign, CopiesEverythingIncludingTheCellSize) {
  TFontHandler source(20, 30);
  source.SetPixel(200, 19, 29, true);
  source.SetCharSize(200, 11);
  source.SetBaseLine(25);
  source.Setfonttype(2);
  source.GetKerning(200).NOKerning = {4, 9};
  TFontHandler target(8, 8);
  TKerning& targetRecord = target.GetKerning(200);
  target.Assign(source);
  EXPECT_EQ(target.FontWidth(), 20);
  EXPECT_EQ(target.FontHeight(), 30);
  EXPECT_EQ(target.BytesPerGlyph(), 90);
  EXPECT_EQ(target.FontAsString(), source.FontAsString());
  EXPECT_EQ(target.fonttype(), 2);
  EXPECT_EQ(&target.GetKerning(200), &targetRecord);
  EXPECT_EQ(targetRecord.NOKerning, (TPoint{4, 9}));
  source.SetPixel(200, 0, 0, true);
  EXPECT_FALSE(target.GetPixel(200, 0, 0));
}

}  // namespace

// After a failed parse the pixel store is gone: whatever is called must
// neither touch it nor change what is left.
TEST(InvalidFont, AccessorsAndMetricsDoNothing) {
  TFontHandler font(12, 10);
  font.SetCharSize(65, 7);
  font.GetKerning(65).NOKerning = {3, 9};
  font.GetKerning(66).SWKerning = {2, 9};
  font.SetFontAsString(ByteArray{'n', 'o', ' ', 'f', 'o', 'n', 't'});
  ASSERT_FALSE(font.Fontvalid());
  const int kerning = font.CalculateKerning(65, 66);
  font.SetPixel(65, 11, 9, true);
  EXPECT_FALSE(font.GetPixel(65, 11, 9));
  font.CalculateCharSize(65, 1);
  font.RemoveLeftCols(65, 0);
  EXPECT_EQ(font.GetCharSize(65), 7);
  EXPECT_EQ(font.CalculateKerning(65, 66), kerning);
  EXPECT_EQ(font.TextWidth(U"AA"), 14);
  EXPECT_EQ(font.GetKerning(65).NOKerning, (TPoint{3, 9}));
  EXPECT_TRUE(font.FontAsString().empty());
  EXPECT_TRUE(GetFontByFormat(font, 0).empty());
}
