#include "placement.h"

#include <QScreen>
#include <QWidget>

namespace {

int CenteredCoordinate(int mainStart, int mainExtent, int dialogExtent, int screenExtent) {
  int pos = mainExtent / 2 + mainStart - dialogExtent / 2;
  if (pos + dialogExtent > screenExtent) pos = screenExtent - dialogExtent;
  return pos < 0 ? 1 : pos;
}

}  // namespace

std::optional<QPoint> StoredWindowPosition(QPoint stored, QSize window, QSize screen) {
  if (stored.x() < 0 || stored.y() < 0) return std::nullopt;
  if (stored.x() > screen.width() - window.width() || stored.y() > screen.height() - window.height())
    return std::nullopt;
  return stored;
}

std::optional<QSize> StoredWindowSize(QSize stored, QSize available) {
  if (stored.width() <= 0 || stored.height() <= 0) return std::nullopt;
  if (stored.width() > available.width() || stored.height() > available.height()) return std::nullopt;
  return stored;
}

QPoint CenteredDialogPosition(const QRect& mainWindow, QSize dialog, QSize screen) {
  return {CenteredCoordinate(mainWindow.left(), mainWindow.width(), dialog.width(), screen.width()),
          CenteredCoordinate(mainWindow.top(), mainWindow.height(), dialog.height(), screen.height())};
}

void CenterForm(const QWidget& window, QWidget& form) {
  form.adjustSize();
  form.move(CenteredDialogPosition(window.frameGeometry(), form.frameSize(), window.screen()->geometry().size()));
}
