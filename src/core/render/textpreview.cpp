#include "render/textpreview.h"

#include <algorithm>
#include <cstring>

namespace textpreview {

namespace {

// The gap between dots: the paper a quarter darker, and no gap beyond the display.
TColor Darker(TColor color) {
  TColor result = 0;
  for (int shift = 0; shift < 24; shift += 8) result |= ((((color >> shift) & 0xFFu) * 3 / 4) << shift);
  return result;
}

std::uint8_t GapOf(std::uint8_t kind) { return kind >= kOutside ? kOutside : kGap; }

}  // namespace

Overflow Overflowing(const textlayout::TextLayout& layout, const Scene& scene) {
  return {std::max(0, scene.OffsetX + layout.Width - scene.DisplayWidth),
          std::max(0, scene.OffsetY + layout.Height - scene.DisplayHeight)};
}

Palette PaletteFor(const Look& look, TColor outside) {
  return {look.Paper, look.Ink, look.TopInk, Darker(look.Paper), outside, kOverflowInk};
}

Raster::Raster(const TFontHandler& font, const textlayout::TextLayout& layout, const Scene& scene)
    : fscene(scene),
      fwidth(std::max(scene.DisplayWidth, scene.OffsetX + layout.Width)),
      fheight(std::max(scene.DisplayHeight, scene.OffsetY + layout.Height)),
      fpixels(static_cast<std::size_t>(fwidth) * fheight, kOutside) {
  for (int y = 0; y < scene.DisplayHeight; ++y) std::fill_n(&fpixels[Index(0, y)], scene.DisplayWidth, kPaper);
  for (const textlayout::Placement& glyph : layout.Glyphs) {
    if (glyph.Code == textlayout::kOutsideFont)
      DrawBox(font, glyph);
    else
      DrawGlyph(font, glyph);
  }
}

void Raster::SetInk(int x, int y) {
  if (x < 0 || y < 0 || x >= fwidth || y >= fheight) return;
  auto& pixel = fpixels[Index(x, y)];
  pixel = pixel >= kOutside ? kOverflow : y < fscene.DisplayLook.TopRows ? kTopInk : kInk;
}

void Raster::DrawGlyph(const TFontHandler& font, const textlayout::Placement& glyph) {
  if (!font.Fontvalid()) return;
  const int columns = std::min(glyph.Width, font.FontWidth());
  for (int row = 0; row < font.FontHeight(); ++row)
    for (int column = 0; column < columns; ++column)
      if (font.GetPixel(glyph.Code, column, row))
        SetInk(fscene.OffsetX + glyph.X + column, fscene.OffsetY + glyph.Y + row);
}

void Raster::DrawBox(const TFontHandler& font, const textlayout::Placement& glyph) {
  const int left = fscene.OffsetX + glyph.X;
  const int top = fscene.OffsetY + glyph.Y;
  const int right = left + glyph.Width - 1;
  const int bottom = top + font.FontHeight() - 1;
  for (int x = left; x <= right; ++x) {
    SetInk(x, top);
    SetInk(x, bottom);
  }
  for (int y = top + 1; y < bottom; ++y) {
    SetInk(left, y);
    SetInk(right, y);
  }
}

void Raster::ZoomedRow(int y, int zoom, int columns, std::uint8_t* kinds) const {
  const std::uint8_t* from = &fpixels[Index(0, y / zoom)];
  const bool gaps = zoom >= kGapZoom;
  const bool gapRow = gaps && y % zoom == zoom - 1;
  for (int x = 0; x < columns; ++x, kinds += zoom) {
    const std::uint8_t gap = GapOf(from[x]);
    std::fill_n(kinds, zoom, gapRow ? gap : from[x]);
    if (gaps) kinds[zoom - 1] = gap;
  }
}

namespace {

// One raster row magnified into the rows of its dots and, from the gap zoom
// on, the gap row below them.
void PaintDots(const std::uint8_t* kinds, int columns, int zoom, const Palette& palette, Bitmap& bitmap, int y) {
  const bool gaps = zoom >= kGapZoom;
  const int dotSize = gaps ? zoom - 1 : zoom;
  TColor* out = bitmap.Row(y);
  TColor* gapRow = gaps ? bitmap.Row(y + zoom - 1) : nullptr;
  for (int x = 0; x < columns; ++x) {
    const TColor dot = palette[kinds[x]];
    const TColor gap = palette[GapOf(kinds[x])];
    out = std::fill_n(out, dotSize, dot);
    if (!gaps) continue;
    *out++ = gap;
    gapRow = std::fill_n(gapRow, zoom, gap);
  }
  const std::size_t rowBytes = sizeof(TColor) * static_cast<std::size_t>(columns) * zoom;
  for (int r = 1; r < dotSize; ++r) std::memcpy(bitmap.Row(y + r), bitmap.Row(y), rowBytes);
}

}  // namespace

void ComposePicture(const Raster& raster, int zoom, const Palette& palette, Bitmap& bitmap) {
  const int width = raster.Width() * zoom;
  const int height = raster.Height() * zoom;
  if (bitmap.Width() != width || bitmap.Height() != height) bitmap = Bitmap(width, height);
  const std::size_t dotBytes = sizeof(TColor) * static_cast<std::size_t>(width) * zoom;
  for (int y = 0; y < raster.Height(); ++y) {
    // Most rows of a display hold no ink, or the same as the row above: they are copied whole.
    if (y > 0 && std::equal(raster.Row(y), raster.Row(y) + raster.Width(), raster.Row(y - 1)))
      std::memcpy(bitmap.Row(y * zoom), bitmap.Row((y - 1) * zoom), dotBytes);
    else
      PaintDots(raster.Row(y), raster.Width(), zoom, palette, bitmap, y * zoom);
  }
}

IndexedImageSource DisplayImage(const Raster& raster, int zoom, const Palette& palette) {
  IndexedImageSource image;
  image.width = raster.Shown().DisplayWidth * zoom;
  image.height = raster.Shown().DisplayHeight * zoom;
  image.palette.assign(palette.begin(), palette.end());
  const int columns = raster.Shown().DisplayWidth;
  image.row = [&raster, zoom, columns](int y, std::uint8_t* indices) { raster.ZoomedRow(y, zoom, columns, indices); };
  return image;
}

}  // namespace textpreview
