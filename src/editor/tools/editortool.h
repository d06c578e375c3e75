#pragma once

#include <QPoint>
#include <QRgb>

class EditSession;

// The editor's mouse states.
enum class MouseMode {
  Idle = 0,
  MarkDrag = 1,
  WidthDrag = 2,
  BaseLineDrag = 3,
  PaintSet = 4,
  PaintOff = 5,
  BlockMove = 6,
  // A pasted or imported block lies in the glyph over its kept background.
  BlockPlaced = 7,
  LineSet = 8,
  LineOff = 9,
  RectangleSet = 10,
  RectangleOff = 11,
  EllipseSet = 12,
  EllipseOff = 13,
  FillSet = 14,
  FillOff = 15,
  KerningDrag = 16,
  KerningClear = 17,
};

// The left button draws with the set colour, the right or middle one with the off colour.
enum class ToolButton { Left, Other };

// Where the pointer is, in glyph cells. Cell A names the next cell already on
// the gap after a dot, cell B still the dot's own; InField is false in the
// margins left of and above the dot field.
struct ToolPoint {
  QPoint A;
  QPoint B;
  bool InField = true;
};

// One way of working with the pointer on the glyph, fed with cells between a
// press and its release.
class EditorTool {
 public:
  virtual ~EditorTool() = default;
  // The state the press starts, or Idle when the press does nothing here.
  virtual MouseMode Press(const ToolPoint& at, ToolButton button) = 0;
  virtual void Move(const ToolPoint& at) = 0;
  virtual void Release(const ToolPoint& at) = 0;
};

// The colour a button draws with, as the glyph picture stores it.
QRgb ToolColor(const EditSession& session, ToolButton button);
