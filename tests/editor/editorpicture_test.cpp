#include "editorpicture.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace {

constexpr GlyphColors kColors{0xC0C0C0, 0x808080};
constexpr QRgb kBackground = 0xFFD4D0C8u;
constexpr QRgb kBlack = 0xFF000000u;
constexpr QRgb kWhite = 0xFFFFFFFFu;

QImage Glyph(QSize size, unsigned seed) {
  QImage glyph(size, QImage::Format_RGB32);
  std::mt19937 random(seed);
  for (int y = 0; y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x)
      glyph.setPixel(x, y, 0xFF000000u | (random() % 3 ? kColors.Off : kColors.Set));
  return glyph;
}

// The editor picture painted the slow way, pixel by pixel, step after step.
QImage SlowEditorPicture(QSize box, const QImage& mask, int d, const EditorScene& scene) {
  const int w = scene.CharBMP.width();
  const int h = scene.CharBMP.height();
  QImage cells(w, h, QImage::Format_RGB32);
  cells.fill(0xFF000000u | kColors.Off);
  const TKerning& k = scene.Kerning;
  const auto zone = [&](TPoint z, int x0, int y0, QRgb color) {
    if (z.X <= 0 || z.Y <= 0) return;
    for (int y = y0; y < y0 + z.Y; ++y)
      for (int x = x0; x < x0 + z.X; ++x)
        if (cells.valid(x, y)) cells.setPixel(x, y, color);
  };
  zone(k.NWKerning, 0, 0, qRgb(0, 32, 0));
  zone(k.NOKerning, w - k.NOKerning.X, 0, qRgb(0, 44, 0));
  zone(k.SOKerning, w - k.SOKerning.X, h - k.SOKerning.Y, qRgb(0, 56, 0));
  zone(k.SWKerning, 0, h - k.SWKerning.Y, qRgb(0, 68, 0));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if ((scene.CharBMP.pixel(x, y) & 0xFFFFFF) != kColors.Off) cells.setPixel(x, y, scene.CharBMP.pixel(x, y));

  QImage b(box, QImage::Format_RGB32);
  b.fill(scene.Background);
  for (int y = 10; y < h * d + 10; ++y)
    for (int x = 10; x < w * d + 10; ++x) b.setPixel(x, y, cells.pixel((x - 10) / d, (y - 10) / d));
  for (int y = 0; y < mask.height(); ++y)
    for (int x = 0; x < mask.width(); ++x) b.setPixel(x + 10, y + 10, b.pixel(x + 10, y + 10) & mask.pixel(x, y));
  const auto set = [&](int x, int y, QRgb color) {
    if (b.valid(x, y)) b.setPixel(x, y, color);
  };
  for (int y = 9; y <= mask.height() + 9; ++y) set(9, y, kBlack);
  for (int x = 9; x <= mask.width() + 9; ++x) set(x, 9, kBlack);
  for (int x = 0; x <= w * d + 9; ++x) set(x, scene.BaseLine * d + 9, qRgb(255, 255, 0));
  for (int y = 0; y <= h * d + 8; ++y) set(scene.EditSize * d + 9, y, qRgb(0, 0, 255));
  return b;
}

TEST(EditorPicture, DotSizeFollowsTheBoxLessItsMarginsAndTheCells) {
  struct Row {
    QSize box;
    QSize cells;
    int dotSize;
  };
  const Row rows[] = {
      {{412, 343}, {16, 16}, 20}, {{412, 343}, {64, 64}, 5}, {{412, 343}, {8, 12}, 27},
      {{412, 343}, {1, 1}, 331},  {{76, 76}, {64, 64}, 1},   {{1720, 900}, {64, 64}, 13},
  };
  for (const Row& row : rows) {
    TEditorPicture picture;
    picture.BuildDotMask(row.box, row.cells);
    EXPECT_EQ(picture.DotSize(), row.dotSize) << row.box.width() << "x" << row.box.height();
    EXPECT_EQ(picture.CharMask().size(), row.box - QSize(12, 12));
  }
}

// Each dot is D - 1 pixels square and white at its middle and along its edges'
// middles, with a black gap after it; outside the cells the mask is black.
TEST(EditorPicture, MaskHasARoundedDotPerCellAndBlackElsewhere) {
  for (const QSize cells : {QSize(16, 16), QSize(3, 5), QSize(64, 64)}) {
    TEditorPicture picture;
    picture.BuildDotMask({412, 343}, cells);
    const QImage& mask = picture.CharMask();
    const int d = picture.DotSize();
    for (int y = 0; y < mask.height(); ++y) {
      for (int x = 0; x < mask.width(); ++x) {
        const int c = x / d, r = y / d, dx = x % d, dy = y % d;
        const bool inCells = c < cells.width() && r < cells.height();
        const bool gap = dx == d - 1 || dy == d - 1;
        if (!inCells || gap) {
          ASSERT_EQ(mask.pixel(x, y), kBlack) << x << "," << y;
        } else if (dx == (d - 1) / 2 || dy == (d - 1) / 2) {
          ASSERT_EQ(mask.pixel(x, y), kWhite) << x << "," << y;
        }
      }
    }
    if (d >= 8) {
      EXPECT_EQ(mask.pixel(0, 0), kBlack) << "corner rounded";
      EXPECT_EQ(mask.pixel(d - 2, d - 2), kBlack) << "corner rounded";
    }
  }
}

