#pragma once

#include "model/bitmap.h"
#include "render/kerningpicture.h"

#include <QWidget>

class FontDocument;
class QCheckBox;
class QComboBox;
class QScrollArea;
class QTimer;
class TPictureBox;

// The kerning test page: a glyph chosen in the combo box, set between every
// glyph of the font with the computed kerning distances. Typing a character
// in the box chooses its glyph; the automatic mode steps to the next glyph
// once a second.
class TKerningView : public QWidget {
  Q_OBJECT

 public:
  explicit TKerningView(const FontDocument& document, QWidget* parent = nullptr);

  // Chooses glyph c (-1: none) in the combo box and renders its test.
  void ShowGlyph(int c);
  // Renders the test for glyph C with as many columns as the scroll box
  // holds now; the layout stays until the next rendering.
  void PaintKerningTest(int C);
  const Bitmap& KerningBMP() const { return fKerningBMP; }
  // The layout of the last rendering.
  const kerningtest::Layout& Layout() const { return flayout; }
  // Each pixel of the test zoom x zoom (1..16), by Ctrl with the wheel or Ctrl+plus/minus.
  int Zoom() const;
  void SetZoom(int zoom);

  QComboBox* KerningCharBox() const { return fKerningCharBox; }
  QCheckBox* AutoPlayKerning() const { return fAutoPlayKerning; }
  QScrollArea* KerningScrollBox() const { return fKerningScrollBox; }
  TPictureBox* KerningPaint() const { return fKerningPaint; }
  QTimer* Timer1() const { return fTimer1; }
  // A tick of the one-second timer: the next glyph while the automatic mode
  // is on (255 is followed by 0); otherwise the timer stops.
  void Timer1Timer();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void KerningCharBoxChange();
  void AutoPlayKerningClick(bool checked);
  // The test again after the font changed, if it is on the screen; otherwise opening the page renders it.
  void FontChanged();
  // The glyph under test: the selected item taken as one byte, so no selection is 255.
  int SelectedGlyph() const;

  const FontDocument& fdocument;
  QComboBox* fKerningCharBox;
  QCheckBox* fAutoPlayKerning;
  QScrollArea* fKerningScrollBox;
  TPictureBox* fKerningPaint;
  QTimer* fTimer1;
  Bitmap fKerningBMP;
  kerningtest::Layout flayout;
};
