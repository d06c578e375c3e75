#include "toolbarlayout.h"

#include <QMainWindow>
#include <QToolBar>

#include <algorithm>

void ArrangeToolBars(QMainWindow& window, std::vector<PlacedToolBar> bars) {
  std::stable_sort(bars.begin(), bars.end(), [](const PlacedToolBar& a, const PlacedToolBar& b) {
    return a.pos.y() != b.pos.y() ? a.pos.y() < b.pos.y() : a.pos.x() < b.pos.x();
  });
  for (std::size_t i = 0; i < bars.size(); ++i) {
    if (i > 0 && bars[i].pos.y() != bars[i - 1].pos.y()) window.addToolBarBreak(Qt::TopToolBarArea);
    window.addToolBar(Qt::TopToolBarArea, bars[i].bar);
  }
}
