#include "model/glyphcell.h"

#include <algorithm>

namespace {

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
  RequireFits(fleft + fright, "breit", "width", place);
}

void GlyphCell::HoldGlyph(const GlyphBox& box, long long advance, const FilePlace& place) {
  fadvance = std::max(fadvance, std::min<long long>(advance, kMaxCellSize));
  if (box.Empty()) return;
  fleft = std::max(fleft, -static_cast<long long>(box.left));
  Hold(static_cast<long long>(box.bottom) + box.height, box.bottom, static_cast<long long>(box.left) + box.width,
       place);
}

void GlyphCell::HoldLineHeight(long long height) {
  fbottom = std::min(fbottom, ftop - std::min<long long>(height, kMaxCellSize));
}

std::unique_ptr<TFontHandler> GlyphCell::MakeFont(const std::vector<PlacedGlyph>& glyphs) const {
  // An empty cell still needs one row and column; the row goes above the baseline.
  const long long top = ftop > fbottom ? ftop : fbottom + 1;
  const long long width = std::max({fleft + fright, fadvance, 1LL});
  auto font = std::make_unique<TFontHandler>(static_cast<int>(width), static_cast<int>(top - fbottom));
  font->SetBaseLine(static_cast<int>(top));
  for (int c = 0; c < kGlyphCount; ++c) font->SetCharSize(c, 0);
  for (const PlacedGlyph& glyph : glyphs) {
    const GlyphBox& box = glyph.box;
    const int x0 = static_cast<int>(fleft) + box.left;
    const int y0 = static_cast<int>(top - box.bottom - box.height);
    for (int y = 0; y < box.height; ++y)
      for (int x = 0; x < box.width; ++x)
        if (glyph.ink[static_cast<std::size_t>(y) * box.width + x]) font->SetPixel(glyph.code, x0 + x, y0 + y, true);
    font->SetCharSize(glyph.code, std::min(glyph.advance, kMaxCellSize));
  }
  return font;
}
