#include "tools/painttool.h"

#include "editsession.h"

MouseMode PaintTool::Press(const ToolPoint&, ToolButton button) {
  fsession.PushUndo();
  fcolor = ToolColor(fsession, button);
  return button == ToolButton::Left ? MouseMode::PaintSet : MouseMode::PaintOff;
}

// Every painted cell counts as a change, so that a stroke ended in the margin
// is not lost when another glyph is loaded.
void PaintTool::Paint(QPoint cell) {
  fsession.EditPicture([&](QImage& picture) {
    if (picture.valid(cell)) picture.setPixel(cell, fcolor);
  });
}

void PaintTool::Move(const ToolPoint& at) {
  if (at.InField && fsession.CharBMP().valid(at.B)) Paint(at.B);
}

void PaintTool::Release(const ToolPoint& at) {
  if (at.InField) Paint(at.B);
}