TEST(EditorPicture, ComposedPictureMatchesTheStepByStepPainting) {
  struct Row {
    QSize box;
    QSize cells;
    TKerning kerning;
    int editSize;
    int baseLine;
  };
  TKerning overlapping;
  overlapping.NWKerning = {3, 2};
  overlapping.NOKerning = {2, 4};
  overlapping.SOKerning = {40, 1};
  overlapping.SWKerning = {2, 3};
  TKerning unset;
  unset.NWKerning = {3, 0};
  unset.SOKerning = {0, 5};
  const Row rows[] = {
      {{412, 343}, {16, 16}, overlapping, 12, 13},
      {{412, 343}, {16, 16}, unset, 16, 16},
      {{300, 200}, {5, 7}, overlapping, 1, 7},
      {{220, 500}, {64, 64}, overlapping, 64, 1},
      {{500, 400}, {1, 1}, overlapping, 1, 1},
      // A baseline beyond the cell from a font file is clipped, not drawn across the box.
      {{412, 343}, {8, 8}, unset, 0, 40},
  };
  unsigned seed = 1;
  for (const Row& row : rows) {
    const QImage glyph = Glyph(row.cells, seed++);
    const EditorScene scene{glyph, kColors, row.kerning, row.editSize, row.baseLine, kBackground};
    TEditorPicture picture;
    picture.BuildDotMask(row.box, row.cells);
    picture.PaintEditor(scene);
    const QImage expected = SlowEditorPicture(row.box, picture.CharMask(), picture.DotSize(), scene);
    ASSERT_EQ(picture.Picture().size(), row.box);
    for (int y = 0; y < row.box.height(); ++y)
      for (int x = 0; x < row.box.width(); ++x)
        ASSERT_EQ(picture.Picture().pixel(x, y), expected.pixel(x, y))
            << x << "," << y << " in " << row.cells.width() << "x" << row.cells.height();
  }
}

TEST(EditorPicture, RepaintFollowsAChangedGlyphAndBox) {
  QImage glyph = Glyph({4, 4}, 7);
  const TKerning kerning;
  TEditorPicture picture;
  picture.BuildDotMask({100, 100}, {4, 4});
  picture.PaintEditor({glyph, kColors, kerning, 4, 4, kBackground});
  glyph.setPixel(0, 0, 0xFF000000u | kColors.Set);
  picture.BuildDotMask({150, 120}, {4, 4});
  const EditorScene scene{glyph, kColors, kerning, 2, 3, kBackground};
  picture.PaintEditor(scene);
  const QImage expected = SlowEditorPicture({150, 120}, picture.CharMask(), picture.DotSize(), scene);
  EXPECT_EQ(picture.Picture(), expected);
}

// Set pixels white, off pixels black, centred; an odd size loses one pixel.
TEST(EditorPicture, PreviewShowsTheGlyphCentredAtItsRealSize) {
  struct Row {
    QSize cells;
    QRect shown;
  };
  const Row rows[] = {
      {{16, 16}, {24, 24, 16, 16}},
      {{5, 8}, {30, 28, 4, 8}},
      {{64, 64}, {0, 0, 64, 64}},
      {{1, 3}, {32, 31, 0, 2}},
  };
  for (const Row& row : rows) {
    QImage glyph(row.cells, QImage::Format_RGB32);
    glyph.fill(0xFF000000u | kColors.Set);
    glyph.setPixel(0, 0, 0xFF000000u | kColors.Off);
    const QImage preview = PreviewPicture(glyph, kColors, kBackground);
    ASSERT_EQ(preview.size(), QSize(64, 64));
    for (int y = 0; y < 64; ++y) {
      for (int x = 0; x < 64; ++x) {
        const QRgb expected = !row.shown.contains(x, y)             ? kBackground
                              : QPoint(x, y) == row.shown.topLeft() ? kBlack
                                                                    : kWhite;
        ASSERT_EQ(preview.pixel(x, y), expected) << x << "," << y << " for " << row.cells.width();
      }
    }
  }
}

TEST(EditorPicture, MarkFrameRunsDottedAlongTheGapsAroundTheMarkedCells) {
  EXPECT_TRUE(MarkFramePoints({3, 4, 3, 4}, 20).empty());
  EXPECT_TRUE(MarkFramePoints({0, 0, 0, 0}, 20).empty());
  const int d = 20;
  // Marked cells 1..2 x 2..4, given with its corners swapped.
  const std::vector<QPoint> frame = MarkFramePoints({2, 4, 1, 2}, d);
  const QRect outline(QPoint(1 * d + 9, 2 * d + 9), QPoint(3 * d + 9, 5 * d + 9));
  std::set<std::pair<int, int>> seen;
  for (const QPoint p : frame) {
    const bool onEdge =
        p.x() == outline.left() || p.x() == outline.right() || p.y() == outline.top() || p.y() == outline.bottom();
    EXPECT_TRUE(outline.contains(p) && onEdge) << p.x() << "," << p.y();
    EXPECT_TRUE(seen.insert({p.x(), p.y()}).second) << "twice " << p.x() << "," << p.y();
  }
  const int perimeter = 2 * (outline.width() + outline.height()) - 4;
  EXPECT_EQ(static_cast<int>(frame.size()), perimeter / 2);
}

}  // namespace
