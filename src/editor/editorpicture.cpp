#include "editorpicture.h"

#include "editorgeometry.h"

#include <QPainter>

#include <algorithm>
#include <cstddef>
#include <vector>

namespace {

constexpr QRgb kBlack = 0xFF000000u;
constexpr QRgb kWhite = 0xFFFFFFFFu;
constexpr QRgb kBaseLineColor = 0xFFFFFF00u;
constexpr QRgb kWidthLineColor = 0xFF0000FFu;
constexpr int kField = EditorGeometry::kField;
// The mask leaves the field's origin on the left and top, two pixels on the right and bottom.
constexpr int kMaskMargin = kField + 2;

QRgb Opaque(TColor color) { return 0xFF000000u | color; }

QRgb* Row(QImage& image, int y) { return reinterpret_cast<QRgb*>(image.scanLine(y)); }
const QRgb* Row(const QImage& image, int y) { return reinterpret_cast<const QRgb*>(image.constScanLine(y)); }

void FillRect(QImage& image, const QRect& rect, QRgb color) {
  const QRect inside = rect & image.rect();
  for (int y = inside.top(); y <= inside.bottom(); ++y)
    std::fill_n(Row(image, y) + inside.left(), inside.width(), color);
}

// Both ends included.
void HorizontalLine(QImage& image, int y, int x0, int x1, QRgb color) {
  FillRect(image, QRect(QPoint(x0, y), QPoint(x1, y)), color);
}
void VerticalLine(QImage& image, int x, int y0, int y1, QRgb color) {
  FillRect(image, QRect(QPoint(x, y0), QPoint(x, y1)), color);
}

// One dot of the mask: D - 1 pixels square with a one-pixel gap after it,
// its corners rounded by an ellipse of (D div 2) x (D div 2) pixels.
QImage DotTile(int dotSize) {
  QImage tile(dotSize, dotSize, QImage::Format_RGB32);
  tile.fill(kBlack);
  QPainter painter(&tile);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(Qt::white));
  // Half of the dot rounded down first, so the corners match the dot grid.
  const int halfDot = dotSize / 2;
  const qreal radius = halfDot / 2.0;
  painter.drawRoundedRect(QRectF(0, 0, dotSize - 1, dotSize - 1), radius, radius);
  return tile;
}

// One row of the mask area: the mask ANDed with the scaled cells, which is
// black outside the dots and the cell's colour inside. Four pixels a step,
// which the compiler turns into vector instructions.
void AndRow(const QRgb* __restrict mask, const QRgb* __restrict colors, QRgb* __restrict out, int width) {
  int x = 0;
  for (; x + 4 <= width; x += 4) {
    out[x] = mask[x] & colors[x];
    out[x + 1] = mask[x + 1] & colors[x + 1];
    out[x + 2] = mask[x + 2] & colors[x + 2];
    out[x + 3] = mask[x + 3] & colors[x + 3];
  }
  for (; x < width; ++x) out[x] = mask[x] & colors[x];
}

}  // namespace

void TEditorPicture::BuildDotMask(QSize box, QSize cells) {
  fbox = box;
  const QSize mask(std::max(0, box.width() - kMaskMargin), std::max(0, box.height() - kMaskMargin));
  // A box too small for one pixel a cell still maps points to cells.
  fDotSize = std::max(1, std::min(mask.width() / cells.width(), mask.height() / cells.height()));
  fCharMask = QImage(mask, QImage::Format_RGB32);
  fCharMask.fill(kBlack);
  frowRepeats.assign(fDotSize, false);
  // A dot of one pixel less than its cell is no dot at all.
  if (fDotSize < 2) return;
  const QImage tile = DotTile(fDotSize);
  for (int r = 0; r < cells.height(); ++r) {
    for (int y = 0; y < fDotSize; ++y) {
      const QRgb* dot = Row(tile, y);
      QRgb* row = Row(fCharMask, r * fDotSize + y);
      for (int c = 0; c < cells.width(); ++c)
        std::copy_n(dot, fDotSize, row + static_cast<std::ptrdiff_t>(c) * fDotSize);
    }
  }
  for (int y = 1; y < fDotSize; ++y)
    frowRepeats[y] = std::equal(Row(tile, y), Row(tile, y) + fDotSize, Row(tile, y - 1));
}

void TEditorPicture::PaintCells(const EditorScene& scene) {
  const QImage& glyph = scene.CharBMP;
  if (fcells.size() != glyph.size()) fcells = QImage(glyph.size(), QImage::Format_RGB32);
  fcells.fill(Opaque(scene.Colors.Off));
  const int w = glyph.width();
  const int h = glyph.height();
  const TKerning& k = scene.Kerning;
  // In this order: a later zone covers an earlier one.
  const std::pair<QRect, QRgb> zones[] = {
      {QRect(0, 0, k.NWKerning.X, k.NWKerning.Y), 0xFF002000u},
      {QRect(w - k.NOKerning.X, 0, k.NOKerning.X, k.NOKerning.Y), 0xFF002C00u},
      {QRect(w - k.SOKerning.X, h - k.SOKerning.Y, k.SOKerning.X, k.SOKerning.Y), 0xFF003800u},
      {QRect(0, h - k.SWKerning.Y, k.SWKerning.X, k.SWKerning.Y), 0xFF004400u},
  };
  for (const auto& [zone, color] : zones)
    if (zone.width() > 0 && zone.height() > 0) FillRect(fcells, zone, color);
  // Off pixels let the zones show through.
  for (int y = 0; y < h; ++y) {
    const QRgb* source = Row(glyph, y);
    QRgb* target = Row(fcells, y);
    for (int x = 0; x < w; ++x)
      if ((source[x] & 0x00FFFFFFu) != scene.Colors.Off) target[x] = Opaque(source[x]);
  }
}

