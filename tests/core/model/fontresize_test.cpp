#include "model/fontresize.h"

#include "model/bitmap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

constexpr int kLeft = 0, kCentred = 1, kRight = 2;
constexpr int kTop = 0, kMiddle = 1, kBottom = 2;

int Position(int horizontal, int vertical) { return 16 * horizontal + vertical; }

std::unique_ptr<TFontHandler> Resize(const TFontHandler& font, int w, int h, int position, int baseline = 1) {
  return ResizeFont(font, w, h, baseline, position, [](int) {});
}

// A font with a different pattern, width and zones in every glyph.
TFontHandler VariedFont(int w, int h) {
  TFontHandler font(w, h);
  for (int c = 0; c < kGlyphCount; ++c) {
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) font.SetPixel(c, x, y, (x * 5 + y * 3 + c) % 7 < 3);
    font.SetCharSize(c, c % (w + 1));
    font.GetKerning(c).NWKerning = {1, 1};
  }
  return font;
}

// The resize built from the drawing operations: each old glyph drawn at the
// draw offset into a clear work area, the new glyph scanned from the scan offset.
TFontHandler ReferenceResize(const TFontHandler& font, int w, int h, int position) {
  const auto offsets = [](int index, int oldSize, int newSize) {
    const int d = std::abs(newSize - oldSize);
    const int offset = index == 1 ? d / 2 : index == 2 ? d : 0;
    return newSize > oldSize ? std::pair{offset, 0} : std::pair{0, offset};
  };
  const auto [dx, sx] = offsets(position / 16, font.FontWidth(), w);
  const auto [dy, sy] = offsets(position % 16, font.FontHeight(), h);
  TFontHandler resized(w, h);
  for (int c = 0; c < kGlyphCount; ++c) {
    Bitmap work(std::max(w, font.FontWidth()), std::max(h, font.FontHeight()), 0xFFFFFF);
    work.PenColor = 0x000000;
    work.BrushColor = 0xFFFFFF;
    font.DrawCharacter(c, work, dx, dy);
    resized.ScanCharacter(c, work, sx, sy);
    resized.SetCharSize(c, dx + font.GetCharSize(c) - sx);
  }
  return resized;
}

void ExpectSameGlyphs(const TFontHandler& actual, const TFontHandler& expected, const std::string& what) {
  ASSERT_EQ(actual.FontWidth(), expected.FontWidth()) << what;
  ASSERT_EQ(actual.FontHeight(), expected.FontHeight()) << what;
  for (int c = 0; c < kGlyphCount; ++c) {
    EXPECT_EQ(actual.GetCharSize(c), expected.GetCharSize(c)) << what << " width of " << c;
    for (int y = 0; y < expected.FontHeight(); ++y)
      for (int x = 0; x < expected.FontWidth(); ++x)
        if (actual.GetPixel(c, x, y) != expected.GetPixel(c, x, y)) {
          ADD_FAILURE() << what << ": glyph " << c << " differs at (" << x << ", " << y << ")";
          return;
        }
  }
}

TEST(FontResize, PlacementOffsets) {
  const std::tuple<int, int, int> rows[] = {{0, 4, 0}, {1, 4, 2}, {1, 3, 1}, {2, 3, 3}, {7, 3, 0}};
  for (const auto& [index, difference, offset] : rows) EXPECT_EQ(PlacementOffset(index, difference), offset);
}

TEST(FontResize, GrowingCentredAndAtTheBottomMovesEveryPixelAndWidensByTheOffset) {
  TFontHandler font(8, 8);
  font.SetPixel(65, 0, 0, true);
  font.SetPixel(65, 7, 7, true);
  font.SetCharSize(65, 6);
  const auto resized = Resize(font, 12, 10, Position(kCentred, kBottom));
  EXPECT_TRUE(resized->GetPixel(65, 2, 2));
  EXPECT_TRUE(resized->GetPixel(65, 9, 9));
  EXPECT_FALSE(resized->GetPixel(65, 0, 0));
  EXPECT_EQ(resized->GetCharSize(65), 8);
  // An odd difference is centred towards the left.
  EXPECT_TRUE(Resize(font, 11, 8, Position(kCentred, kTop))->GetPixel(65, 1, 0));
}

