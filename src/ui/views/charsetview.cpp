#include "views/charsetview.h"

#include "document.h"
#include "render/charsetpicture.h"
#include "views/picturebox.h"
#include "waitcursor.h"

TCharsetView::TCharsetView(const FontDocument& document, bool highlightSize, QWidget* parent)
    : QScrollArea(parent), fdocument(document), fhighlightSize(highlightSize), fCharsetPaint(new TPictureBox) {
  setObjectName("CharsetScrollBox");
  setAccessibleName(tr("Zeichensatz"));
  setFocusPolicy(Qt::StrongFocus);
  setBackgroundRole(QPalette::Window);
  fCharsetPaint->setObjectName("CharsetPaint");
  fCharsetPaint->setAccessibleName(tr("Tabelle aller Zeichen"));
  setWidget(fCharsetPaint);
  connect(&document, &FontDocument::FontReplaced, this, &TCharsetView::PaintCharset);
  connect(&document, &FontDocument::MetricsChanged, this, &TCharsetView::PaintCharset);
  connect(&document, &FontDocument::GlyphChanged, this, &TCharsetView::PaintGlyph);
  PaintCharset();
}

void TCharsetView::SetHighlightSize(bool value) {
  fhighlightSize = value;
  PaintCharset();
}

void TCharsetView::PaintCharset() {
  const WaitCursor wait;
  ::PaintCharset(fdocument.EditFont(), fhighlightSize, palette().color(QPalette::Window).rgb() & 0xFFFFFFu,
                 fCharSetbmp);
  fCharsetPaint->SetPicture(fCharSetbmp);
}

void TCharsetView::PaintGlyph(int c) {
  const TFontHandler& font = fdocument.EditFont();
  PaintCharsetCell(font, c, fhighlightSize, fCharSetbmp);
  const TPoint origin = charset::CellOrigin(font, c);
  fCharsetPaint->UpdateArea(fCharSetbmp, QRect(origin.X, origin.Y, font.FontWidth(), font.FontHeight()));
}