// Background, the cells scaled to DotSize and ANDed with the mask. The mask
// repeats with every row of dots, so a picture row whose mask row equals the
// one above it within a dot is a copy of the row above.
void TEditorPicture::ComposeRows(QRgb background) {
  const int width = fbox.width();
  const int maskWidth = fCharMask.width();
  const int maskHeight = fCharMask.height();
  const int d = fDotSize;
  const int columns = std::min(fcells.width(), maskWidth / d);
  const int fieldHeight = std::min(fcells.height(), maskHeight / d) * d;
  std::vector<QRgb> scaled(maskWidth, background);
  for (int y = 0; y < fbox.height(); ++y) {
    QRgb* row = Row(fpicture, y);
    const int my = y - kField;
    if (my < 0 || my >= maskHeight) {
      std::fill_n(row, width, background);
      continue;
    }
    const int dy = my % d;
    if (my < fieldHeight && dy > 0 && frowRepeats[dy]) {
      std::copy_n(Row(fpicture, y - 1), width, row);
      continue;
    }
    if (my == fieldHeight) std::fill(scaled.begin(), scaled.end(), background);
    if (my < fieldHeight && dy == 0) {
      const QRgb* cells = Row(fcells, my / d);
      for (int c = 0; c < columns; ++c) std::fill_n(scaled.begin() + static_cast<std::ptrdiff_t>(c) * d, d, cells[c]);
    }
    std::fill_n(row, kField, background);
    AndRow(Row(fCharMask, my), scaled.data(), row + kField, maskWidth);
    std::fill(row + kField + maskWidth, row + width, background);
  }
}

void TEditorPicture::PaintEditor(const EditorScene& scene) {
  PaintCells(scene);
  if (fpicture.size() != fbox) fpicture = QImage(fbox, QImage::Format_RGB32);
  ComposeRows(scene.Background);
  const int d = fDotSize;
  const int edge = kField - 1;
  VerticalLine(fpicture, edge, edge, fCharMask.height() + edge, kBlack);
  HorizontalLine(fpicture, edge, edge, fCharMask.width() + edge, kBlack);
  const EditorGeometry geometry{d, scene.CharBMP.size(), scene.EditSize, scene.BaseLine};
  HorizontalLine(fpicture, geometry.BaseLineY(), 0, scene.CharBMP.width() * d + edge, kBaseLineColor);
  VerticalLine(fpicture, geometry.WidthLineX(), 0, scene.CharBMP.height() * d + edge - 1, kWidthLineColor);
}

QImage PreviewPicture(const QImage& CharBMP, const GlyphColors& colors, QRgb background) {
  QImage preview(kPreviewSize, kPreviewSize, QImage::Format_RGB32);
  preview.fill(background);
  QImage glyph = CharBMP.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < glyph.height(); ++y) {
    QRgb* row = Row(glyph, y);
    for (int x = 0; x < glyph.width(); ++x) {
      const TColor color = row[x] & 0x00FFFFFFu;
      if (color == colors.Set) row[x] = kWhite;
      if (color == colors.Off) row[x] = kBlack;
    }
  }
  const int halfW = glyph.width() / 2;
  const int halfH = glyph.height() / 2;
  const QRect target(kPreviewSize / 2 - halfW, kPreviewSize / 2 - halfH, 2 * halfW, 2 * halfH);
  if (!target.isEmpty()) QPainter(&preview).drawImage(target, glyph);
  return preview;
}

std::vector<QPoint> MarkFramePoints(const TMarkRect& mark, int dotSize) {
  std::vector<QPoint> points;
  if (mark.IsEmpty()) return points;
  const TMarkRect n = mark.Normalized();
  const int edge = kField - 1;
  const int left = n.Left * dotSize + edge;
  const int top = n.Top * dotSize + edge;
  const int right = (n.Right + 1) * dotSize + edge;
  const int bottom = (n.Bottom + 1) * dotSize + edge;
  // Every other pixel, on a checkerboard so that both directions look alike.
  const auto add = [&](int x, int y) {
    if (((x + y) & 1) == 0) points.emplace_back(x, y);
  };
  for (int x = left; x <= right; ++x) {
    add(x, top);
    add(x, bottom);
  }
  for (int y = top + 1; y < bottom; ++y) {
    add(left, y);
    add(right, y);
  }
  return points;
}
