#include "views/picturebox.h"

#include "model/bitmap.h"

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
  setFixedSize(fpicture.size());
  update();
}

void TPictureBox::UpdateArea(const Bitmap& bitmap, const QRect& area) {
  const QRect inside = area & fpicture.rect();
  CopyBitmapArea(bitmap, fpicture, inside);
  update(inside);
}

void TPictureBox::paintEvent(QPaintEvent* event) { QPainter(this).drawImage(event->rect(), fpicture, event->rect()); }
