#pragma once

#include "editorgeometry.h"
#include "editorpicture.h"
#include "tools/editormouse.h"

#include <QWidget>

class EditSession;

// The magnified dot-matrix editor box. It turns mouse events into box points
// for the tools and shows the picture they change.
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

 private:
  void BuildDotMask();
  void PictureChanged();
  void ShowHover(QPoint box);
  void SetHint(const QString& hint);

  EditSession& fsession;
  TEditorPicture fpicture;
  EditorMouse fmouse;
  // The picture needs composing before it is shown again.
  bool fdirty = true;
};
