#include "export/bytelayouts.h"
#include "layoutreference.h"
#include "workedexamplefont.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <tuple>

namespace {

ByteArray GlyphBytes(const TFontHandler& font, int c, ByteLayout layout) {
  ByteArray bytes;
  AppendGlyphBytes(font, c, layout, bytes);
  return bytes;
}

TEST(ByteLayouts, WorkedExampleGlyphInEveryLayout) {
  const struct {
    ByteLayout layout;
    const char* bytes;
  } cases[] = {
      {ByteLayout::Rows, "80 80 80 F0 88 88 88 F0 00 20"},
      {ByteLayout::ColumnsMsbTop, "03 FC 00 44 00 45 00 44 00 38"},
      {ByteLayout::ColumnsLsbTop, "FF 00 88 00 88 02 88 00 70 00"},
      {ByteLayout::ColumnsMsbTopMirrored, "FC 03 44 00 45 00 44 00 38 00"},
      {ByteLayout::ColumnsLsbTopMirrored, "00 FF 00 88 02 88 00 88 00 70"},
  };
  const TFontHandler font = WorkedExampleFont();
  for (const auto& row : cases) {
    SCOPED_TRACE(row.bytes);
    EXPECT_EQ(GlyphBytes(font, 'b', row.layout), HexBytes(row.bytes));
    EXPECT_EQ(LayoutBytesPerGlyph(font, row.layout), 10);
  }
}

TEST(ByteLayouts, FormatNumbersSelectTheirLayouts) {
  const struct {
    ByteLayout layout;
    int formats[3];
  } groups[] = {
      {ByteLayout::Rows, {0, 1, 10}},
      {ByteLayout::ColumnsMsbTop, {2, 4, 11}},
      {ByteLayout::ColumnsLsbTop, {3, 5, 12}},
      {ByteLayout::ColumnsMsbTopMirrored, {6, 8, 13}},
      {ByteLayout::ColumnsLsbTopMirrored, {7, 9, 14}},
  };
  for (const auto& group : groups)
    for (const int format : group.formats) EXPECT_EQ(LayoutOfFormat(format), group.layout) << format;
  for (const int format : {-1, 15, 99}) {
    EXPECT_FALSE(IsByteFormat(format));
    EXPECT_THROW(LayoutOfFormat(format), std::invalid_argument) << format;
  }
}

constexpr ByteLayout kAllLayouts[] = {ByteLayout::Rows, ByteLayout::ColumnsMsbTop, ByteLayout::ColumnsLsbTop,
                                      ByteLayout::ColumnsMsbTopMirrored, ByteLayout::ColumnsLsbTopMirrored};

// Cells around the byte boundaries, checked against the pixel-by-pixel reference.
class ByteLayoutsOnCell : public testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(ByteLayoutsOnCell, MatchReferenceForEveryFormat) {
  const auto [w, h] = GetParam();
  const TFontHandler font = RandomFont(w, h, 3, static_cast<std::uint32_t>(w * 100 + h));
  for (int format = kMinByteFormat; format <= kMaxByteFormat; ++format) {
    SCOPED_TRACE("format " + std::to_string(format));
    const ByteLayout layout = LayoutOfFormat(format);
    ByteArray expected;
    for (int c = 0; c < kGlyphCount; ++c) {
      const ByteArray reference = ReferenceGlyphBytes(font, c, layout);
      ASSERT_EQ(static_cast<int>(reference.size()), LayoutBytesPerGlyph(font, layout));
      ASSERT_EQ(GlyphBytes(font, c, layout), reference) << "glyph " << c;
      expected.insert(expected.end(), reference.begin(), reference.end());
      expected.push_back(static_cast<std::uint8_t>(font.GetCharSize(c)));
    }
    const ByteArray image = GetFontByFormat(font, format);
    ASSERT_EQ(image.size(), 32 + expected.size());
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), image.begin() + 32));
  }
}

constexpr int kBoundarySizes[] = {1, 7, 8, 9, 15, 16, 17, 64};

INSTANTIATE_TEST_SUITE_P(Boundaries, ByteLayoutsOnCell,
                         testing::Combine(testing::ValuesIn(kBoundarySizes), testing::ValuesIn(kBoundarySizes)),
                         [](const auto& info) {
                           return std::to_string(std::get<0>(info.param)) + "x" +
                                  std::to_string(std::get<1>(info.param));
                         });

std::uint8_t ReversedBits(std::uint8_t byte) {
  std::uint8_t reversed = 0;
  for (int k = 0; k < 8; ++k)
    if (byte & (1 << k)) reversed |= static_cast<std::uint8_t>(0x80 >> k);
  return reversed;
}

TEST(ByteLayouts, SixteenRowsNeedNoPaddingSoMsbAndLsbTopAreBitMirrors) {
  const TFontHandler font = RandomFont(3, 16, 3, 16);
  const ByteArray msb = GlyphBytes(font, 7, ByteLayout::ColumnsMsbTop);
  const ByteArray lsb = GlyphBytes(font, 7, ByteLayout::ColumnsLsbTop);
  const ByteArray msbMirrored = GlyphBytes(font, 7, ByteLayout::ColumnsMsbTopMirrored);
  ASSERT_EQ(msb.size(), 6u);
  for (std::size_t i = 0; i < msb.size(); ++i) {
    EXPECT_EQ(msb[i], ReversedBits(lsb[i])) << i;
    EXPECT_EQ(msbMirrored[i], msb[i ^ 1]) << i;
  }
}

