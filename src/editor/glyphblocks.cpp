#include "glyphblocks.h"

#include <QPainter>

#include <algorithm>
#include <utility>

namespace {

QRgb Opaque(TColor color) { return 0xFF000000u | color; }
TColor ColorOf(QRgb pixel) { return pixel & 0x00FFFFFFu; }

template <typename Rule>
void MapPixels(QImage& picture, Rule rule) {
  for (int y = 0; y < picture.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
    for (int x = 0; x < picture.width(); ++x) row[x] = Opaque(rule(ColorOf(row[x])));
  }
}

}  // namespace

TMarkRect TMarkRect::Normalized() const {
  TMarkRect result = *this;
  if (result.Left > result.Right) std::swap(result.Left, result.Right);
  if (result.Top > result.Bottom) std::swap(result.Top, result.Bottom);
  return result;
}

QRect MarkArea(const TMarkRect& mark, QSize glyph) {
  if (mark.IsEmpty()) return QRect(QPoint(0, 0), glyph);
  const TMarkRect n = mark.Normalized();
  return QRect(QPoint(n.Left, n.Top), QPoint(n.Right, n.Bottom));
}

bool IsInMark(const TMarkRect& mark, QPoint cell) { return !mark.IsEmpty() && MarkArea(mark, {}).contains(cell); }

QImage CopyArea(const QImage& picture, const QRect& area, const GlyphColors& colors) {
  QImage block(area.size(), QImage::Format_RGB32);
  block.fill(Opaque(colors.Off));
  const QRect inside = area & picture.rect();
  if (inside.isEmpty()) return block;
  QPainter painter(&block);
  painter.drawImage(inside.topLeft() - area.topLeft(), picture, inside);
  return block;
}

void ClearArea(QImage& picture, const QRect& area, const GlyphColors& colors) {
  QPainter painter(&picture);
  painter.fillRect(area, QColor::fromRgb(Opaque(colors.Off)));
}

void PasteToArea(QImage& picture, const QImage& block, const QRect& area) {
  QPainter painter(&picture);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(area, block);
}

void ThresholdBitmap(QImage& picture, const GlyphColors& colors) {
  MapPixels(picture, [&](TColor color) {
    if (color == colors.Set || color == colors.Off) return color;
    const TColor channels = (color >> 16) | (color >> 8) | color;
    return (channels & 0xFF) >= 128 ? colors.Set : colors.Off;
  });
}

void InvertBitmap(QImage& picture, const GlyphColors& colors) {
  MapPixels(picture, [&](TColor color) { return color == colors.Off ? colors.Set : colors.Off; });
}
