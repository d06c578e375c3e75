#include "tools/gripdrag.h"

#include "document.h"
#include "editsession.h"

MouseMode GripDrag::Press(const ToolPoint&, ToolButton) {
  return fline == Line::Width ? MouseMode::WidthDrag : MouseMode::BaseLineDrag;
}

// The line follows to any gap from after the first to after the last cell.
void GripDrag::Move(const ToolPoint& at) {
  const QSize glyph = fsession.CharBMP().size();
  if (fline == Line::Width) {
    const int v = at.A.x();
    if (v == fsession.EditSize() || v < 1 || v > glyph.width()) return;
    fsession.ChangeEditSize(v);
  } else {
    FontDocument& document = fsession.Document();
    const int v = at.A.y();
    if (v == document.BaseLine() || v < 1 || v > glyph.height()) return;
    document.ChangeBaseLine(v);
  }
}
