#include "render/charsetpicture.h"
#include "render/kerningpicture.h"

#include <gtest/gtest.h>

namespace {

constexpr TColor kBackground = 0xD4D0C8, kWhite = 0xFFFFFF, kBlack = 0x000000, kRed = 0xFF0000;
constexpr TColor kYellow = 0xFFFF00;

// A font with a different pattern and width in every glyph, widths 0..W.
TFontHandler PatternFont(int w, int h) {
  TFontHandler font(w, h);
  for (int c = 0; c < kGlyphCount; ++c) {
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) font.SetPixel(c, x, y, (x * 7 + y * 3 + c) % 5 < 2);
    font.SetCharSize(c, c % (w + 1));
  }
  return font;
}

// The table painted step by step through the font's own drawing operation.
Bitmap ReferenceCharset(const TFontHandler& font, bool highlight) {
  const int w = font.FontWidth(), h = font.FontHeight();
  Bitmap bitmap(16 * (w + 2) + 2, 16 * (h + 2) + 2, kBackground);
  bitmap.PenColor = kBlack;
  bitmap.BrushColor = kWhite;
  for (int col = 0; col < 16; ++col)
    for (int row = 0; row < 16; ++row) {
      const int c = row * 16 + col, x0 = (w + 2) * col + 2, y0 = (h + 2) * row + 2;
      font.DrawCharacter(c, bitmap, x0, y0);
      bitmap.FillRect(x0 + font.GetCharSize(c), y0, (w + 2) * (col + 1), (h + 2) * (row + 1),
                      highlight ? kRed : kWhite);
    }
  return bitmap;
}

void ExpectSamePicture(const Bitmap& actual, const Bitmap& expected, const std::string& what) {
  ASSERT_EQ(actual.Width(), expected.Width()) << what;
  ASSERT_EQ(actual.Height(), expected.Height()) << what;
  for (int y = 0; y < expected.Height(); ++y)
    for (int x = 0; x < expected.Width(); ++x)
      if (actual.GetPixel(x, y) != expected.GetPixel(x, y)) {
        ADD_FAILURE() << what << ": first difference at (" << x << ", " << y << ")";
        return;
      }
}

TEST(CharsetPicture, EightByEightTableGeometry) {
  const TFontHandler font(8, 8);
  EXPECT_EQ(charset::PictureWidth(font), 162);
  EXPECT_EQ(charset::PictureHeight(font), 162);
  EXPECT_EQ(charset::CellOrigin(font, 65), (TPoint{12, 42}));
  EXPECT_EQ(charset::CellOrigin(font, 0), (TPoint{2, 2}));
  EXPECT_EQ(charset::CellOrigin(font, 255), (TPoint{152, 152}));
}

TEST(CharsetPicture, WidthHighlightFillsTheCellBeyondTheWidthAndNotTheGaps) {
  TFontHandler font(8, 8);
  font.SetCharSize(65, 3);
  font.SetPixel(65, 0, 0, true);
  font.SetPixel(65, 5, 2, true);  // beyond the width: hidden
  font.SetCharSize(66, 8);
  font.SetPixel(66, 7, 7, true);
  for (const bool highlight : {true, false}) {
    Bitmap picture;
    PaintCharset(font, highlight, kBackground, picture);
    ASSERT_EQ(picture.Width(), 162);
    ASSERT_EQ(picture.Height(), 162);
    const TColor beyond = highlight ? kRed : kWhite;
    EXPECT_EQ(picture.GetPixel(12, 42), kBlack);
    EXPECT_EQ(picture.GetPixel(13, 42), kWhite);
    for (int y = 42; y < 50; ++y) {
      for (int x = 15; x < 20; ++x) EXPECT_EQ(picture.GetPixel(x, y), beyond) << x << "," << y;
      EXPECT_EQ(picture.GetPixel(20, y), kBackground);
      EXPECT_EQ(picture.GetPixel(21, y), kBackground);
    }
    // Glyph 66 is as wide as the cell: no fill at all, its last column shows.
    EXPECT_EQ(picture.GetPixel(22 + 7, 42 + 7), kBlack);
    for (int y = 42; y < 50; ++y)
      for (int x = 22; x < 30; ++x) EXPECT_NE(picture.GetPixel(x, y), kRed);
    EXPECT_EQ(picture.GetPixel(0, 0), kBackground);
    EXPECT_EQ(picture.GetPixel(161, 161), kBackground);
  }
}

