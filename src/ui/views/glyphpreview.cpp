#include "views/glyphpreview.h"

#include "editorpicture.h"
#include "editsession.h"

#include <QPainter>

TGlyphPreview::TGlyphPreview(const EditSession& session, QWidget* parent) : QWidget(parent), fsession(session) {
  setObjectName("Preview");
  setAccessibleName(tr("Vorschau"));
  setFixedSize(kPreviewSize, kPreviewSize);
  setAttribute(Qt::WA_OpaquePaintEvent);
  connect(&session, &EditSession::PictureChanged, this, qOverload<>(&QWidget::update));
}

void TGlyphPreview::paintEvent(QPaintEvent*) {
  QPainter(this).drawImage(
      0, 0, PreviewPicture(fsession.CharBMP(), fsession.Colors(), palette().color(backgroundRole()).rgb()));
}
