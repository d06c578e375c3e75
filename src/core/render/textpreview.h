#pragma once

#include "model/bitmap.h"
#include "render/imagefiles.h"
#include "render/textlayout.h"

#include <array>
#include <cstdint>
#include <vector>

// Set text on a simulated display: the display's pixels in its own colours,
// magnified by an integer zoom, with what lies beyond its edges shown in a
// warning colour.
namespace textpreview {

// From this zoom on each pixel is a square with a gap, so it reads as a dot matrix.
constexpr int kGapZoom = 3;
constexpr int kMinZoom = 1;
constexpr int kMaxZoom = 16;
constexpr TColor kOverflowInk = 0xFF0000;

// The colours of a display; ink in the first TopRows rows is TopInk (the
// two-colour OLED modules).
struct Look {
  TColor Paper = 0x000000;
  TColor Ink = 0xFFFFFF;
  TColor TopInk = 0xFFFFFF;
  int TopRows = 0;
};

struct Scene {
  int DisplayWidth = 128;
  int DisplayHeight = 64;
  // Where the text's top-left corner sits on the display.
  int OffsetX = 0;
  int OffsetY = 0;
  Look DisplayLook;
};

// How many pixels the text reaches beyond the display's right and bottom edges.
struct Overflow {
  int TooWide = 0;
  int TooHigh = 0;
};
Overflow Overflowing(const textlayout::TextLayout& layout, const Scene& scene);

// The colours a raster's pixels are drawn in.
enum PixelKind : std::uint8_t { kPaper, kInk, kTopInk, kGap, kOutside, kOverflow, kKindCount };
using Palette = std::array<TColor, kKindCount>;
// The look's colours; outside is the colour beyond the display's edges.
Palette PaletteFor(const Look& look, TColor outside);

// The set text at one pixel per display pixel, over the display and as far
// beyond it as the text reaches; the display's top-left corner is (0, 0).
class Raster {
 public:
  Raster(const TFontHandler& font, const textlayout::TextLayout& layout, const Scene& scene);

  int Width() const { return fwidth; }
  int Height() const { return fheight; }
  const Scene& Shown() const { return fscene; }
  PixelKind Pixel(int x, int y) const { return static_cast<PixelKind>(fpixels[Index(x, y)]); }
  // The kinds of row y's pixels.
  const std::uint8_t* Row(int y) const { return &fpixels[Index(0, y)]; }
  // Row y of the raster magnified by zoom, its first `columns` pixels.
  void ZoomedRow(int y, int zoom, int columns, std::uint8_t* kinds) const;

 private:
  std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * fwidth + x; }
  void SetInk(int x, int y);
  void DrawGlyph(const TFontHandler& font, const textlayout::Placement& glyph);
  void DrawBox(const TFontHandler& font, const textlayout::Placement& glyph);

  Scene fscene;
  int fwidth = 0;
  int fheight = 0;
  std::vector<std::uint8_t> fpixels;
};

// The whole raster magnified, in the palette's colours; the bitmap is sized to it.
void ComposePicture(const Raster& raster, int zoom, const Palette& palette, Bitmap& bitmap);
// The display alone, magnified, for writing as a picture file.
IndexedImageSource DisplayImage(const Raster& raster, int zoom, const Palette& palette);

}  // namespace textpreview
