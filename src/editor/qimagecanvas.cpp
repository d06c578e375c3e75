#include "qimagecanvas.h"

#include <QImage>

QImageCanvas::QImageCanvas(QImage& image) : fimage(image) {}

int QImageCanvas::Width() const { return fimage.width(); }

int QImageCanvas::Height() const { return fimage.height(); }

TColor QImageCanvas::GetPixel(int x, int y) const {
  if (!fimage.valid(x, y)) return kNoColor;
  return fimage.pixel(x, y) & 0x00FFFFFFu;
}

void QImageCanvas::SetPixel(int x, int y, TColor color) {
  if (fimage.valid(x, y)) fimage.setPixel(x, y, 0xFF000000u | color);
}
