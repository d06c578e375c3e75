#include "kvgauge.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QPixmap>

namespace {

// Counts how often the gauge paints itself.
class CountingGauge : public TKVGauge {
 public:
  int Paints = 0;

 protected:
  void paintEvent(QPaintEvent* event) override {
    ++Paints;
    TKVGauge::paintEvent(event);
  }
};

TEST(KVGauge, ProgressStaysInsideTheRange) {
  TKVGauge gauge;
  gauge.SetMaxValue(255);
  const std::pair<int, int> rows[] = {{300, 255}, {-5, 0}, {128, 128}, {255, 255}};
  for (const auto& [given, kept] : rows) {
    gauge.SetProgress(given);
    EXPECT_EQ(gauge.Progress(), kept) << given;
  }
  gauge.SetMinValue(300);
  EXPECT_EQ(gauge.MinValue(), 255);
  EXPECT_EQ(gauge.Progress(), 255);
  gauge.SetMinValue(10);
  gauge.SetMaxValue(5);
  EXPECT_EQ(gauge.MaxValue(), 10);
  EXPECT_EQ(gauge.Progress(), 10);
  gauge.SetScaleMultiplier(0);
  gauge.SetScaleDivider(0);
  EXPECT_EQ(gauge.ScaleMultiplier(), 1);
  EXPECT_EQ(gauge.ScaleDivider(), 1);
}

TEST(KVGauge, PercentDoneIsTruncatedAndShownByTheDefaultCaption) {
  TKVGauge gauge;
  gauge.SetMaxValue(255);
  const std::tuple<int, int, const char*> rows[] = {
      {0, 0, "0%"}, {128, 50, "50%"}, {254, 99, "99%"}, {255, 100, "100%"}};
  for (const auto& [progress, percent, text] : rows) {
    gauge.SetProgress(progress);
    EXPECT_EQ(gauge.PercentDone(), percent) << progress;
    EXPECT_EQ(gauge.Text(), QString::fromUtf8(text)) << progress;
  }
  gauge.SetMaxValue(0);
  EXPECT_EQ(gauge.PercentDone(), 0);
}

TEST(KVGauge, CaptionFormatsTakeTheirArgumentsByIndex) {
  TKVGauge gauge;
  gauge.SetMinValue(0);
  gauge.SetMaxValue(255);
  gauge.SetProgress(128);
  gauge.SetScaleMultiplier(2);
  gauge.SetScaleDivider(4);
  gauge.SetScaleOffset(0.5);
  const std::pair<const char*, const char*> rows[] = {
      {"%0:d%%", "50%"},
      {"%d%%", "50%"},
      {"%1:d von %3:d", "128 von 255"},
      {"%2:d %d", "0 255"},  // after an index the next argument follows it
      {"%0:5d|%0:-5d|%0:.3d", "   50|50   |050"},
      {"%1:x", "80"},
      {"%25:.1f", "64.5"},
      {"%10:d", "0"},  // a timing value
      {"", ""},
      // Formats that do not fit the arguments show themselves.
      {"%0:s", "%0:s"},
      {"%25:d", "%25:d"},
      {"%0:f", "%0:f"},
      {"%26:d", "%26:d"},
      {"50%", "50%"},
  };
  for (const auto& [caption, text] : rows) {
    gauge.SetCaption(QString::fromUtf8(caption));
    EXPECT_EQ(gauge.Text(), QString::fromUtf8(text)) << caption;
  }
}

TEST(KVGauge, SteppingThroughTheGlyphsRepaintsOncePerWholePercent) {
  for (const bool onlyPercent : {true, false}) {
    CountingGauge gauge;
    gauge.SetMaxValue(255);
    gauge.SetRefreshOnlyPercentChanged(onlyPercent);
    gauge.resize(200, 20);
    gauge.show();
    QCoreApplication::processEvents();
    gauge.Paints = 0;
    for (int step = 0; step <= 255; ++step) gauge.SetProgress(step);
    EXPECT_EQ(gauge.Paints, onlyPercent ? 100 : 255);
  }
}

class GaugePicture : public ::testing::Test {
 protected:
  QImage Shown(int progress, bool showText) {
    fgauge.SetProgress(progress);
    fgauge.SetShowText(showText);
    return fgauge.grab().toImage().convertToFormat(QImage::Format_RGB32);
  }

  void SetUp() override {
    fgauge.resize(130, 22);
    fgauge.SetMaxValue(255);
    fgauge.SetBackColor(QColor(0xD4, 0xD0, 0xC8));
  }

  TKVGauge fgauge;
};

TEST_F(GaugePicture, TheBarRevealsThePictureStretchedOverTheGauge) {
  QImage stripes(2, 1, QImage::Format_RGB32);
  stripes.setPixel(0, 0, qRgb(255, 0, 0));
  stripes.setPixel(1, 0, qRgb(0, 0, 255));
  fgauge.SetProgressImage(stripes);
  fgauge.SetProgressImageStyle(TKVGauge::ImageStyle::Stretched);
  const QRgb back = fgauge.BackColor().rgb();
  // The picture spans the gauge less one pixel: red on the left half, blue on the right.
  // Half way the bar covers 50 % of the inner width plus one: columns 2 .. 64.
  const QImage empty = Shown(0, false);
  const QImage half = Shown(128, false);
  const QImage full = Shown(255, false);
  for (const int y : {2, 10, 19}) {
    EXPECT_EQ(empty.pixel(2, y), back);
    EXPECT_EQ(half.pixel(2, y), qRgb(255, 0, 0));
    EXPECT_EQ(half.pixel(40, y), qRgb(255, 0, 0));
    EXPECT_EQ(half.pixel(65, y), back);
  }
  EXPECT_EQ(full.pixel(100, 10), qRgb(0, 0, 255));
  EXPECT_EQ(full.pixel(127, 10), qRgb(0, 0, 255));
  EXPECT_EQ(full.pixel(2, 10), qRgb(255, 0, 0));
}

TEST_F(GaugePicture, TheCaptionInvertsWhatLiesBeneathIt) {
  for (const int progress : {0, 128, 255}) {
    const QImage plain = Shown(progress, false);
    const QImage captioned = Shown(progress, true);
    int changed = 0;
    for (int y = 0; y < plain.height(); ++y)
      for (int x = 0; x < plain.width(); ++x) {
        if (plain.pixel(x, y) == captioned.pixel(x, y)) continue;
        ++changed;
        EXPECT_EQ(captioned.pixel(x, y) & 0xFFFFFFu, ~plain.pixel(x, y) & 0xFFFFFFu) << x << "," << y;
      }
    EXPECT_GT(changed, 0) << progress;
  }
}

}  // namespace
