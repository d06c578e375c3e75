#pragma once

#include <cstdint>

// A colour as 0x00RRGGBB.
using TColor = std::uint32_t;

// The drawing surface glyphs are drawn onto and scanned from. Implemented by
// the core Bitmap and, in the program, by an adapter over QImage.
class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // Outside the surface a read returns kNoColor and a write does nothing.
  virtual TColor GetPixel(int x, int y) const = 0;
  virtual void SetPixel(int x, int y, TColor color) = 0;

  // Never equal to a real colour, so never mistaken for a pen colour.
  static constexpr TColor kNoColor = 0xFF000000u;

  TColor PenColor = 0x000000;
  TColor BrushColor = 0xFFFFFF;
  bool BrushClear = false;
};
