#pragma once

#include <QPoint>

#include <vector>

class QMainWindow;
class QToolBar;

struct PlacedToolBar {
  QToolBar* bar;
  QPoint pos;
};

// Puts the tool bars into the window's top strip so that they come back in
// the arrangement their stored positions describe: bars with the same top
// share a line, lines run top to bottom and bars within a line left to right.
void ArrangeToolBars(QMainWindow& window, std::vector<PlacedToolBar> bars);
