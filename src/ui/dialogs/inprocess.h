#pragma once

#include "progressdisplay.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

class QLabel;
class TKVGauge;

// The small progress window of the long operations over all 256 glyphs: a
// file or font name, an action text, a 64 x 64 picture and a gauge running
// from 0 to 255. It has no close button; whoever starts it ends it.
//
// The commands use it through TInProcessOver.
class TInProcess : public QWidget {
  Q_OBJECT

 public:
  explicit TInProcess(QWidget* parent = nullptr);

  // Sets the labels, puts the gauge at 0, centres the window over `window`,
  // shows it without blocking and paints it at once.
  void Start(QWidget& window, const QString& name, const QString& action);
  // The gauge at the given step; it repaints when the whole percentage changes.
  void Step(int step);
  // Shows the picture (its top-left 64 x 64 pixels) and repaints it at once.
  void ShowPicture(const QImage& picture);
  // Hides the window and gives the keyboard back to the widget that had it.
  void Finish();

  QLabel* Label1() const { return fLabel1; }
  QLabel* Label2() const { return fLabel2; }
  QLabel* Image1() const { return fImage1; }
  TKVGauge* Gauge1() const { return fGauge1; }

  // The gauge's picture: 128 x 16 pixels, a horizontal gradient through
  // black, green, red, blue, white and back.
  static QImage GaugePicture();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QLabel* fLabel1;
  QLabel* fLabel2;
  QLabel* fImage1;
  TKVGauge* fGauge1;
  QPointer<QWidget> fformerFocus;
  QPointer<QWidget> fover;
};

// The progress window of the commands, centred over the main window.
class TInProcessOver : public ProgressDisplay {
 public:
  TInProcessOver(TInProcess& window, QWidget& over) : fwindow(window), fover(over) {}

  void Start(const QString& name, const QString& action) override { fwindow.Start(fover, name, action); }
  void Step(int step) override { fwindow.Step(step); }
  void ShowPicture(const QImage& picture) override { fwindow.ShowPicture(picture); }
  void Finish() override { fwindow.Finish(); }

 private:
  TInProcess& fwindow;
  QWidget& fover;
};
