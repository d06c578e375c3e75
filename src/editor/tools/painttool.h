#pragma once

#include "tools/editortool.h"

// Paint: sets or clears the cell under every reported pointer position, with
// no line between them; the press itself paints nothing.
class PaintTool : public EditorTool {
 public:
  explicit PaintTool(EditSession& session) : fsession(session) {}

  MouseMode Press(const ToolPoint& at, ToolButton button) override;
  void Move(const ToolPoint& at) override;
  void Release(const ToolPoint& at) override;

 private:
  void Paint(QPoint cell);

  EditSession& fsession;
  QRgb fcolor = 0;
};
