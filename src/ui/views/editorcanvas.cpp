#include "views/editorcanvas.h"

#include "document.h"
#include "editsession.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <optional>

namespace {

const char* const kWidthHint = QT_TRANSLATE_NOOP("TEditorCanvas", "Zeichenbreite");
const char* const kBaseLineHint = QT_TRANSLATE_NOOP("TEditorCanvas", "Baseline");

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
  fpicture.BuildDotMask(size(), fsession.CharBMP().size());
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
  const std::vector<QPoint> frame = MarkFramePoints(fsession.MarkRect(), DotSize());
  if (frame.empty()) return;
  // Inverted pixels: the frame shows on light and dark dots alike.
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  painter.setPen(QColor(Qt::white));
  painter.drawPoints(frame.data(), static_cast<int>(frame.size()));
}

void TEditorCanvas::resizeEvent(QResizeEvent*) { BuildDotMask(); }

// A new style or palette brings a new background colour.
void TEditorCanvas::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) PictureChanged();
  QWidget::changeEvent(event);
}

void TEditorCanvas::mousePressEvent(QMouseEvent* event) {
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
