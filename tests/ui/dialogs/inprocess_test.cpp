#include "dialogs/inprocess.h"

#include "kvgauge.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <stdexcept>

namespace {

TEST(InProcess, ShowsNameActionAndAGaugeOverTheGlyphCodesWithoutACloseButton) {
  QWidget window;
  window.resize(600, 400);
  TInProcess progress;
  TInProcessOver display(progress, window);
  EXPECT_EQ(progress.windowTitle(), QStringLiteral("Font konvertieren"));
  EXPECT_FALSE(progress.windowFlags().testFlag(Qt::WindowCloseButtonHint));
  EXPECT_EQ(progress.Label2()->text(), QStringLiteral("Generiere..."));
  EXPECT_EQ(progress.Image1()->size(), QSize(64, 64));
  const TKVGauge& gauge = *progress.Gauge1();
  EXPECT_EQ(gauge.MinValue(), 0);
  EXPECT_EQ(gauge.MaxValue(), 255);
  EXPECT_EQ(gauge.Caption(), QStringLiteral("%0:d%%"));
  EXPECT_EQ(gauge.ProgressImageStyle(), TKVGauge::ImageStyle::Stretched);
  EXPECT_EQ(gauge.focusPolicy(), Qt::NoFocus);
  {
    ProgressRun run(display, QStringLiteral("/fonts/lcd.fnt"), QStringLiteral("Konvertiere..."));
    EXPECT_TRUE(progress.isVisible());
    EXPECT_EQ(progress.Label1()->text(), QStringLiteral("/fonts/lcd.fnt"));
    EXPECT_EQ(progress.Label2()->text(), QStringLiteral("Konvertiere..."));
    run.Step(128);
    EXPECT_EQ(gauge.Text(), QStringLiteral("50%"));
    // Nothing but its user ends it.
    EXPECT_FALSE(progress.close());
    EXPECT_TRUE(progress.isVisible());
  }
  EXPECT_FALSE(progress.isVisible());
}

TEST(InProcess, AnOperationThatFailsPartWayStillHidesTheWindowAndTheNextRunStartsAtZero) {
  QWidget window;
  TInProcess progress;
  TInProcessOver display(progress, window);
  try {
    ProgressRun run(display, QStringLiteral("x"), QStringLiteral("y"));
    run.Step(200);
    throw std::runtime_error("failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_FALSE(progress.isVisible());
  ProgressRun again(display, QStringLiteral("x"), QStringLiteral("y"));
  EXPECT_EQ(progress.Gauge1()->Progress(), 0);
}

// Once it hides, the keyboard must work where it worked before.
TEST(InProcess, TheWidgetThatHadTheFocusHasItAgainWhenTheWindowHides) {
  QWidget window;
  auto* field = new QLineEdit(&window);
  window.show();
  window.activateWindow();
  field->setFocus();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  ASSERT_EQ(QApplication::focusWidget(), field);
  TInProcess progress(&window);
  TInProcessOver display(progress, window);
  { ProgressRun run(display, QStringLiteral("DejaVu Sans"), QStringLiteral("Generiere...")); }
  QCoreApplication::processEvents();
  EXPECT_EQ(QApplication::activeWindow(), &window);
  EXPECT_EQ(QApplication::focusWidget(), field);
  // A window system that hands it the focus late would otherwise leave the
  // focus with it after it hid; the offscreen platform activates it anyway.
  EXPECT_TRUE(progress.windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
  EXPECT_TRUE(progress.testAttribute(Qt::WA_ShowWithoutActivating));
}

TEST(InProcess, ThePictureShowsTheTopLeftOfALargerImage) {
  QWidget window;
  TInProcess progress;
  TInProcessOver display(progress, window);
  ProgressRun run(display, QStringLiteral("DejaVu Sans"), QStringLiteral("Generiere..."));
  QImage rendering(70, 70, QImage::Format_RGB32);
  rendering.fill(Qt::black);
  run.ShowPicture(rendering);
  EXPECT_EQ(progress.Image1()->pixmap().size(), QSize(70, 70));
  EXPECT_EQ(progress.Image1()->size(), QSize(64, 64));
}

TEST(InProcess, GaugePictureRunsThroughItsColoursEvery16Pixels) {
  const QImage picture = TInProcess::GaugePicture();
  ASSERT_EQ(picture.size(), QSize(128, 16));
  const std::pair<int, QRgb> stops[] = {{0, qRgb(0, 0, 0)},        {16, qRgb(0, 255, 0)},     {32, qRgb(255, 0, 0)},
                                        {48, qRgb(0, 0, 255)},     {64, qRgb(255, 255, 255)}, {80, qRgb(0, 0, 255)},
                                        {96, qRgb(255, 0, 0)},     {112, qRgb(0, 255, 0)},    {8, qRgb(0, 127, 0)},
                                        {72, qRgb(128, 128, 255)}, {120, qRgb(0, 128, 0)}};
  for (const auto& [x, colour] : stops) {
    EXPECT_EQ(picture.pixel(x, 0), colour) << x;
    EXPECT_EQ(picture.pixel(x, 15), colour) << x;
  }
}

}  // namespace
