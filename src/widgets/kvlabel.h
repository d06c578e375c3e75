#pragma once

#include <QWidget>

// A caption drawn as lowered 3-D text: a light copy one pixel below and to
// the right of the text, optionally tilted by an angle (degrees, counter-
// clockwise). Clicking it emits clicked.
class TKVLabel : public QWidget {
  Q_OBJECT

 public:
  TKVLabel(const QString& text, int pixelSize, QWidget* parent = nullptr);

  const QString& text() const { return ftext; }
  void SetAngle(int degrees);
  int Angle() const { return fangle; }
  QSize sizeHint() const override;

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QString ftext;
  int fangle = 0;
};
