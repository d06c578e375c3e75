#include "tools/shapetool.h"

#include "editsession.h"

MouseMode ShapeTool::Press(const ToolPoint& at, ToolButton button) {
  fsession.PushUndo();
  fsession.DragUndoBMP() = fsession.CharBMP().copy();
  fLastPos = at.A;
  fcolor = ToolColor(fsession, button);
  return button == ToolButton::Left ? fsetMode : foffMode;
}

void ShapeTool::Move(const ToolPoint& at) {
  if (!at.InField || !fsession.CharBMP().valid(at.B)) return;
  fsession.CharBMP() = fsession.DragUndoBMP().copy();
  fshape(fsession.CharBMP(), at.B, fLastPos, fcolor);
  fsession.NotifyPictureChanged();
  fsession.SetCharRequest(true);
}