TEST(FontResize, ShrinkingToTheRightCutsTheLeftColumns) {
  TFontHandler font(8, 8);
  font.SetPixel(65, 1, 3, true);
  font.SetPixel(65, 2, 3, true);
  font.SetCharSize(65, 7);
  const auto resized = Resize(font, 6, 8, Position(kRight, kTop));
  EXPECT_TRUE(resized->GetPixel(65, 0, 3));
  EXPECT_FALSE(resized->GetPixel(65, 1, 3));
  EXPECT_EQ(resized->GetCharSize(65), 5);
}

TEST(FontResize, GrowingAtTheTopLeftKeepsPixelsAndWidths) {
  const TFontHandler font = VariedFont(8, 8);
  const auto resized = Resize(font, 10, 12, Position(kLeft, kTop));
  for (int c = 0; c < kGlyphCount; ++c) {
    EXPECT_EQ(resized->GetCharSize(c), font.GetCharSize(c));
    for (int y = 0; y < 12; ++y)
      for (int x = 0; x < 10; ++x)
        EXPECT_EQ(resized->GetPixel(c, x, y), x < 8 && y < 8 && font.GetPixel(c, x, y)) << c << ":" << x << "," << y;
  }
}

TEST(FontResize, TheSameSizeKeepsPixelsAndWidthsButClearsTheZonesAndTakesTheNewBaseline) {
  TFontHandler font = VariedFont(9, 7);
  font.SetBaseLine(5);
  font.Setfonttype(2);
  const auto resized = Resize(font, 9, 7, Position(kCentred, kMiddle), 3);
  ExpectSameGlyphs(*resized, font, "same size");
  for (int c = 0; c < kGlyphCount; ++c) EXPECT_EQ(resized->GetKerning(c), TKerning()) << c;
  EXPECT_EQ(resized->BaseLine(), 3);
  EXPECT_EQ(resized->fonttype(), 2);
}

// The width would be the old width less the columns cut away in front of it;
// a glyph whose every column within its width is cut keeps width 0.
TEST(FontResize, WidthsNeverDropBelowZero) {
  TFontHandler font(8, 8);
  font.SetCharSize(1, 5);
  font.SetCharSize(2, 2);
  font.SetCharSize(3, 8);
  const auto right = Resize(font, 2, 8, Position(kRight, kTop));
  EXPECT_EQ(right->GetCharSize(1), 0);
  EXPECT_EQ(right->GetCharSize(3), 2);
  const auto centred = Resize(font, 2, 8, Position(kCentred, kTop));
  EXPECT_EQ(centred->GetCharSize(2), 0);
  EXPECT_EQ(centred->GetCharSize(1), 2);
}

TEST(FontResize, EveryPlacementMatchesDrawingAndScanningTheGlyphs) {
  const std::pair<int, int> cells[][2] = {{{8, 8}, {12, 10}}, {{8, 8}, {5, 3}},   {{9, 5}, {4, 11}},
                                          {{1, 1}, {64, 64}}, {{64, 64}, {1, 1}}, {{16, 16}, {16, 16}}};
  for (const auto& [from, to] : cells) {
    const TFontHandler font = VariedFont(from.first, from.second);
    for (int horizontal = 0; horizontal < 3; ++horizontal)
      for (int vertical = 0; vertical < 3; ++vertical) {
        const int position = Position(horizontal, vertical);
        ExpectSameGlyphs(
            *Resize(font, to.first, to.second, position), ReferenceResize(font, to.first, to.second, position),
            std::to_string(from.first) + "x" + std::to_string(from.second) + " to " + std::to_string(to.first) + "x" +
                std::to_string(to.second) + " position " + std::to_string(position));
      }
  }
}

TEST(FontResize, ReportsEachGlyphInOrder) {
  std::vector<int> seen;
  ResizeFont(TFontHandler(4, 4), 8, 8, 8, 0, [&](int c) { seen.push_back(c); });
  ASSERT_EQ(seen.size(), 256u);
  for (int c = 0; c < kGlyphCount; ++c) EXPECT_EQ(seen[c], c);
}

}  // namespace
