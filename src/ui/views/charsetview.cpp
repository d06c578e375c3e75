#include "views/charsetview.h"

#include "document.h"
#include "mainformtexts.h"
#include "model/codepages.h"
#include "render/charsetpicture.h"
#include "views/picturebox.h"
#include "views/zoomkeys.h"
#include "waitcursor.h"

#include <QCursor>
#include <QToolTip>

TCharsetView::TCharsetView(const FontDocument& document, bool highlightSize, QWidget* parent)
    : QScrollArea(parent), fdocument(document), fhighlightSize(highlightSize), fCharsetPaint(new TPictureBox) {
  setObjectName("CharsetScrollBox");
  setAccessibleName(tr("Zeichensatz"));
  setFocusPolicy(Qt::StrongFocus);
  setBackgroundRole(QPalette::Window);
  fCharsetPaint->setObjectName("CharsetPaint");
  fCharsetPaint->setAccessibleName(tr("Tabelle aller Zeichen"));
  fCharsetPaint->setMouseTracking(true);
  setWidget(fCharsetPaint);
  connect(&document, &FontDocument::FontReplaced, this, &TCharsetView::PaintCharset);
  connect(&document, &FontDocument::MetricsChanged, this, &TCharsetView::PaintCharset);
  connect(&document, &FontDocument::GlyphChanged, this, &TCharsetView::PaintGlyph);
  connect(fCharsetPaint, &TPictureBox::PointerMoved, this, &TCharsetView::ShowGlyphText);
  connect(fCharsetPaint, &TPictureBox::Clicked, this, [this](QPoint pixel) {
    if (const int c = GlyphAt(pixel); c >= 0) emit GlyphClicked(c);
  });
  connect(fCharsetPaint, &TPictureBox::DoubleClicked, this, [this](QPoint pixel) {
    if (const int c = GlyphAt(pixel); c >= 0) emit GlyphDoubleClicked(c);
  });
  auto* zoom = new TZoomKeys(*this, *this);
  connect(zoom, &TZoomKeys::Step, this, [this](int step) { SetZoom(TZoomKeys::Stepped(Zoom(), step)); });
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

int TCharsetView::Zoom() const { return fCharsetPaint->Zoom(); }

void TCharsetView::SetZoom(int zoom) { fCharsetPaint->SetZoom(zoom); }

QString TCharsetView::GlyphText(int c) const {
  const char32_t ch = Windows1252ToUnicode(static_cast<std::uint8_t>(c));
  const bool printable = QChar::isPrint(ch);
  const QString shown = printable ? QStringLiteral(" '%1'").arg(QString::fromUcs4(&ch, 1)) : QString();
  return tr("%1 = %2h%3, Breite %4").arg(c).arg(TwoHexDigits(c), shown).arg(fdocument.EditFont().GetCharSize(c));
}

void TCharsetView::PaintGlyph(int c) {
  const TFontHandler& font = fdocument.EditFont();
  PaintCharsetCell(font, c, fhighlightSize, fCharSetbmp);
  const TPoint origin = charset::CellOrigin(font, c);
  fCharsetPaint->UpdateArea(fCharSetbmp, QRect(origin.X, origin.Y, font.FontWidth(), font.FontHeight()));
}

int TCharsetView::GlyphAt(QPoint pixel) const {
  return charset::GlyphAt(fdocument.EditFont(), pixel.x(), pixel.y()).value_or(-1);
}

void TCharsetView::ShowGlyphText(QPoint pixel) {
  const int c = GlyphAt(pixel);
  const QString text = c >= 0 ? GlyphText(c) : QString();
  fCharsetPaint->setToolTip(text);
  if (text.isEmpty())
    QToolTip::hideText();
  else
    QToolTip::showText(QCursor::pos(), text, fCharsetPaint);
}
