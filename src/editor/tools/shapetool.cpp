#include "tools/shapetool.h"

#include "editsession.h"

MouseMode ShapeTool::Press(const ToolPoint& at, ToolButton button) {
  fsession.BeginShape();
  fLastPos = at.A;
  fcolor = ToolColor(fsession, button);
  return button == ToolButton::Left ? fsetMode : foffMode;
}

void ShapeTool::Move(const ToolPoint& at) {
  if (!at.InField || !fsession.CharBMP().valid(at.B)) return;
  fsession.EditPicture([&](QImage& picture) {
    picture = fsession.DragUndoBMP().copy();
    fshape(picture, at.B, fLastPos, fcolor);
  });
}
