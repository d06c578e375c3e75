#include "tools/editormouse.h"

#include "editsession.h"
#include "tools/glyphshapes.h"

namespace {

ToolPoint PointAt(QPoint box, const EditorGeometry& geometry) {
  return {geometry.CellA(box), geometry.CellB(box), geometry.InField(box)};
}

}  // namespace

EditorMouse::EditorMouse(EditSession& session)
    : fsession(session),
      fmark(session),
      fpaint(session),
      fline(session, DrawLine, MouseMode::LineSet, MouseMode::LineOff),
      frectangle(session, DrawRectangle, MouseMode::RectangleSet, MouseMode::RectangleOff),
      fellipse(session, DrawEllipse, MouseMode::EllipseSet, MouseMode::EllipseOff),
      ffill(session),
      fkerning(session),
      fwidth(session, GripDrag::Line::Width),
      fbaseLine(session, GripDrag::Line::BaseLine) {}

EditorTool* EditorMouse::ToolAt(QPoint box, const EditorGeometry& geometry) {
  if (box.y() < EditorGeometry::kField) return geometry.OnWidthGrip(box) ? &fwidth : nullptr;
  if (box.x() < EditorGeometry::kField) return geometry.OnBaseLineGrip(box) ? &fbaseLine : nullptr;
  switch (fsession.Tool()) {
    case ToolId::Mark:
      return &fmark;
    case ToolId::Paint:
      return &fpaint;
    case ToolId::Line:
      return &fline;
    case ToolId::Rectangle:
      return &frectangle;
    case ToolId::Ellipse:
      return &fellipse;
    case ToolId::Fill:
      return &ffill;
    case ToolId::Kerning:
      return &fkerning;
  }
  return nullptr;
}

// A press that starts nothing leaves the current state, a placed block too.
void EditorMouse::Press(QPoint box, ToolButton button, const EditorGeometry& geometry) {
  EditorTool* tool = ToolAt(box, geometry);
  if (!tool) return;
  const MouseMode started = tool->Press(PointAt(box, geometry), button);
  if (started == MouseMode::Idle) return;
  factive = tool;
  fmode = started;
  fsession.EndPlacedBlock();
}

void EditorMouse::Move(QPoint box, const EditorGeometry& geometry) {
  if (factive) factive->Move(PointAt(box, geometry));
}

void EditorMouse::Release(QPoint box, const EditorGeometry& geometry) {
  if (factive) factive->Release(PointAt(box, geometry));
  factive = nullptr;
  fmode = MouseMode::Idle;
  fsession.EndPlacedBlock();
}

MouseMode EditorMouse::Mousemode() const {
  if (fmode == MouseMode::Idle && fsession.BlockPlaced()) return MouseMode::BlockPlaced;
  return fmode;
}

bool EditorMouse::Hovering() const {
  switch (Mousemode()) {
    case MouseMode::Idle:
    case MouseMode::BlockPlaced:
    case MouseMode::FillSet:
    case MouseMode::FillOff:
      return true;
    default:
      return false;
  }
}
