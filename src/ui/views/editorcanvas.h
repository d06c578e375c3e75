#pragma once

#include "editorgeometry.h"
#include "editorpicture.h"
#include "tools/editormouse.h"

#include <QWidget>

class EditSession;

// The magnified dot-matrix editor box. It turns mouse events into box points
// for the tools and shows the picture they change. Keys do what the mouse
// does at a cursor cell: arrows move it, Space clicks it with the left button,
// Shift+Space or Backspace with the right one, Shift+arrows drag from where
// they started, Ctrl+arrows move the width line and the baseline.
class TEditorCanvas : public QWidget {
  Q_OBJECT

 public:
  explicit TEditorCanvas(EditSession& session, QWidget* parent = nullptr);

  int DotSize() const { return fpicture.DotSize(); }
  EditorGeometry Geometry() const;
  MouseMode Mousemode() const { return fmouse.Mousemode(); }
  // The editor picture as the box shows it, without the mark frame.
  const QImage& Picture();

 signals:
  // The cell under the pointer, in the cell-B sense; also in the margins.
  void PointerCellChanged(QPoint cell);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void BuildDotMask();
  void PictureChanged();
  void ShowHover(QPoint box);
  void SetHint(const QString& hint);
  QPoint CursorPoint() const;
  void MoveCursor(QPoint step, bool dragging);
  void ClickCursor(ToolButton button);
  void DragGrip(QPoint from, QPoint to);
  void EndKeyDrag();

  EditSession& fsession;
  TEditorPicture fpicture;
  EditorMouse fmouse;
  // The picture needs composing before it is shown again.
  bool fdirty = true;
  // The cell the keys work on, and whether Shift+arrows hold the button down.
  QPoint fcursor{0, 0};
  bool fkeyDrag = false;
  // The cursor shows once the keys are used, not to a mouse user.
  bool fshowCursor = false;
};
