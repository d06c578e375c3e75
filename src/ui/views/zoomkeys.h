#pragma once

#include <QObject>

class QAbstractScrollArea;
class QWidget;

// The zoom gestures of a view: Ctrl with the wheel over its scroll area, and
// Ctrl+plus and Ctrl+minus anywhere inside the view. Each reports one step.
class TZoomKeys : public QObject {
  Q_OBJECT

 public:
  TZoomKeys(QAbstractScrollArea& area, QWidget& scope);

  // The zoom after a step, kept within 1..16.
  static int Stepped(int zoom, int step);

 signals:
  void Step(int step);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};
