#include "dialogs/inprocess.h"

#include "kvgauge.h"
#include "model/fonthandler.h"
#include "placement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>

#include <array>

namespace {

constexpr int kPictureSize = 64;
constexpr int kNameWidth = 220;
constexpr QSize kGaugePicture(128, 16);
constexpr int kGradientStep = 16;

}  // namespace

TInProcess::TInProcess(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      fLabel1(new QLabel(this)),
      fLabel2(new QLabel(tr("Generiere..."), this)),
      fImage1(new QLabel(this)),
      fGauge1(new TKVGauge(this)) {
  setObjectName("InProcess");
  setWindowTitle(tr("Font konvertieren"));
  // Nothing in it takes keys, and the work it shows handles no user input
  // until it ends: the window below keeps the input focus, so no late focus
  // change of the window system can leave the keys with a hidden window.
  setWindowFlag(Qt::WindowDoesNotAcceptFocus);
  setAttribute(Qt::WA_ShowWithoutActivating);
  fLabel1->setObjectName("Label1");
  fLabel1->setFixedWidth(kNameWidth);
  fLabel2->setObjectName("Label2");
  fImage1->setObjectName("Image1");
  fImage1->setAccessibleName(tr("Zeichen"));
  fImage1->setFixedSize(kPictureSize, kPictureSize);
  fImage1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  fGauge1->setObjectName("Gauge1");
  fGauge1->setAccessibleName(tr("Fortschritt"));
  fGauge1->SetMaxValue(kGlyphCount - 1);
  fGauge1->SetBackColor(palette().button().color());
  fGauge1->SetForeColor(Qt::black);
  fGauge1->SetProgressImage(GaugePicture());
  fGauge1->SetProgressImageStyle(TKVGauge::ImageStyle::Stretched);
  auto* layout = new QGridLayout(this);
  layout->addWidget(fImage1, 0, 0, 2, 1);
  layout->addWidget(fLabel1, 0, 1);
  layout->addWidget(fLabel2, 1, 1);
  layout->addWidget(fGauge1, 2, 0, 1, 2);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QImage TInProcess::GaugePicture() {
  const std::array<QColor, 9> stops = {Qt::black, Qt::green, Qt::red,   Qt::blue, Qt::white,
                                       Qt::blue,  Qt::red,   Qt::green, Qt::black};
  QImage picture(kGaugePicture, QImage::Format_RGB32);
  for (int x = 0; x < picture.width(); ++x) {
    const QColor& from = stops[x / kGradientStep];
    const QColor& to = stops[x / kGradientStep + 1];
    const int t = x % kGradientStep;
    const auto mix = [t](int a, int b) { return a + (b - a) * t / kGradientStep; };
    const QRgb colour = qRgb(mix(from.red(), to.red()), mix(from.green(), to.green()), mix(from.blue(), to.blue()));
    for (int y = 0; y < picture.height(); ++y) picture.setPixel(x, y, colour);
  }
  return picture;
}

void TInProcess::Start(QWidget& window, const QString& name, const QString& action) {
  fLabel1->setText(name);
  fLabel2->setText(action);
  fGauge1->SetProgress(0);
  CenterForm(window, *this);
  fformerFocus = QApplication::focusWidget();
  fover = &window;
  show();
  // Mapped and painted before the work starts; user input waits until it ends.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  repaint();
}

void TInProcess::Step(int step) { fGauge1->SetProgress(step); }

void TInProcess::ShowPicture(const QImage& picture) {
  fImage1->setPixmap(QPixmap::fromImage(picture));
  fImage1->repaint();
}

// The window it was shown over may have lost the activation meanwhile (a
// dialog closed just before): the keys go back where they were.
void TInProcess::Finish() {
  hide();
  if (fover) fover->activateWindow();
  if (fformerFocus) fformerFocus->setFocus();
}

// No close button, and no other way to close it part way.
void TInProcess::closeEvent(QCloseEvent* event) { event->ignore(); }
