#include "tools/marktool.h"

#include "editsession.h"

#include <algorithm>

MouseMode MarkTool::Press(const ToolPoint& at, ToolButton) {
  fmoving = IsInMark(fsession.MarkRect(), at.A);
  if (!fmoving) {
    // The press corner stays where it is, even outside the glyph.
    fsession.SetMarkRect({at.A.x(), at.A.y(), at.A.x(), at.A.y()});
    return MouseMode::MarkDrag;
  }
  fLastPos = at.A;
  fDragBMP = fsession.LiftBlock();
  return MouseMode::BlockMove;
}

void MarkTool::Move(const ToolPoint& at) {
  if (fmoving)
    MoveBlock(at.A);
  else
    DragMark(at.A);
}

// Only the moving corner is kept inside the glyph.
void MarkTool::DragMark(QPoint cell) {
  const QSize glyph = fsession.CharBMP().size();
  TMarkRect mark = fsession.MarkRect();
  mark.Right = std::clamp(cell.x(), 0, glyph.width() - 1);
  mark.Bottom = std::clamp(cell.y(), 0, glyph.height() - 1);
  fsession.SetMarkRect(mark);
}

// The block may leave the glyph in part or wholly; what lies outside is not drawn.
void MarkTool::MoveBlock(QPoint cell) {
  if (cell == fLastPos) return;
  const QPoint step = cell - fLastPos;
  TMarkRect mark = fsession.MarkRect();
  mark.Left += step.x();
  mark.Right += step.x();
  mark.Top += step.y();
  mark.Bottom += step.y();
  fLastPos = cell;
  fsession.MoveBlock(fDragBMP, mark);
}

void MarkTool::Release(const ToolPoint&) {
  if (!fmoving) {
    // Even a one-cell mark offers Cut and Copy, which then act on the whole glyph.
    fsession.SetMarkRect(fsession.MarkRect().Normalized());
    fsession.EnableMarkCommands();
    return;
  }
  fsession.DropBlock(fDragBMP);
}
