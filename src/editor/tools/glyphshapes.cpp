#include "tools/glyphshapes.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

void Plot(QImage& picture, QPoint cell, QRgb color) {
  if (picture.valid(cell)) picture.setPixel(cell, color);
}

}  // namespace

void DrawLine(QImage& picture, QPoint from, QPoint to, QRgb color) {
  if (from == to) return;
  // The same cells whichever end the drag started from.
  if (std::pair(to.x(), to.y()) < std::pair(from.x(), from.y())) std::swap(from, to);
  const int dx = std::abs(to.x() - from.x());
  const int dy = -std::abs(to.y() - from.y());
  const int sx = from.x() < to.x() ? 1 : -1;
  const int sy = from.y() < to.y() ? 1 : -1;
  int error = dx + dy;
  for (QPoint cell = from;;) {
    Plot(picture, cell, color);
    if (cell == to) break;
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      cell.rx() += sx;
    }
    if (twice <= dx) {
      error += dx;
      cell.ry() += sy;
    }
  }
}

void DrawRectangle(QImage& picture, QPoint corner, QPoint opposite, QRgb color) {
  const int left = std::min(corner.x(), opposite.x());
  const int right = std::max(corner.x(), opposite.x());
  const int top = std::min(corner.y(), opposite.y());
  const int bottom = std::max(corner.y(), opposite.y());
  for (int x = left; x <= right; ++x) {
    Plot(picture, {x, top}, color);
    Plot(picture, {x, bottom}, color);
  }
  for (int y = top; y <= bottom; ++y) {
    Plot(picture, {left, y}, color);
    Plot(picture, {right, y}, color);
  }
}

// A cell belongs to the outline when it lies inside the ellipse and one of its
// edge neighbours does not. The ellipse is a quarter cell smaller than the box
// on every side, so small ones come out round rather than square; the middle
// columns and rows count as inside, so narrow ones still reach every side.
void DrawEllipse(QImage& picture, QPoint corner, QPoint opposite, QRgb color) {
  const int left = std::min(corner.x(), opposite.x());
  const int top = std::min(corner.y(), opposite.y());
  const int width = std::abs(corner.x() - opposite.x());
  const int height = std::abs(corner.y() - opposite.y());
  if (width == 0 || height == 0) return;
  // Four times the distances from the box's centre, so every value is whole.
  const std::int64_t a = 2 * width - 1;
  const std::int64_t b = 2 * height - 1;
  const auto inside = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= width || y >= height) return false;
    if (x == (width - 1) / 2 || x == width / 2 || y == (height - 1) / 2 || y == height / 2) return true;
    const std::int64_t u = 4 * x - 2 * (width - 1);
    const std::int64_t v = 4 * y - 2 * (height - 1);
    return u * u * b * b + v * v * a * a <= a * a * b * b;
  };
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (inside(x, y) && !(inside(x - 1, y) && inside(x + 1, y) && inside(x, y - 1) && inside(x, y + 1)))
        Plot(picture, {left + x, top + y}, color);
    }
  }
}

void FloodFill(QImage& picture, QPoint seed, QRgb color) {
  if (!picture.valid(seed)) return;
  const QRgb surface = picture.pixel(seed);
  if (surface == color) return;
  picture.setPixel(seed, color);
  std::vector<QPoint> pending{seed};
  while (!pending.empty()) {
    const QPoint cell = pending.back();
    pending.pop_back();
    for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
      const QPoint next = cell + step;
      if (picture.valid(next) && picture.pixel(next) == surface) {
        picture.setPixel(next, color);
        pending.push_back(next);
      }
    }
  }
}
