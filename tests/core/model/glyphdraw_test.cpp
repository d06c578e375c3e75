#include "model/bitmap.h"
#include "model/fonthandler.h"

#include <gtest/gtest.h>

namespace {

constexpr TColor kInk = 0x112233;
constexpr TColor kPaper = 0xEEDDCC;
constexpr TColor kBack = 0x0000FF;

Bitmap Surface(int w, int h, bool clearBrush = false) {
  Bitmap canvas(w, h, kBack);
  canvas.PenColor = kInk;
  canvas.BrushColor = kPaper;
  canvas.BrushClear = clearBrush;
  return canvas;
}

// Glyph 'x': a diagonal in a 6 x 4 cell, width 3.
TFontHandler DiagonalFont() {
  TFontHandler font(6, 4);
  for (int i = 0; i < 4; ++i) font.SetPixel('x', i, i, true);
  font.SetCharSize('x', 3);
  return font;
}

TEST(DrawCharacter, PaintsTheWholeCellWithPenAndBrush) {
  const TFontHandler font = DiagonalFont();
  Bitmap canvas = Surface(10, 10);
  font.DrawCharacter('x', canvas, 2, 3);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) {
      const bool inCell = x >= 2 && x < 8 && y >= 3 && y < 7;
      const TColor expected = !inCell ? kBack : (x - 2 == y - 3) ? kInk : kPaper;
      EXPECT_EQ(canvas.GetPixel(x, y), expected) << x << "," << y;
    }
  EXPECT_FALSE(canvas.BrushClear);
}

TEST(DrawCharacterEX, DrawsOnlyTheGivenColumns) {
  const TFontHandler font = DiagonalFont();
  struct Case {
    int maxWidth, columns;
  };
  for (const Case& k : {Case{0, 3}, Case{6, 6}, Case{2, 2}, Case{99, 6}}) {
    Bitmap canvas = Surface(8, 4);
    font.DrawCharacterEX('x', canvas, 0, 0, k.maxWidth);
    for (int x = 0; x < 8; ++x) EXPECT_EQ(canvas.GetPixel(x, 1) != kBack, x < k.columns) << k.maxWidth << " col " << x;
  }
}

TEST(DrawCharacterEX, ZeroWidthGlyphDrawsNothingButDrawCharacterDrawsTheCell) {
  TFontHandler font = DiagonalFont();
  font.SetCharSize('x', 0);
  Bitmap canvas = Surface(6, 4);
  font.DrawCharacterEX('x', canvas, 0, 0, 0);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x) EXPECT_EQ(canvas.GetPixel(x, y), kBack);
  font.DrawCharacter('x', canvas, 0, 0);
  EXPECT_EQ(canvas.GetPixel(5, 0), kPaper);
}

TEST(DrawCharacterEX, ClearBrushChangesOnlyInk) {
  const TFontHandler font = DiagonalFont();
  Bitmap canvas = Surface(6, 4, true);
  font.DrawCharacterEX('x', canvas, 0, 0, 0);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x) EXPECT_EQ(canvas.GetPixel(x, y), x == y && x < 3 ? kInk : kBack);
}

TEST(DrawCharacter, UsesOnlyTheLowByteAndDrawsNothingForAnInvalidFont) {
  TFontHandler font = DiagonalFont();
  Bitmap canvas = Surface(6, 4);
  font.DrawCharacter('x' + 256, canvas, 0, 0);
  EXPECT_EQ(canvas.GetPixel(2, 2), kInk);
  font.Clear();
  Bitmap untouched = Surface(6, 4);
  font.DrawCharacter('x', untouched, 0, 0);
  font.DrawCharacterEX('x', untouched, 0, 0, 0);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x) EXPECT_EQ(untouched.GetPixel(x, y), kBack);
}

TEST(DrawText, AdvancesByWidthsAndLaterCellsOverwrite) {
  TFontHandler font(4, 2);
  for (int x = 0; x < 4; ++x) font.SetPixel('a', x, 0, true);
  font.SetCharSize('a', 2);
  font.SetCharSize(0x62, 3);  // 'b' and U+0162 share it
  Bitmap canvas = Surface(12, 2);
  font.DrawText(canvas, 1, 0, U"");
  EXPECT_EQ(canvas.GetPixel(1, 0), kBack);
  font.DrawText(canvas, 1, 0, U"a\u0162a");
  // 'a' at 1 (cols 1-4), U+0162 as 'b' at 3 (cols 3-6, empty), 'a' at 6.
  const TColor row0[] = {kBack, kInk, kInk, kPaper, kPaper, kPaper, kInk, kInk, kInk, kInk, kBack, kBack};
  for (int x = 0; x < 12; ++x) EXPECT_EQ(canvas.GetPixel(x, 0), row0[x]) << x;
}

TEST(ScanCharacter, ReadsBackWhatWasDrawnAndTreatsOtherColoursAsClear) {
  TFontHandler font = DiagonalFont();
  Bitmap canvas = Surface(9, 9);
  font.DrawCharacter('x', canvas, 3, 2);
  const ByteArray before = font.FontAsString();
  font.ScanCharacter('x', canvas, 3, 2);
  EXPECT_EQ(font.FontAsString(), before);

  canvas.SetPixel(3 + 5, 2 + 0, kInk);
  canvas.SetPixel(3 + 0, 2 + 0, kInk + 1);
  font.ScanCharacter('y', canvas, 3, 2);
  EXPECT_TRUE(font.GetPixel('y', 5, 0));
  EXPECT_FALSE(font.GetPixel('y', 0, 0));
  EXPECT_TRUE(font.GetPixel('y', 3, 3));
}

TEST(ScanCharacter, BrushColouredCanvasClearsTheGlyphButKeepsWidthAndZones) {
  TFontHandler font = DiagonalFont();
  font.GetKerning('x').SOKerning = {1, 1};
  Bitmap canvas = Surface(6, 4);
  canvas.Fill(kPaper);
  font.ScanCharacter('x', canvas, 0, 0);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x) EXPECT_FALSE(font.GetPixel('x', x, y));
  EXPECT_EQ(font.GetCharSize('x'), 3);
  EXPECT_EQ(font.GetKerning('x').SOKerning, (TPoint{1, 1}));
}

TEST(ScanCharacter, OutsideTheCanvasReadsClearAndInvalidFontsIgnoreIt) {
  TFontHandler font(4, 4);
  Bitmap canvas = Surface(2, 2);
  canvas.Fill(kInk);
  font.ScanCharacter(1, canvas, 0, 0);
  EXPECT_TRUE(font.GetPixel(1, 1, 1));
  EXPECT_FALSE(font.GetPixel(1, 2, 1));
  font.Clear();
  EXPECT_NO_THROW(font.ScanCharacter(1, canvas, 0, 0));
  EXPECT_FALSE(font.Fontvalid());
}

}  // namespace
