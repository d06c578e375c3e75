#pragma once

#include <QPoint>
#include <QSize>

#include <cstdlib>

// How the editor box lays out the glyph: the dot field starts at (10, 10),
// each glyph cell is DotSize pixels square with its last column and row a black
// gap, and the margins above and left of the field hold the grips of the width
// line and the baseline.
struct EditorGeometry {
  static constexpr int kField = 10;

  int DotSize = 1;
  QSize Cells{1, 1};
  int EditSize = 1;
  int BaseLine = 1;

  // The cell of a dot together with the gap before it: on the gap after a dot
  // it already names the next cell. Divisions truncate towards zero.
  QPoint CellA(QPoint box) const { return {(box.x() - kField + 1) / DotSize, (box.y() - kField + 1) / DotSize}; }
  // The cell of a dot together with the gap after it.
  QPoint CellB(QPoint box) const { return {(box.x() - kField) / DotSize, (box.y() - kField) / DotSize}; }
  static bool InField(QPoint box) { return box.x() >= kField && box.y() >= kField; }
  bool InGlyph(QPoint cell) const {
    return cell.x() >= 0 && cell.y() >= 0 && cell.x() < Cells.width() && cell.y() < Cells.height();
  }

  // Both lines run along the gap after column EditSize - 1 or row BaseLine - 1.
  int WidthLineX() const { return EditSize * DotSize + kField - 1; }
  int BaseLineY() const { return BaseLine * DotSize + kField - 1; }
  // The grips are three pixels wide, centred on their line, in the margins.
  bool OnWidthGrip(QPoint box) const { return box.y() < kField && std::abs(box.x() - WidthLineX()) <= 1; }
  bool OnBaseLineGrip(QPoint box) const {
    return box.x() < kField && box.y() >= kField && std::abs(box.y() - BaseLineY()) <= 1;
  }
};
