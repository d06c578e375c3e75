#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

// A progress display: a bar growing from the left over the inner part of a
// sunken frame, optionally revealing a picture, with a caption drawn in the
// inverted colours of whatever lies beneath it. It never takes the focus.
class TKVGauge : public QWidget {
  Q_OBJECT

 public:
  enum class ImageStyle {
    None,
    // Stretched over the whole gauge; the bar reveals it from the left.
    Stretched,
    // Repeated over the whole gauge; the bar reveals it from the left.
    Tiled,
    // Stretched into the bar, so it grows with it.
    StretchedBar,
  };

  explicit TKVGauge(QWidget* parent = nullptr);

  int MinValue() const { return fMinValue; }
  // A minimum above the maximum becomes the maximum; Progress follows into the range.
  void SetMinValue(int value);
  int MaxValue() const { return fMaxValue; }
  // A maximum below the minimum becomes the minimum; Progress follows into the range.
  void SetMaxValue(int value);
  int Progress() const { return fProgress; }
  // Kept within MinValue..MaxValue. Repaints at once when something changed,
  // but with RefreshOnlyPercentChanged only when PercentDone changed.
  void SetProgress(int value);
  // How far Progress lies from MinValue to MaxValue, in whole percent; 0 for an empty range.
  int PercentDone() const;

  // A format of indexed arguments such as "%0:d%%": 0 PercentDone, 1 Progress,
  // 2 MinValue, 3 MaxValue, 4..24 timing values (always 0 here) and 25 the
  // scaled value Progress * ScaleMultiplier / ScaleDivider + ScaleOffset.
  const QString& Caption() const { return fCaption; }
  void SetCaption(const QString& value);
  // The caption as drawn: the format filled in, or the format itself when it
  // does not fit the arguments.
  QString Text() const;
  bool ShowText() const { return fShowText; }
  void SetShowText(bool value);

  QColor BackColor() const { return fBackColor; }
  void SetBackColor(const QColor& value);
  QColor ForeColor() const { return fForeColor; }
  void SetForeColor(const QColor& value);
  const QImage& ProgressImage() const { return fProgressImage; }
  void SetProgressImage(const QImage& value);
  ImageStyle ProgressImageStyle() const { return fImageStyle; }
  void SetProgressImageStyle(ImageStyle value);
  bool RefreshOnlyPercentChanged() const { return fRefreshOnlyPercentChanged; }
  void SetRefreshOnlyPercentChanged(bool value) { fRefreshOnlyPercentChanged = value; }

  int ScaleMultiplier() const { return fScaleMultiplier; }
  // 0 is ignored.
  void SetScaleMultiplier(int value);
  int ScaleDivider() const { return fScaleDivider; }
  // 0 is ignored.
  void SetScaleDivider(int value);
  double ScaleOffset() const { return fScaleOffset; }
  void SetScaleOffset(double value);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage Picture() const;
  void PaintBar(QImage& picture, const QRect& inner) const;
  void PaintText(QImage& picture, const QRect& inner) const;
  // Takes Progress into the range and shows the change.
  void ClampProgress();
  void Changed();

  int fMinValue = 0;
  int fMaxValue = 100;
  int fProgress = 0;
  QString fCaption = QStringLiteral("%0:d%%");
  bool fShowText = true;
  QColor fBackColor = Qt::white;
  QColor fForeColor = Qt::black;
  QImage fProgressImage;
  ImageStyle fImageStyle = ImageStyle::None;
  bool fRefreshOnlyPercentChanged = true;
  int fScaleMultiplier = 1;
  int fScaleDivider = 1;
  double fScaleOffset = 0;
};
