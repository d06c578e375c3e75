#pragma once

#include "tools/editortool.h"

class QImage;

// Line, rectangle and ellipse: a shape between the cell of the press and the
// pointer, redrawn over the picture as it was at the press on every move.
class ShapeTool : public EditorTool {
 public:
  using Shape = void (*)(QImage& picture, QPoint moving, QPoint anchor, QRgb color);

  // The two states for the left and the other button.
  ShapeTool(EditSession& session, Shape shape, MouseMode setMode, MouseMode offMode)
      : fsession(session), fshape(shape), fsetMode(setMode), foffMode(offMode) {}

  MouseMode Press(const ToolPoint& at, ToolButton button) override;
  // Outside the glyph the last shape stays.
  void Move(const ToolPoint& at) override;
  void Release(const ToolPoint&) override {}

 private:
  EditSession& fsession;
  Shape fshape;
  MouseMode fsetMode;
  MouseMode foffMode;
  QPoint fLastPos;
  QRgb fcolor = 0;
};
