#pragma once

#include "glyphblocks.h"
#include "model/fonthandler.h"

#include <QImage>
#include <QPoint>
#include <QSize>

#include <vector>

// What the editor shows: the glyph with its zones, width and the font's baseline.
struct EditorScene {
  const QImage& CharBMP;
  GlyphColors Colors;
  const TKerning& Kerning;
  int EditSize = 1;
  int BaseLine = 1;
  QRgb Background = 0xFF000000u;
};

// The magnified dot-matrix picture of the editor box. It is composed
// off-screen so that the box shows it in one copy without flicker.
class TEditorPicture {
 public:
  // Sizes the dot mask to the box less its margins and draws a white rounded
  // dot for every cell on black; DotSize follows from the box and the cells.
  void BuildDotMask(QSize box, QSize cells);
  int DotSize() const { return fDotSize; }
  QSize BoxSize() const { return fbox; }
  const QImage& CharMask() const { return fCharMask; }

  void PaintEditor(const EditorScene& scene);
  // The picture composed last, of the box's size.
  const QImage& Picture() const { return fpicture; }

 private:
  void PaintCells(const EditorScene& scene);
  void ComposeRows(QRgb background);

  QSize fbox;
  int fDotSize = 1;
  QImage fCharMask;
  // Whether a row of a dot equals the row above it.
  std::vector<bool> frowRepeats;
  // One pixel per glyph cell: the zones with the glyph's set pixels over them.
  QImage fcells;
  QImage fpicture;
};

// The glyph at 1:1 for the 64 x 64 preview: set pixels white, off pixels
// black, centred on (32, 32). An odd width or height is squeezed by one pixel.
QImage PreviewPicture(const QImage& CharBMP, const GlyphColors& colors, QRgb background);
constexpr int kPreviewSize = 64;

// The box pixels of the dotted mark frame, each once, along the gaps around
// the marked cells; none for the empty mark. Inverting them twice removes the frame.
std::vector<QPoint> MarkFramePoints(const TMarkRect& mark, int dotSize);
