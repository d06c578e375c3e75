#include "tools/editormouse.h"

#include "editsession.h"

namespace {

ToolPoint PointAt(QPoint box, const EditorGeometry& geometry) {
  return {geometry.CellA(box), geometry.CellB(box), EditorGeometry::InField(box)};
}

}  // namespace

EditorMouse::EditorMouse(EditSession& session)
    : fsession(session), fwidth(session, GripDrag::Line::Width), fbaseLine(session, GripDrag::Line::BaseLine) {
  for (const ToolDeclaration& declared : ToolTable()) ftools[declared.id] = declared.create(session);
}

EditorMouse::Target EditorMouse::TargetAt(QPoint box, const EditorGeometry& geometry) {
  if (box.y() < EditorGeometry::kField) return {geometry.OnWidthGrip(box) ? &fwidth : nullptr};
  if (box.x() < EditorGeometry::kField) return {geometry.OnBaseLineGrip(box) ? &fbaseLine : nullptr};
  return {ftools.at(fsession.Tool()).get(), Declaration(fsession.Tool()).stroke};
}

// A press that starts nothing leaves the current state, a placed block too.
void EditorMouse::Press(QPoint box, ToolButton button, const EditorGeometry& geometry) {
  const Target target = TargetAt(box, geometry);
  if (!target.tool) return;
  const MouseMode started = target.tool->Press(PointAt(box, geometry), button);
  if (started == MouseMode::Idle) return;
  factive = target;
  fmode = started;
  fsession.EndPlacedBlock();
}

// NOLINTNEXTLINE(readability-make-member-function-const): a move changes the active tool, which this owns.
void EditorMouse::Move(QPoint box, const EditorGeometry& geometry) {
  if (factive.tool) factive.tool->Move(PointAt(box, geometry));
}

void EditorMouse::Release(QPoint box, const EditorGeometry& geometry) {
  if (factive.tool) factive.tool->Release(PointAt(box, geometry));
  factive = {};
  fmode = MouseMode::Idle;
  fsession.EndPlacedBlock();
}

MouseMode EditorMouse::Mousemode() const {
  if (fmode == MouseMode::Idle && fsession.BlockPlaced()) return MouseMode::BlockPlaced;
  return fmode;
}

bool EditorMouse::Hovering() const { return !factive.tool || factive.stroke == ToolStroke::AtRelease; }
