#include "tools/filltool.h"

#include "editsession.h"
#include "tools/glyphshapes.h"

MouseMode FillTool::Press(const ToolPoint&, ToolButton button) {
  fsession.PushUndo();
  fcolor = ToolColor(fsession, button);
  return button == ToolButton::Left ? MouseMode::FillSet : MouseMode::FillOff;
}

void FillTool::Release(const ToolPoint& at) {
  if (!at.InField) return;
  fsession.EditPicture([&](QImage& picture) { FloodFill(picture, at.B, fcolor); });
}
