#include "views/picturebox.h"

#include "model/bitmap.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace {

constexpr QRgb kOpaque = 0xFF000000u;

}  // namespace

void CopyBitmapArea(const Bitmap& bitmap, QImage& picture, const QRect& area) {
  for (int y = area.top(); y <= area.bottom(); ++y) {
    const TColor* from = bitmap.Row(y) + area.left();
    auto* to = reinterpret_cast<QRgb*>(picture.scanLine(y)) + area.left();
    for (int x = 0; x < area.width(); ++x) to[x] = kOpaque | from[x];
  }
}

TPictureBox::TPictureBox(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void TPictureBox::SetPicture(const Bitmap& bitmap) {
  if (fpicture.width() != bitmap.Width() || fpicture.height() != bitmap.Height())
    fpicture = QImage(bitmap.Width(), bitmap.Height(), QImage::Format_RGB32);
  CopyBitmapArea(bitmap, fpicture, fpicture.rect());
  TakeSize();
  update();
}

void TPictureBox::SetZoom(int zoom) {
  fzoom = zoom;
  TakeSize();
  update();
}

void TPictureBox::TakeSize() { setFixedSize(fpicture.size() * fzoom); }

void TPictureBox::UpdateArea(const Bitmap& bitmap, const QRect& area) {
  const QRect inside = area & fpicture.rect();
  CopyBitmapArea(bitmap, fpicture, inside);
  update(QRect(inside.topLeft() * fzoom, inside.size() * fzoom));
}

void TPictureBox::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  if (fzoom == 1) {
    painter.drawImage(event->rect(), fpicture, event->rect());
    return;
  }
  // Whole picture pixels around the area, drawn without smoothing.
  const QRect area = event->rect();
  const QRect source(area.topLeft() / fzoom, area.bottomRight() / fzoom);
  painter.drawImage(QRect(source.topLeft() * fzoom, source.size() * fzoom), fpicture, source);
}

QPoint TPictureBox::PixelAt(const QMouseEvent& event) const {
  const QPoint at = event.position().toPoint();
  return {at.x() / fzoom, at.y() / fzoom};
}

void TPictureBox::mouseMoveEvent(QMouseEvent* event) { emit PointerMoved(PixelAt(*event)); }

void TPictureBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit Clicked(PixelAt(*event));
}

void TPictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit DoubleClicked(PixelAt(*event));
}