TEST(ByteLayouts, MirroringChangesNothingUpToEightRows) {
  for (const int h : {1, 5, 8}) {
    const TFontHandler font = RandomFont(8, h, 3, static_cast<std::uint32_t>(h));
    for (int c = 0; c < kGlyphCount; ++c) {
      EXPECT_EQ(GlyphBytes(font, c, ByteLayout::ColumnsMsbTopMirrored), GlyphBytes(font, c, ByteLayout::ColumnsMsbTop));
      EXPECT_EQ(GlyphBytes(font, c, ByteLayout::ColumnsLsbTopMirrored), GlyphBytes(font, c, ByteLayout::ColumnsLsbTop));
    }
  }
}

TEST(ByteLayouts, SpareBitsStayClearWhateverTheNextGlyphHolds) {
  TFontHandler font(4, 10);
  for (int c = 0; c < kGlyphCount; ++c)
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 4; ++x) font.SetPixel(c, x, y, true);
  EXPECT_EQ(GlyphBytes(font, 'A', ByteLayout::ColumnsLsbTop), HexBytes("FF 03 FF 03 FF 03 FF 03"));
  EXPECT_EQ(GlyphBytes(font, 'A', ByteLayout::ColumnsMsbTop), HexBytes("03 FF 03 FF 03 FF 03 FF"));
}

TEST(ByteLayouts, NarrowWidthStillYieldsTheWholeCell) {
  TFontHandler font = RandomFont(9, 8, 3, 9);
  font.SetCharSize('x', 3);
  EXPECT_EQ(GlyphBytes(font, 'x', ByteLayout::Rows).size(), 16u);
  EXPECT_EQ(GlyphBytes(font, 'x', ByteLayout::ColumnsLsbTop).size(), 9u);
}

TEST(ByteLayouts, EmptyGlyphGivesOnlyZeros) {
  const TFontHandler font(13, 11);
  for (const ByteLayout layout : kAllLayouts)
    EXPECT_EQ(GlyphBytes(font, 0, layout), ByteArray(static_cast<std::size_t>(LayoutBytesPerGlyph(font, layout)), 0));
}

TEST(GetFontByFormat, LengthFollowsTheLayout) {
  const struct {
    int w, h, format;
    std::size_t length;
  } cases[] = {
      {5, 10, 2, 32 + 256 * 11}, {5, 10, 0, 32 + 256 * 11}, {8, 9, 2, 32 + 256 * 17},     {8, 9, 0, 32 + 256 * 10},
      {9, 3, 1, 32 + 256 * 7},   {9, 3, 9, 32 + 256 * 10},  {64, 64, 14, 32 + 256 * 513},
  };
  for (const auto& row : cases) {
    EXPECT_EQ(GetFontByFormat(TFontHandler(row.w, row.h), row.format).size(), row.length)
        << row.w << "x" << row.h << " format " << row.format;
  }
}

TEST(GetFontByFormat, HeaderIsTheTypeTwoIdentificationAndCellValues) {
  const ByteArray image = GetFontByFormat(WorkedExampleFont(), 7);
  const std::string expectedId("\x19<kelvaront>-FONT 002    \0", 26);
  EXPECT_EQ(std::string(image.begin(), image.begin() + 26), expectedId);
  EXPECT_EQ(ByteArray(image.begin() + 26, image.begin() + 32), HexBytes("08 00 05 00 0A 00"));
}

TEST(GetFontByFormat, RecordsAreGlyphBytesThenWidth) {
  const TFontHandler font = WorkedExampleFont();
  const ByteArray image = GetFontByFormat(font, 3);
  const std::size_t record = 32 + 'b' * 11;
  EXPECT_EQ(ByteArray(image.begin() + record, image.begin() + record + 11),
            HexBytes("FF 00 88 00 88 02 88 00 70 00 05"));
  EXPECT_EQ(image.back(), font.GetCharSize(255));
}

// Row-layout formats are the type-2 font image, even with stray bits stored
// right of the cell.
TEST(GetFontByFormat, RowFormatsEqualTheTypeTwoImage) {
  TFontHandler font = RandomFont(5, 3, 2, 5);
  ByteArray image = font.FontImage(2);
  for (std::size_t i = 32; i < image.size(); i += 4) image[i] |= 0x03;
  font.SetFontAsString(image);
  ASSERT_TRUE(font.Fontvalid());
  ASSERT_EQ(font.FontImage(2), image);
  EXPECT_EQ(GetFontByFormat(font, 0), image);
  EXPECT_EQ(GetFontByFormat(font, 1), image);
  EXPECT_EQ(GetFontByFormat(font, 10), image);
}

TEST(GetFontByFormat, SameBytesForEverySyntaxOfALayout) {
  const TFontHandler font = RandomFont(11, 12, 3, 11);
  EXPECT_EQ(GetFontByFormat(font, 4), GetFontByFormat(font, 2));
  EXPECT_EQ(GetFontByFormat(font, 11), GetFontByFormat(font, 2));
  EXPECT_EQ(GetFontByFormat(font, 14), GetFontByFormat(font, 9));
}

TEST(GetFontByFormat, UnknownFormatIsRefused) {
  const TFontHandler font = WorkedExampleFont();
  for (const int format : {-1, 15, 1000}) EXPECT_THROW(GetFontByFormat(font, format), std::invalid_argument) << format;
}

TEST(GetFontByFormat, InvalidFontGivesNothing) {
  TFontHandler font(8, 8);
  font.Clear();
  EXPECT_TRUE(GetFontByFormat(font, 2).empty());
}

}  // namespace
