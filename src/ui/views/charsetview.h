#pragma once

#include "model/bitmap.h"

#include <QScrollArea>

class FontDocument;
class TPictureBox;

// The charset page's scroll box: the table of all 256 glyphs, rendered when
// the font is replaced or many glyphs change, one cell at a time when a
// glyph is stored. It zooms by Ctrl with the wheel or Ctrl+plus/minus; the
// pointer over a glyph shows its code and width.
class TCharsetView : public QScrollArea {
  Q_OBJECT

 public:
  TCharsetView(const FontDocument& document, bool highlightSize, QWidget* parent = nullptr);

  bool HighlightSize() const { return fhighlightSize; }
  // Marks the part of each cell beyond the glyph's width in red, or not, and renders the table again.
  void SetHighlightSize(bool value);
  // Renders the whole table under the hourglass.
  void PaintCharset();
  const Bitmap& CharSetbmp() const { return fCharSetbmp; }
  TPictureBox* CharsetPaint() const { return fCharsetPaint; }
  int Zoom() const;
  void SetZoom(int zoom);
  // "65 = 41h 'A', Breite 7": the glyph's code, its character in the code
  // page typed text uses, and its width.
  QString GlyphText(int c) const;

 signals:
  void GlyphClicked(int c);
  void GlyphDoubleClicked(int c);

 private:
  void PaintGlyph(int c);
  // The glyph under a pixel of the table, -1 in the gaps.
  int GlyphAt(QPoint pixel) const;
  void ShowGlyphText(QPoint pixel);

  const FontDocument& fdocument;
  bool fhighlightSize;
  Bitmap fCharSetbmp;
  TPictureBox* fCharsetPaint;
};
