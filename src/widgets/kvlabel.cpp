#include "kvlabel.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QTransform>

TKVLabel::TKVLabel(const QString& text, int pixelSize, QWidget* parent) : QWidget(parent), ftext(text) {
  QFont caption(QStringLiteral("Arial"));
  caption.setPixelSize(pixelSize);
  caption.setBold(true);
  setFont(caption);
  setAccessibleName(text);
}

void TKVLabel::SetAngle(int degrees) {
  fangle = degrees;
  updateGeometry();
  update();
}

QSize TKVLabel::sizeHint() const {
  const QRect text = fontMetrics().boundingRect(ftext).adjusted(0, 0, 2, 2);
  return QTransform().rotate(-fangle).mapRect(text).size();
}

void TKVLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.translate(width() / 2.0, height() / 2.0);
  painter.rotate(-fangle);
  const QRect text = fontMetrics().boundingRect(ftext);
  const QPointF origin(-text.width() / 2.0 - text.left(), -text.height() / 2.0 - text.top());
  painter.setPen(palette().color(QPalette::Light));
  painter.drawText(origin + QPointF(1, 1), ftext);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(origin, ftext);
}

void TKVLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}