TEST(CharsetPicture, WholeTableMatchesAStepByStepPainting) {
  for (const auto& [w, h] : {std::pair{1, 1}, std::pair{8, 8}, std::pair{5, 10}, std::pair{13, 3}, std::pair{64, 64}})
    for (const bool highlight : {true, false}) {
      const TFontHandler font = PatternFont(w, h);
      Bitmap picture;
      PaintCharset(font, highlight, kBackground, picture);
      ExpectSamePicture(picture, ReferenceCharset(font, highlight),
                        std::to_string(w) + "x" + std::to_string(h) + (highlight ? " highlighted" : ""));
    }
}

TEST(CharsetPicture, OneCellIsRedrawnAfterItsGlyphChanged) {
  TFontHandler font = PatternFont(8, 12);
  Bitmap picture;
  PaintCharset(font, true, kBackground, picture);
  font.SetPixel(200, 1, 1, !font.GetPixel(200, 1, 1));
  font.SetCharSize(200, 2);
  PaintCharsetCell(font, 200, true, picture);
  ExpectSamePicture(picture, ReferenceCharset(font, true), "after redrawing glyph 200");
}

// Kerning test painted step by step through the font's own drawing operations.
Bitmap ReferenceKerningTest(const TFontHandler& font, int C, int n) {
  const int w = font.FontWidth(), h = font.FontHeight(), cw = 3 * w + 2, m = (n + 255) / n;
  Bitmap bitmap(n * cw, m * (h + 2), kBackground);
  const int off = (cw - font.GetCharSize(C) - 2) / 2;
  for (int r = 0; r < m; ++r)
    for (int k = 0; k < n; ++k) {
      const int g = n * r + k;
      if (g >= 256) continue;
      const int xc = cw * k + off, y = (h + 2) * r + 2;
      bitmap.FillRect(cw * k, y, cw * (k + 1) - 2, (h + 2) * (r + 1), kWhite);
      bitmap.PenColor = kBlack;
      bitmap.BrushColor = kYellow;
      bitmap.BrushClear = false;
      font.DrawCharacterEX(C, bitmap, xc, y, font.GetCharSize(C));
      bitmap.BrushClear = true;
      if (font.GetCharSize(g) > 0) {
        font.DrawCharacterEX(g, bitmap, xc + font.CalculateKerning(g, C) - font.GetCharSize(g), y, font.GetCharSize(g));
        font.DrawCharacterEX(g, bitmap, xc + font.GetCharSize(C) - font.CalculateKerning(C, g), y, font.GetCharSize(g));
      }
    }
  return bitmap;
}

TEST(KerningTestPicture, LayoutOfA600PixelBox) {
  const kerningtest::Layout layout = kerningtest::LayoutFor(600, 17, TFontHandler(8, 8));
  EXPECT_EQ(layout.CellWidth, 26);
  EXPECT_EQ(layout.Columns, 22);
  EXPECT_EQ(layout.Rows, 12);
  // However narrow the box, one column of cells remains.
  EXPECT_EQ(kerningtest::LayoutFor(150, 17, TFontHandler(64, 8)).Columns, 1);
  EXPECT_EQ(kerningtest::LayoutFor(150, 17, TFontHandler(64, 8)).Rows, 256);
}

TEST(KerningTestPicture, LastRowOfA22ColumnTestHoldsGlyphs242To255AndEmptyCells) {
  const TFontHandler font(8, 8);
  Bitmap picture;
  PaintKerningTest(font, 65, 22, kBackground, picture);
  ASSERT_EQ(picture.Width(), 22 * 26);
  ASSERT_EQ(picture.Height(), 12 * 10);
  const int y = 11 * 10 + 5;
  EXPECT_EQ(picture.GetPixel(13 * 26 + 1, y), kWhite);       // glyph 255's box
  EXPECT_EQ(picture.GetPixel(14 * 26 + 1, y), kBackground);  // no glyph 256
  EXPECT_EQ(picture.GetPixel(22 * 26 - 1, y), kBackground);
}

