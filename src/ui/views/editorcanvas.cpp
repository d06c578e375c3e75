#include "views/editorcanvas.h"

#include "document.h"
#include "editsession.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <optional>

namespace {

const char* const kWidthHint = QT_TRANSLATE_NOOP("TEditorCanvas", "Zeichenbreite");
const char* const kBaseLineHint = QT_TRANSLATE_NOOP("TEditorCanvas", "Baseline");

// The cell step of an arrow key; none for other keys.
std::optional<QPoint> ArrowStep(int key) {
  switch (key) {
    case Qt::Key_Left:
      return QPoint(-1, 0);
    case Qt::Key_Right:
      return QPoint(1, 0);
    case Qt::Key_Up:
      return QPoint(0, -1);
    case Qt::Key_Down:
      return QPoint(0, 1);
    default:
      return std::nullopt;
  }
}

std::optional<ToolButton> ButtonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return ToolButton::Left;
    case Qt::RightButton:
    case Qt::MiddleButton:
      return ToolButton::Other;
    default:
      return std::nullopt;
  }
}

}  // namespace

TEditorCanvas::TEditorCanvas(EditSession& session, QWidget* parent)
    : QWidget(parent), fsession(session), fmouse(session) {
  setObjectName("CharPaintBox");
  setAccessibleName(tr("Zeicheneditor"));
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  connect(&session, &EditSession::PictureChanged, this, &TEditorCanvas::PictureChanged);
  // The mark frame is drawn over the picture, so a new mark needs no new picture.
  connect(&session, &EditSession::MarkChanged, this, qOverload<>(&QWidget::update));
  connect(&session, &EditSession::NewFontReady, this, &TEditorCanvas::BuildDotMask);
  BuildDotMask();
}

EditorGeometry TEditorCanvas::Geometry() const {
  return {fpicture.DotSize(), fsession.CharBMP().size(), fsession.EditSize(), fsession.Document().BaseLine()};
}

void TEditorCanvas::BuildDotMask() {
  const QSize cells = fsession.CharBMP().size();
  fpicture.BuildDotMask(size(), cells);
  fcursor = {std::min(fcursor.x(), cells.width() - 1), std::min(fcursor.y(), cells.height() - 1)};
  PictureChanged();
}

void TEditorCanvas::PictureChanged() {
  fdirty = true;
  update();
}

const QImage& TEditorCanvas::Picture() {
  if (fdirty) {
    fpicture.PaintEditor({fsession.CharBMP(), fsession.Colors(), fsession.EditKerning(), fsession.EditSize(),
                          fsession.Document().BaseLine(), palette().color(backgroundRole()).rgb()});
    fdirty = false;
  }
  return fpicture.Picture();
}

void TEditorCanvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, Picture());
  // Inverted pixels: the frames show on light and dark dots alike.
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  painter.setPen(QColor(Qt::white));
  if (hasFocus() && fshowCursor) {
    const int dot = DotSize();
    painter.drawRect(EditorGeometry::kField + fcursor.x() * dot, EditorGeometry::kField + fcursor.y() * dot, dot - 2,
                     dot - 2);
  }
  const std::vector<QPoint> frame = MarkFramePoints(fsession.MarkRect(), DotSize());
  if (!frame.empty()) painter.drawPoints(frame.data(), static_cast<int>(frame.size()));
}

void TEditorCanvas::resizeEvent(QResizeEvent*) { BuildDotMask(); }

// A new style or palette brings a new background colour.
void TEditorCanvas::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) PictureChanged();
  QWidget::changeEvent(event);
}

void TEditorCanvas::mousePressEvent(QMouseEvent* event) {
  fshowCursor = false;
  if (const auto button = ButtonOf(event->button())) fmouse.Press(event->position().toPoint(), *button, Geometry());
}

void TEditorCanvas::mouseMoveEvent(QMouseEvent* event) {
  const QPoint box = event->position().toPoint();
  const EditorGeometry geometry = Geometry();
  emit PointerCellChanged(geometry.CellB(box));
  fmouse.Move(box, geometry);
  if (fmouse.Hovering()) ShowHover(box);
}

