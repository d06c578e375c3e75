#include "tools/glyphshapes.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

constexpr QRgb kOff = 0xFF808080u;
constexpr QRgb kShapeInk = 0xFFC0C0C0u;

using Cells = std::set<std::pair<int, int>>;

QImage Blank(int width = 16, int height = 16) {
  QImage picture(width, height, QImage::Format_RGB32);
  picture.fill(kOff);
  return picture;
}

Cells Inked(const QImage& picture) {
  Cells cells;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      if (picture.pixel(x, y) == kShapeInk) cells.insert({x, y});
  return cells;
}

// Every cell reaches every other through edge or corner neighbours.
bool Connected(const Cells& cells) {
  if (cells.empty()) return true;
  Cells reached{*cells.begin()};
  std::vector<std::pair<int, int>> pending{*cells.begin()};
  while (!pending.empty()) {
    const auto [x, y] = pending.back();
    pending.pop_back();
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if (cells.count({x + dx, y + dy}) && reached.insert({x + dx, y + dy}).second)
          pending.push_back({x + dx, y + dy});
  }
  return reached.size() == cells.size();
}

TEST(GlyphShapes, LineSetsBothEndsAndOneCellPerStepWhicheverWayItIsDrawn) {
  const std::pair<QPoint, QPoint> rows[] = {
      {{1, 1}, {14, 5}}, {{3, 12}, {3, 2}}, {{0, 0}, {15, 15}}, {{9, 4}, {2, 7}}, {{5, 5}, {6, 5}}};
  for (const auto& [from, to] : rows) {
    QImage forth = Blank();
    QImage back = Blank();
    DrawLine(forth, from, to, kShapeInk);
    DrawLine(back, to, from, kShapeInk);
    const Cells cells = Inked(forth);
    EXPECT_EQ(cells, Inked(back));
    EXPECT_TRUE(cells.count({from.x(), from.y()}) && cells.count({to.x(), to.y()}));
    const int steps = std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()));
    EXPECT_EQ(static_cast<int>(cells.size()), steps + 1);
    EXPECT_TRUE(Connected(cells));
  }
}

TEST(GlyphShapes, LineBetweenOneCellAndItselfDrawsNothing) {
  QImage picture = Blank();
  DrawLine(picture, {4, 4}, {4, 4}, kShapeInk);
  EXPECT_TRUE(Inked(picture).empty());
}

TEST(GlyphShapes, RectangleIsTheOutlineThroughBothCornersOrOneCell) {
  QImage picture = Blank();
  DrawRectangle(picture, {6, 2}, {2, 5}, kShapeInk);
  Cells expected;
  for (int x = 2; x <= 6; ++x) expected.insert({{x, 2}, {x, 5}});
  for (int y = 2; y <= 5; ++y) expected.insert({{2, y}, {6, y}});
  EXPECT_EQ(Inked(picture), expected);

  QImage single = Blank();
  DrawRectangle(single, {7, 9}, {7, 9}, kShapeInk);
  EXPECT_EQ(Inked(single), (Cells{{7, 9}}));
}

TEST(GlyphShapes, ShapesReachingOutsideThePictureAreClipped) {
  QImage picture = Blank(8, 8);
  DrawRectangle(picture, {-3, 2}, {12, 5}, kShapeInk);
  DrawLine(picture, {-5, 0}, {20, 0}, kShapeInk);
  DrawEllipse(picture, {4, 4}, {30, 30}, kShapeInk);
  EXPECT_TRUE(Inked(picture).count({0, 2}) && Inked(picture).count({7, 5}) && Inked(picture).count({7, 0}));
}

// For every box up to 20 x 20: inside the box without its larger column and
// row, touching all four of its sides, symmetric and closed.
TEST(GlyphShapes, EllipseStaysInsideItsBoxAndTouchesEverySide) {
  for (int width = 1; width <= 20; ++width) {
    for (int height = 1; height <= 20; ++height) {
      QImage picture = Blank(24, 24);
      const QPoint corner(width + 1, 2);
      const QPoint opposite(1, height + 2);
      DrawEllipse(picture, corner, opposite, kShapeInk);
      const Cells cells = Inked(picture);
      const QRect box(1, 2, width, height);
      std::set<int> columns, rows;
      for (const auto& [x, y] : cells) {
        ASSERT_TRUE(box.contains(x, y)) << width << "x" << height << " at " << x << "," << y;
        ASSERT_TRUE(cells.count({box.left() + box.right() - x, y})) << width << "x" << height;
        ASSERT_TRUE(cells.count({x, box.top() + box.bottom() - y})) << width << "x" << height;
        columns.insert(x);
        rows.insert(y);
      }
      EXPECT_EQ(static_cast<int>(columns.size()), width) << width << "x" << height;
      EXPECT_EQ(static_cast<int>(rows.size()), height) << width << "x" << height;
      EXPECT_TRUE(Connected(cells)) << width << "x" << height;
    }
  }
}

TEST(GlyphShapes, EllipseOneCellWideOrHighIsAStraightLine) {
  QImage tall = Blank();
  DrawEllipse(tall, {3, 2}, {4, 9}, kShapeInk);
  Cells column;
  for (int y = 2; y <= 8; ++y) column.insert({3, y});
  EXPECT_EQ(Inked(tall), column);

  QImage flat = Blank();
  DrawEllipse(flat, {9, 5}, {2, 4}, kShapeInk);
  Cells row;
  for (int x = 2; x <= 8; ++x) row.insert({x, 4});
  EXPECT_EQ(Inked(flat), row);

  QImage none = Blank();
  DrawEllipse(none, {3, 2}, {3, 9}, kShapeInk);
  EXPECT_TRUE(Inked(none).empty());
}

TEST(GlyphShapes, FillReachesEdgeNeighboursOnlyAndNothingOutside) {
  QImage picture = Blank(6, 6);
  // A set block with a diagonal neighbour at (3, 3) and a separate cell at (5, 0).
  for (const QPoint p : {QPoint(1, 1), QPoint(2, 1), QPoint(1, 2), QPoint(2, 2), QPoint(3, 3), QPoint(5, 0)})
    picture.setPixel(p, kShapeInk);
  FloodFill(picture, {2, 1}, kOff);
  EXPECT_EQ(Inked(picture), (Cells{{3, 3}, {5, 0}}));

  QImage ring = Blank(5, 5);
  DrawRectangle(ring, {0, 0}, {4, 4}, kShapeInk);
  FloodFill(ring, {2, 2}, kShapeInk);
  EXPECT_EQ(Inked(ring).size(), 25u);

  QImage untouched = Blank(5, 5);
  FloodFill(untouched, {5, 2}, kShapeInk);
  FloodFill(untouched, {-1, 0}, kShapeInk);
  EXPECT_TRUE(Inked(untouched).empty());
}

}  // namespace