// Glyph g = 66 set around C = 65 in an 8 x 8 font: g's NO zone and C's SW
// zone let g in front of C move 1 pixel in; C's NO zone and g's SW zone let
// the g after C start 2 pixels before C's advance ends.
TEST(KerningTestPicture, CopiesOfAGlyphMoveByTheKerningDistances) {
  TFontHandler font(8, 8);
  font.SetCharSize(65, 6);
  font.SetCharSize(66, 8);
  font.SetPixel(66, 7, 0, true);
  font.SetPixel(66, 0, 7, true);
  font.GetKerning(66).NOKerning = {3, 5};
  font.GetKerning(65).SWKerning = {2, 4};
  font.GetKerning(65).NOKerning = {5, 5};
  font.GetKerning(66).SWKerning = {3, 4};
  ASSERT_EQ(font.CalculateKerning(66, 65), 1);
  ASSERT_EQ(font.CalculateKerning(65, 66), 2);
  Bitmap picture;
  PaintKerningTest(font, 65, 22, kBackground, picture);
  const int off = (26 - 6 - 2) / 2;
  const int xc = 26 * (66 % 22) + off, y = 10 * (66 / 22) + 2;
  EXPECT_EQ(picture.GetPixel(xc - 1, y + 3), kWhite);
  EXPECT_EQ(picture.GetPixel(xc, y + 3), kYellow);
  EXPECT_EQ(picture.GetPixel(xc + 5, y + 3), kYellow);
  EXPECT_EQ(picture.GetPixel(xc + 6, y + 3), kWhite);
  // The left copy's last column lies on C's first; the right copy starts 2 before C's end.
  EXPECT_EQ(picture.GetPixel(xc, y), kBlack);
  EXPECT_EQ(picture.GetPixel(xc + 4, y + 7), kBlack);
  ExpectSamePicture(picture, ReferenceKerningTest(font, 65, 22), "zones");
}

TEST(KerningTestPicture, WithoutZonesTheCopiesTouchTheBoxOfTheGlyphUnderTest) {
  TFontHandler font(8, 8);
  font.SetCharSize(65, 4);
  font.SetCharSize(66, 3);
  for (int y = 0; y < 8; ++y) {
    font.SetPixel(66, 0, y, true);
    font.SetPixel(66, 2, y, true);
  }
  Bitmap picture;
  PaintKerningTest(font, 65, 22, kBackground, picture);
  const int xc = 26 * (66 % 22) + (26 - 4 - 2) / 2, y = 10 * (66 / 22) + 2;
  EXPECT_EQ(picture.GetPixel(xc - 1, y), kBlack);
  EXPECT_EQ(picture.GetPixel(xc, y), kYellow);
  EXPECT_EQ(picture.GetPixel(xc + 3, y), kYellow);
  EXPECT_EQ(picture.GetPixel(xc + 4, y), kBlack);
}

TEST(KerningTestPicture, WholeTestMatchesAStepByStepPainting) {
  struct Case {
    int w, h, columns, C;
  };
  const Case cases[] = {{1, 1, 1, 0},  {1, 1, 22, 255}, {8, 8, 7, 65},  {8, 8, 22, 0},
                        {5, 10, 1, 3}, {5, 10, 7, 255}, {64, 64, 7, 65}};
  for (const Case& k : cases) {
    TFontHandler font = PatternFont(k.w, k.h);
    for (int c = 0; c < kGlyphCount; c += 3) {
      font.GetKerning(c).NOKerning = {c % (k.w + 1), k.h};
      font.GetKerning(c).SWKerning = {(c / 3) % (k.w + 1), k.h};
      font.GetKerning(c).SOKerning = {(c / 5) % (k.w + 1), c % (k.h + 1)};
    }
    Bitmap picture;
    PaintKerningTest(font, k.C, k.columns, kBackground, picture);
    ExpectSamePicture(picture, ReferenceKerningTest(font, k.C, k.columns),
                      std::to_string(k.w) + "x" + std::to_string(k.h) + " C=" + std::to_string(k.C) +
                          " columns=" + std::to_string(k.columns));
  }
}

}  // namespace
