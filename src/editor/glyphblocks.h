#pragma once

#include "model/canvas.h"

#include <QImage>
#include <QRect>

// The marked rectangle in glyph cells, corners included. Left = Right and
// Top = Bottom together mean that nothing is marked.
struct TMarkRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  bool IsEmpty() const { return Left == Right && Top == Bottom; }
  TMarkRect Normalized() const;
  friend bool operator==(const TMarkRect&, const TMarkRect&) = default;
};

// The two colours of the editor glyph, as the glyph picture stores them.
struct GlyphColors {
  TColor Set = 0;
  TColor Off = 0;
};

// The block the editing commands act on: the marked cells, or the whole
// glyph when nothing is marked. It may reach outside the glyph.
QRect MarkArea(const TMarkRect& mark, QSize glyph);
// Whether the cell lies in the marked rectangle; never for the empty mark.
bool IsInMark(const TMarkRect& mark, QPoint cell);

// The area's pixels at 1:1; cells outside the picture come out off.
QImage CopyArea(const QImage& picture, const QRect& area, const GlyphColors& colors);
void ClearArea(QImage& picture, const QRect& area, const GlyphColors& colors);
// Copies the block onto the area, scaled to it when the sizes differ; what
// falls outside the picture is dropped.
void PasteToArea(QImage& picture, const QImage& block, const QRect& area);
// Light pixels (any channel 128 or more) become set, dark ones off; pixels
// already in one of the two colours stay.
void ThresholdBitmap(QImage& picture, const GlyphColors& colors);
// Off pixels become set, everything else off.
void InvertBitmap(QImage& picture, const GlyphColors& colors);
