#pragma once

#include <QImage>
#include <QWidget>

class Bitmap;

// Copies one area of the bitmap into a picture of the bitmap's size, opaque.
void CopyBitmapArea(const Bitmap& bitmap, QImage& picture, const QRect& area);

// Shows a rendered picture 1:1 from its top-left corner and takes the
// picture's size, so a scroll box around it scrolls over the whole picture.
// Painting only copies the picture; rendering happens elsewhere.
class TPictureBox : public QWidget {
  Q_OBJECT

 public:
  explicit TPictureBox(QWidget* parent = nullptr);

  const QImage& Picture() const { return fpicture; }
  // Takes the whole bitmap and the bitmap's size.
  void SetPicture(const Bitmap& bitmap);
  // Takes one area of a bitmap of the picture's size and repaints only that.
  void UpdateArea(const Bitmap& bitmap, const QRect& area);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage fpicture;
};
