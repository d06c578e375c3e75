#pragma once

#include "model/fontfileerror.h"
#include "model/fonthandler.h"

#include <memory>
#include <vector>

// A box of pixels as BDF and GFX files place it against the pen position on
// the baseline: x counts columns right of the pen, y rows up from the
// baseline, and the box's lowest row lies at y = bottom.
struct GlyphBox {
  int left = 0;
  int bottom = 0;
  int width = 0;
  int height = 0;

  bool Empty() const { return width <= 0 || height <= 0; }
};

// One glyph of such a file: its box, its ink (width x height, rows from the
// top) and its advance.
struct PlacedGlyph {
  int code = 0;
  int advance = 0;
  GlyphBox box;
  std::vector<bool> ink;
};

// Gathers the one cell that holds every glyph of a font. The cell always
// holds the baseline, so the font's baseline lies inside it. Every glyph keeps
// the one pen position all share: when a glyph reaches left of it, the whole
// font moves right by the largest such overhang, and ink right of the widest
// advance widens the cell; the widths stay the advances, so text is set as
// the file sets it, shifted as a whole.
class GlyphCell {
 public:
  // Widens the cell to rows bottom..top-1 above the baseline and columns up
  // to right-1 right of the pen; throws FontFileError naming the place when
  // it would pass 64.
  void Hold(long long top, long long bottom, long long right, const FilePlace& place);
  // Holds the box and the glyph's advance; an advance beyond 64 columns is
  // cut to 64 rather than refused, as it is space and no pixels.
  void HoldGlyph(const GlyphBox& box, long long advance, const FilePlace& place);
  // Grows the cell downwards to a line height (cut to 64 like an advance).
  void HoldLineHeight(long long height);

  // A font of this cell, baseline at the cell's top row count, with the
  // glyphs set in; codes without a glyph stay empty with width 0, so that
  // writers which leave out blank glyphs leave them out again.
  std::unique_ptr<TFontHandler> MakeFont(const std::vector<PlacedGlyph>& glyphs) const;

 private:
  long long ftop = 0;
  long long fbottom = 0;
  // Columns left of the pen that some glyph reaches.
  long long fleft = 0;
  // Columns right of the pen, up to the rightmost one held.
  long long fright = 0;
  long long fadvance = 0;
};
