#include "views/kerningview.h"

#include "document.h"
#include "mainformtexts.h"
#include "views/picturebox.h"
#include "views/zoomkeys.h"
#include "waitcursor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kStepInterval = 1000;
constexpr int kLastGlyph = kGlyphCount - 1;

}  // namespace

TKerningView::TKerningView(const FontDocument& document, QWidget* parent)
    : QWidget(parent),
      fdocument(document),
      fKerningCharBox(new QComboBox(this)),
      fAutoPlayKerning(new QCheckBox(tr("&automatisch weiterschalten"), this)),
      fKerningScrollBox(new QScrollArea(this)),
      fKerningPaint(new TPictureBox),
      fTimer1(new QTimer(this)) {
  setObjectName("KerningSpacingPage");
  auto* label = new QLabel(tr("zu &überprüfendes Zeichen"), this);
  label->setBuddy(fKerningCharBox);
  fKerningCharBox->setObjectName("KerningCharBox");
  fKerningCharBox->setAccessibleName(tr("zu überprüfendes Zeichen"));
  fKerningCharBox->setEditable(true);
  fKerningCharBox->setInsertPolicy(QComboBox::NoInsert);
  fKerningCharBox->setMaxVisibleItems(20);
  for (int c = 0; c < kGlyphCount; ++c) fKerningCharBox->addItem(GlyphListText(c));
  fKerningCharBox->installEventFilter(this);
  fKerningCharBox->lineEdit()->installEventFilter(this);
  fAutoPlayKerning->setObjectName("AutoPlayKerning");
  fKerningScrollBox->setObjectName("KerningScrollBox");
  fKerningScrollBox->setAccessibleName(tr("Kerning-Test"));
  fKerningScrollBox->setFocusPolicy(Qt::StrongFocus);
  fKerningScrollBox->setBackgroundRole(QPalette::Window);
  fKerningPaint->setObjectName("KerningPaint");
  fKerningPaint->setAccessibleName(tr("Zeichen mit allen Nachbarn"));
  fKerningScrollBox->setWidget(fKerningPaint);
  fTimer1->setObjectName("Timer1");
  fTimer1->setInterval(kStepInterval);

  auto* row = new QHBoxLayout;
  row->addWidget(label);
  row->addWidget(fKerningCharBox);
  row->addWidget(fAutoPlayKerning);
  row->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(fKerningScrollBox, 1);

  connect(fKerningCharBox, &QComboBox::currentIndexChanged, this, &TKerningView::KerningCharBoxChange);
  connect(fAutoPlayKerning, &QCheckBox::toggled, this, &TKerningView::AutoPlayKerningClick);
  connect(fTimer1, &QTimer::timeout, this, &TKerningView::Timer1Timer);
  connect(&document, &FontDocument::FontReplaced, this, &TKerningView::FontChanged);
  connect(&document, &FontDocument::GlyphChanged, this, &TKerningView::FontChanged);
  connect(&document, &FontDocument::MetricsChanged, this, &TKerningView::FontChanged);
  auto* zoom = new TZoomKeys(*fKerningScrollBox, *this);
  connect(zoom, &TZoomKeys::Step, this, [this](int step) { SetZoom(TZoomKeys::Stepped(Zoom(), step)); });
}

int TKerningView::Zoom() const { return fKerningPaint->Zoom(); }

void TKerningView::SetZoom(int zoom) {
  fKerningPaint->SetZoom(zoom);
  KerningCharBoxChange();
}

int TKerningView::SelectedGlyph() const { return fKerningCharBox->currentIndex() & kLastGlyph; }

void TKerningView::ShowGlyph(int c) {
  if (c == fKerningCharBox->currentIndex())
    KerningCharBoxChange();
  else
    fKerningCharBox->setCurrentIndex(c);
}

void TKerningView::KerningCharBoxChange() { PaintKerningTest(SelectedGlyph()); }

void TKerningView::PaintKerningTest(int C) {
  const WaitCursor wait;
  const TFontHandler& font = fdocument.EditFont();
  // Room for the frame and the vertical scroll bar, so the last column stays clear of it.
  const int scrollBar =
      fKerningScrollBox->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, fKerningScrollBox) +
      2 * fKerningScrollBox->frameWidth();
  // Magnified, the picture takes as many columns as fit at its zoom.
  flayout = kerningtest::LayoutFor((fKerningScrollBox->width() - scrollBar) / Zoom(), 0, font);
  ::PaintKerningTest(font, C, flayout.Columns, fKerningScrollBox->palette().color(QPalette::Window).rgb() & 0xFFFFFFu,
                     fKerningBMP);
  fKerningPaint->SetPicture(fKerningBMP);
}

void TKerningView::FontChanged() {
  if (isVisible()) KerningCharBoxChange();
}

bool TKerningView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    if (const auto glyph = TypedGlyph(static_cast<const QKeyEvent&>(*event))) {
      ShowGlyph(*glyph);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TKerningView::Timer1Timer() {
  if (!fAutoPlayKerning->isChecked()) {
    fTimer1->stop();
    return;
  }
  // After 255, and with nothing chosen, it goes on with 0.
  ShowGlyph((fKerningCharBox->currentIndex() + 1) % kGlyphCount);
}

void TKerningView::AutoPlayKerningClick(bool checked) {
  if (checked)
    fTimer1->start();
  else
    fTimer1->stop();
}
