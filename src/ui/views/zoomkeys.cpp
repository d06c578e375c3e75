#include "views/zoomkeys.h"

#include "render/textpreview.h"

#include <QAbstractScrollArea>
#include <QShortcut>
#include <QWheelEvent>

#include <algorithm>

TZoomKeys::TZoomKeys(QAbstractScrollArea& area, QWidget& scope) : QObject(&scope) {
  area.viewport()->installEventFilter(this);
  const auto bind = [&](QKeySequence::StandardKey key, int step) {
    auto* shortcut = new QShortcut(key, &scope);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, this, [this, step] { emit Step(step); });
  };
  bind(QKeySequence::ZoomIn, 1);
  bind(QKeySequence::ZoomOut, -1);
}

int TZoomKeys::Stepped(int zoom, int step) {
  return std::clamp(zoom + step, textpreview::kMinZoom, textpreview::kMaxZoom);
}

bool TZoomKeys::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Wheel) {
    const auto& wheel = static_cast<const QWheelEvent&>(*event);
    if (wheel.modifiers().testFlag(Qt::ControlModifier)) {
      if (const int delta = wheel.angleDelta().y()) emit Step(delta > 0 ? 1 : -1);
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}
