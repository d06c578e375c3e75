#include "model/fonthandler.h"

#include <gtest/gtest.h>

namespace {

void InkColumns(TFontHandler& font, int c, int from, int to, int row = 0) {
  for (int x = from; x <= to; ++x) font.SetPixel(c, x, row, true);
}

TEST(CalculateCharSize, WorkedExamples) {
  struct Case {
    int inkFrom, inkTo;  // -1: empty glyph
    int space, width;
  };
  const Case cases[] = {{0, 4, 1, 6}, {2, 3, 1, 5}, {7, 7, 1, 8}, {-1, -1, 1, 5},
                        {0, 4, 0, 5}, {2, 3, 0, 4}, {7, 7, 0, 8}, {-1, -1, 0, 4}};
  for (const Case& k : cases) {
    TFontHandler font(8, 8);
    font.SetCharSize(1, 2);
    if (k.inkFrom >= 0) InkColumns(font, 1, k.inkFrom, k.inkTo, 5);
    font.CalculateCharSize(1, k.space);
    EXPECT_EQ(font.GetCharSize(1), k.width) << k.inkFrom << ".." << k.inkTo << " space " << k.space;
  }
}

TEST(CalculateCharSize, EmptyGlyphsInOddCells) {
  struct Case {
    int w, space, width;
  };
  for (const Case& k : {Case{1, 0, 0}, Case{7, 1, 4}, Case{64, 40, 64}}) {
    TFontHandler font(k.w, 4);
    font.CalculateCharSize(0, k.space);
    EXPECT_EQ(font.GetCharSize(0), k.width) << k.w;
  }
}

TEST(RemoveLeftCols, WorkedExample) {
  TFontHandler font(8, 3);
  InkColumns(font, 7, 2, 5, 0);
  font.SetPixel(7, 2, 2, true);
  font.SetCharSize(7, 7);
  TKerning& k = font.GetKerning(7);
  k.NWKerning = {3, 4};
  k.NOKerning = {2, 3};
  k.SOKerning = {1, 2};
  font.RemoveLeftCols(7, 1);
  EXPECT_EQ(font.GetCharSize(7), 5);
  for (int x = 0; x < 8; ++x) {
    EXPECT_EQ(font.GetPixel(7, x, 0), x <= 3) << x;
    EXPECT_EQ(font.GetPixel(7, x, 2), x == 0) << x;
  }
  EXPECT_EQ(k.NWKerning, (TPoint{1, 4}));
  EXPECT_EQ(k.NOKerning, (TPoint{4, 3}));
  EXPECT_EQ(k.SWKerning, (TPoint{0, 0}));
  EXPECT_EQ(k.SOKerning, (TPoint{3, 2}));

  const ByteArray once = font.FontAsString();
  font.RemoveLeftCols(7, 1);
  EXPECT_EQ(font.FontAsString(), once) << "a second call changes nothing";
}

TEST(RemoveLeftCols, EmptyGlyphOrInkInColumnZeroChangesNothing) {
  for (const bool inkAtZero : {false, true}) {
    TFontHandler font(8, 8);
    if (inkAtZero) InkColumns(font, 3, 0, 0);
    font.SetCharSize(3, 5);
    font.GetKerning(3).NWKerning = {2, 2};
    const ByteArray before = font.FontAsString();
    font.RemoveLeftCols(3, 0);
    EXPECT_EQ(font.FontAsString(), before) << inkAtZero;
  }
}

TEST(RemoveLeftCols, FullWidthStaysAndNothingDropsBelowZero) {
  TFontHandler font(8, 8);
  InkColumns(font, 4, 5, 6);
  font.RemoveLeftCols(4, 0);
  EXPECT_EQ(font.GetCharSize(4), 8) << "a glyph as wide as the cell keeps its width";
  EXPECT_TRUE(font.GetPixel(4, 0, 0));
  EXPECT_FALSE(font.GetPixel(4, 5, 0));

  InkColumns(font, 5, 6, 6);
  font.SetCharSize(5, 3);
  font.GetKerning(5).NWKerning = {2, 8};
  font.GetKerning(5).SWKerning = {0, 4};
  font.RemoveLeftCols(5, 0);
  EXPECT_EQ(font.GetCharSize(5), 0);
  EXPECT_EQ(font.GetKerning(5).NWKerning, (TPoint{0, 8}));
  EXPECT_EQ(font.GetKerning(5).SWKerning, (TPoint{0, 4}));
}

struct KerningCase {
  const char* name;
  int prevWidth;
  TPoint no, so, sw, nw;
  int result;
};

class CalculateKerning : public testing::TestWithParam<KerningCase> {};

TEST_P(CalculateKerning, WorkedExamples) {
  const KerningCase& k = GetParam();
  TFontHandler font(8, 8);
  font.SetCharSize('L', k.prevWidth);
  font.GetKerning('L').NOKerning = k.no;
  font.GetKerning('L').SOKerning = k.so;
  font.GetKerning('T').SWKerning = k.sw;
  font.GetKerning('T').NWKerning = k.nw;
  EXPECT_EQ(font.CalculateKerning('L', 'T'), k.result) << k.name;
}

INSTANTIATE_TEST_SUITE_P(Pairs, CalculateKerning,
                         testing::Values(KerningCase{"L then T", 6, {5, 6}, {0, 0}, {3, 5}, {0, 0}, 2},
                                         KerningCase{"both pairs fit", 8, {3, 5}, {2, 4}, {4, 4}, {2, 6}, 1},
                                         KerningCase{"heights just touch", 8, {3, 4}, {0, 0}, {3, 4}, {0, 0}, 0},
                                         KerningCase{"zone beyond the width", 5, {2, 8}, {0, 0}, {4, 8}, {0, 0}, -1},
                                         KerningCase{"opposite signs", 5, {2, 8}, {6, 8}, {4, 8}, {2, 8}, -1},
                                         KerningCase{"one-pixel overlap", 8, {1, 8}, {0, 0}, {1, 1}, {0, 0}, 0},
                                         KerningCase{"only the second pair", 8, {0, 0}, {4, 6}, {0, 0}, {3, 3}, 2}));

TEST(CalculateKerningAll, UnsetZonesGiveZeroForEveryPair) {
  TFontHandler font(8, 8);
  for (int a = 0; a < kGlyphCount; ++a)
    for (int b = 0; b < kGlyphCount; ++b) ASSERT_EQ(font.CalculateKerning(a, b), 0) << a << "," << b;
}

TEST(CalculateKerningAll, IsNotSymmetric) {
  TFontHandler font(8, 8);
  font.SetCharSize('L', 6);
  font.GetKerning('L').NOKerning = {5, 6};
  font.GetKerning('T').SWKerning = {3, 5};
  EXPECT_EQ(font.CalculateKerning('L', 'T'), 2);
  EXPECT_EQ(font.CalculateKerning('T', 'L'), 0);
}

TEST(TextExtent, SumsWidthsAndCountsCodesAboveByLowByte) {
  TFontHandler font(10, 12);
  font.SetCharSize('A', 7);
  font.SetCharSize('i', 3);
  font.SetCharSize(0x20, 5);  // low byte of U+0120 and U+2020
  EXPECT_EQ(font.TextWidth(U""), 0);
  EXPECT_EQ(font.TextWidth(U"Ai"), 10);
  EXPECT_EQ(font.TextWidth(U"A\u0120\u2020"), 17);
  EXPECT_EQ(font.TextHeight(U""), 12);
  EXPECT_EQ(font.TextHeight(U"Ai"), 12);
}

}  // namespace
