#pragma once

#include "model/bitmap.h"
#include "model/fonthandler.h"

#include <array>
#include <cstdint>
#include <string>

// The dot-matrix demo picture of a font: all 256 glyphs in a 16 x 16 grid of
// cells, each pixel a rounded 4 x 4 dot on a pitch of 5, lit white or unlit
// dark grey, on a silver background with a raised and a sunken frame.
//
// The picture uses five colours only and is produced row by row, so that a
// 64 x 64 font (5191 x 5191 pixels) can be written without holding it whole.
class DotMatrixDemo {
 public:
  enum Colour : std::uint8_t { Silver, White, Grey, Black, DarkGrey, ColourCount };
  static constexpr std::array<TColor, ColourCount> kPalette = {0xC0C0C0, 0xFFFFFF, 0x808080, 0x000000, 0x303030};

  // With highlightSize the columns beyond each glyph's width show black.
  DotMatrixDemo(const TFontHandler& font, bool highlightSize);

  int Width() const { return fwidth; }
  int Height() const { return fheight; }
  // Fills out[0 .. Width()-1] with the palette indices of row y.
  void Row(int y, std::uint8_t* out) const;

 private:
  void FrameRow(int y, std::uint8_t* out) const;
  void CellRow(int gridRow, int cellY, std::uint8_t* out) const;
  std::uint8_t DotColour(int c, int px, int py) const;

  const TFontHandler& ffont;
  bool fhighlight;
  int fwidth;
  int fheight;
  int fcellWidth;
  int fcellHeight;
};

// Sizes the bitmap and paints the demo picture of the font into it.
void PaintDotMatrixDemo(const TFontHandler& font, bool highlightSize, Bitmap& bitmap);

enum class DemoFileFormat { Png, Bmp };

// Renders the demo and writes it as PNG or BMP through a temporary file.
// Throws FontError for an invalid font, IoError when writing fails.
void WriteDotMatrixDemo(const TFontHandler& font, bool highlightSize, const std::string& filename,
                        DemoFileFormat format);