void TEditorCanvas::mouseReleaseEvent(QMouseEvent* event) {
  if (ButtonOf(event->button())) fmouse.Release(event->position().toPoint(), Geometry());
}

void TEditorCanvas::ShowHover(QPoint box) {
  const EditorGeometry geometry = Geometry();
  if (geometry.OnWidthGrip(box)) {
    SetHint(tr(kWidthHint));
    setCursor(Qt::SizeHorCursor);
  } else if (geometry.OnBaseLineGrip(box)) {
    SetHint(tr(kBaseLineHint));
    setCursor(Qt::SizeVerCursor);
  } else {
    SetHint(QString());
    setCursor(IsInMark(fsession.MarkRect(), geometry.CellA(box)) ? Qt::SizeAllCursor
                                                                 : Declaration(fsession.Tool()).cursor);
  }
}

// A hint still on the screen would name the grip the pointer has left.
void TEditorCanvas::SetHint(const QString& hint) {
  if (hint == toolTip()) return;
  setToolTip(hint);
  QToolTip::hideText();
}

// The middle of the cursor's dot, where a click names that cell either way.
QPoint TEditorCanvas::CursorPoint() const {
  const int dot = DotSize();
  return {EditorGeometry::kField + fcursor.x() * dot + dot / 2, EditorGeometry::kField + fcursor.y() * dot + dot / 2};
}

void TEditorCanvas::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  const EditorGeometry geometry = Geometry();
  if (const auto step = ArrowStep(event->key())) {
    if (modifiers == Qt::ControlModifier && step->y() == 0)
      DragGrip({geometry.WidthLineX(), EditorGeometry::kField - 2},
               {geometry.WidthLineX() + step->x() * DotSize(), EditorGeometry::kField - 2});
    else if (modifiers == Qt::ControlModifier)
      DragGrip({EditorGeometry::kField - 2, geometry.BaseLineY()},
               {EditorGeometry::kField - 2, geometry.BaseLineY() + step->y() * DotSize()});
    else
      MoveCursor(*step, modifiers == Qt::ShiftModifier);
  } else if (event->key() == Qt::Key_Space && !fkeyDrag) {
    ClickCursor(modifiers == Qt::ShiftModifier ? ToolButton::Other : ToolButton::Left);
  } else if (event->key() == Qt::Key_Backspace && !fkeyDrag) {
    ClickCursor(ToolButton::Other);
  } else {
    QWidget::keyPressEvent(event);
    return;
  }
  fshowCursor = true;
  update();
}

void TEditorCanvas::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Shift) EndKeyDrag();
  QWidget::keyReleaseEvent(event);
}

void TEditorCanvas::focusInEvent(QFocusEvent* event) {
  if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) fshowCursor = true;
  update();
  QWidget::focusInEvent(event);
}

// A drag that loses its keys ends where it is, as a released button would.
void TEditorCanvas::focusOutEvent(QFocusEvent* event) {
  EndKeyDrag();
  update();
  QWidget::focusOutEvent(event);
}

void TEditorCanvas::MoveCursor(QPoint step, bool dragging) {
  const EditorGeometry geometry = Geometry();
  if (dragging && !fkeyDrag) {
    fmouse.Press(CursorPoint(), ToolButton::Left, geometry);
    fkeyDrag = true;
  }
  const QPoint moved = fcursor + step;
  if (geometry.InGlyph(moved)) fcursor = moved;
  if (fkeyDrag) fmouse.Move(CursorPoint(), geometry);
  emit PointerCellChanged(fcursor);
  update();
}

void TEditorCanvas::ClickCursor(ToolButton button) {
  const EditorGeometry geometry = Geometry();
  fmouse.Press(CursorPoint(), button, geometry);
  fmouse.Release(CursorPoint(), geometry);
}

void TEditorCanvas::DragGrip(QPoint from, QPoint to) {
  const EditorGeometry geometry = Geometry();
  fmouse.Press(from, ToolButton::Left, geometry);
  fmouse.Move(to, geometry);
  fmouse.Release(to, geometry);
}

void TEditorCanvas::EndKeyDrag() {
  if (!fkeyDrag) return;
  fkeyDrag = false;
  fmouse.Release(CursorPoint(), Geometry());
}
