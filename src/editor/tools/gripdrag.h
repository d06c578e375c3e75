#pragma once

#include "tools/editortool.h"

// Dragging the width line (a column) or the baseline (a row) by its grip.
// The width belongs to the glyph, the baseline to the font.
class GripDrag : public EditorTool {
 public:
  enum class Line { Width, BaseLine };

  GripDrag(EditSession& session, Line line) : fsession(session), fline(line) {}

  MouseMode Press(const ToolPoint& at, ToolButton button) override;
  void Move(const ToolPoint& at) override;
  void Release(const ToolPoint&) override {}

 private:
  EditSession& fsession;
  Line fline;
};
