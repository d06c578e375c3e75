#pragma once

#include "tools/editortool.h"

#include <QImage>

// Mark: a press outside the mark drags out a new one; a press inside it moves
// the marked block over the picture it lay on.
class MarkTool : public EditorTool {
 public:
  explicit MarkTool(EditSession& session) : fsession(session) {}

  MouseMode Press(const ToolPoint& at, ToolButton button) override;
  void Move(const ToolPoint& at) override;
  void Release(const ToolPoint& at) override;

 private:
  void DragMark(QPoint cell);
  void MoveBlock(QPoint cell);

  EditSession& fsession;
  bool fmoving = false;
  QPoint fLastPos;
  // The block being moved.
  QImage fDragBMP;
};
