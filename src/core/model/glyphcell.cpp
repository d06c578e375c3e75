#include "model/glyphcell.h"

#include <algorithm>

namespace {

long long Shift(const GlyphBox& box) { return !box.Empty() && box.left < 0 ? -static_cast<long long>(box.left) : 0; }

void RequireFits(long long size, const char* germanDimension, const char* englishDimension, const FilePlace& place) {
  if (size <= kMaxCellSize) return;
  const std::string pixels = std::to_string(size);
  throw place.Error(
      std::string("Die Zeichenzelle würde hier ") + pixels + " Pixel " + germanDimension +
          "; mehr als 64 Pixel sind nicht möglich.",
      "the cell would grow to " + pixels + " pixels in " + englishDimension + " here; at most 64 are possible");
}

}  // namespace

void GlyphCell::Hold(long long top, long long bottom, long long right, const FilePlace& place) {
  ftop = std::max(ftop, top);
  fbottom = std::min(fbottom, bottom);
  fright = std::max(fright, right);
  RequireFits(ftop - fbottom, "hoch", "height", place);
  RequireFits(fright, "breit", "width", place);
}

void GlyphCell::HoldGlyph(const GlyphBox& box, long long advance, const FilePlace& place) {
  const long long spacing = std::min<long long>(advance + Shift(box), kMaxCellSize);
  if (box.Empty()) return Hold(0, 0, spacing, place);
  const long long right = std::max<long long>(box.left, 0) + box.width;
  Hold(static_cast<long long>(box.bottom) + box.height, box.bottom, std::max(right, spacing), place);
}

void GlyphCell::HoldLineHeight(long long height) {
  fbottom = std::min(fbottom, ftop - std::min<long long>(height, kMaxCellSize));
}

std::unique_ptr<TFontHandler> GlyphCell::MakeFont(const std::vector<PlacedGlyph>& glyphs) const {
  // An empty cell still needs one row and column; the row goes above the baseline.
  const long long top = ftop > fbottom ? ftop : fbottom + 1;
  auto font = std::make_unique<TFontHandler>(static_cast<int>(std::max(fright, 1LL)), static_cast<int>(top - fbottom));
  font->SetBaseLine(static_cast<int>(top));
  for (const PlacedGlyph& glyph : glyphs) {
    const GlyphBox& box = glyph.box;
    const int x0 = std::max(box.left, 0);
    const int y0 = static_cast<int>(top - box.bottom - box.height);
    for (int y = 0; y < box.height; ++y)
      for (int x = 0; x < box.width; ++x)
        if (glyph.ink[static_cast<std::size_t>(y) * box.width + x]) font->SetPixel(glyph.code, x0 + x, y0 + y, true);
    font->SetCharSize(glyph.code, static_cast<int>(std::min<long long>(glyph.advance + Shift(box), kMaxCellSize)));
  }
  return font;
}
