#pragma once

#include <QImage>
#include <QWidget>

class Bitmap;

// Copies one area of the bitmap into a picture of the bitmap's size, opaque.
void CopyBitmapArea(const Bitmap& bitmap, QImage& picture, const QRect& area);

// Shows a rendered picture from its top-left corner, each pixel zoom x zoom,
// and takes the magnified picture's size, so a scroll box around it scrolls
// over the whole picture. Painting only copies the picture; rendering
// happens elsewhere. The pointer is reported in picture pixels.
class TPictureBox : public QWidget {
  Q_OBJECT

 public:
  explicit TPictureBox(QWidget* parent = nullptr);

  const QImage& Picture() const { return fpicture; }
  // Takes the whole bitmap and the bitmap's size.
  void SetPicture(const Bitmap& bitmap);
  // Takes one area of a bitmap of the picture's size and repaints only that.
  void UpdateArea(const Bitmap& bitmap, const QRect& area);
  int Zoom() const { return fzoom; }
  void SetZoom(int zoom);

 signals:
  void PointerMoved(QPoint pixel);
  void Clicked(QPoint pixel);
  void DoubleClicked(QPoint pixel);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  QPoint PixelAt(const QMouseEvent& event) const;
  void TakeSize();

  QImage fpicture;
  int fzoom = 1;
};
