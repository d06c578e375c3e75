#include "qimagecanvas.h"

#include "model/fonthandler.h"

#include <gtest/gtest.h>
#include <QImage>

namespace {

constexpr TColor kInk = 0xC0C0C0;
constexpr TColor kPaper = 0x808080;

TEST(QImageCanvas, ReadsBackWrittenColoursAndNothingOutside) {
  QImage image(3, 2, QImage::Format_RGB32);
  QImageCanvas canvas(image);
  canvas.SetPixel(2, 1, 0x123456);
  canvas.SetPixel(3, 0, 0xFFFFFF);
  canvas.SetPixel(-1, 0, 0xFFFFFF);
  EXPECT_EQ(canvas.Width(), 3);
  EXPECT_EQ(canvas.Height(), 2);
  EXPECT_EQ(canvas.GetPixel(2, 1), 0x123456u);
  EXPECT_EQ(image.pixel(2, 1), 0xFF123456u);
  for (const QPoint outside : {QPoint(3, 0), QPoint(-1, 0), QPoint(0, 2)})
    EXPECT_EQ(canvas.GetPixel(outside.x(), outside.y()), Canvas::kNoColor);
}

TEST(QImageCanvas, GlyphDrawnAndScannedBackIsUnchanged) {
  TFontHandler font(10, 3);
  const QPoint inked[] = {{0, 0}, {9, 0}, {4, 1}, {8, 2}};
  for (const QPoint p : inked) font.SetPixel(65, p.x(), p.y(), true);
  QImage image(10, 3, QImage::Format_RGB32);
  QImageCanvas canvas(image);
  canvas.PenColor = kInk;
  canvas.BrushColor = kPaper;
  font.DrawCharacter(65, canvas, 0, 0);
  EXPECT_EQ(canvas.GetPixel(9, 0), kInk);
  EXPECT_EQ(canvas.GetPixel(1, 0), kPaper);

  TFontHandler copy(10, 3);
  copy.ScanCharacter(66, canvas, 0, 0);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 10; ++x) EXPECT_EQ(copy.GetPixel(66, x, y), font.GetPixel(65, x, y)) << x << "," << y;
}

}  // namespace
