#pragma once

#include "model/canvas.h"

class QImage;

// Lets the core draw glyphs onto and scan them from a QImage. The image must
// be Format_RGB32; it is borrowed, not owned.
class QImageCanvas : public Canvas {
 public:
  explicit QImageCanvas(QImage& image);

  int Width() const override;
  int Height() const override;
  TColor GetPixel(int x, int y) const override;
  void SetPixel(int x, int y, TColor color) override;

 private:
  QImage& fimage;
};
