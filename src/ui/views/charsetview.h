#pragma once

#include "model/bitmap.h"

#include <QScrollArea>

class FontDocument;
class TPictureBox;

// The charset page's scroll box: the table of all 256 glyphs, rendered when
// the font is replaced or many glyphs change, one cell at a time when a
// glyph is stored.
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

 private:
  void PaintGlyph(int c);

  const FontDocument& fdocument;
  bool fhighlightSize;
  Bitmap fCharSetbmp;
  TPictureBox* fCharsetPaint;
};
