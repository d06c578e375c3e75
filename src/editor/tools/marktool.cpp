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
  fsession.PushUndo();
  fLastPos = at.A;
  QImage& picture = fsession.CharBMP();
  fDragBMP = CopyArea(picture, fsession.MarkedArea(), fsession.Colors());
  // A placed block's background is kept already; the block is not cut out of it.
  if (!fsession.BlockPlaced()) {
    ClearArea(picture, fsession.MarkedArea(), fsession.Colors());
    fsession.DragUndoBMP() = picture.copy();
  }
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
  fsession.CharBMP() = fsession.DragUndoBMP().copy();
  const QPoint step = cell - fLastPos;
  TMarkRect mark = fsession.MarkRect();
  mark.Left += step.x();
  mark.Right += step.x();
  mark.Top += step.y();
  mark.Bottom += step.y();
  fsession.SetMarkRect(mark);
  fLastPos = cell;
  PasteToArea(fsession.CharBMP(), fDragBMP, fsession.MarkedArea());
  fsession.NotifyPictureChanged();
}

void MarkTool::Release(const ToolPoint&) {
  if (!fmoving) {
    // Even a one-cell mark offers Cut and Copy, which then act on the whole glyph.
    fsession.SetMarkRect(fsession.MarkRect().Normalized());
    fsession.EnableMarkCommands();
    return;
  }
  PasteToArea(fsession.CharBMP(), fDragBMP, fsession.MarkedArea());
  fsession.ClearMark();
  fsession.SetCharRequest(true);
  fsession.NotifyPictureChanged();
}
