#pragma once

#include "model/canvas.h"

#include <cstddef>
#include <vector>

// A plain 32-bit raster, row after row.
class Bitmap : public Canvas {
 public:
  Bitmap() = default;
  Bitmap(int width, int height, TColor fill = 0xFFFFFF);

  int Width() const override { return fwidth; }
  int Height() const override { return fheight; }
  TColor GetPixel(int x, int y) const override;
  void SetPixel(int x, int y, TColor color) override;

  void Fill(TColor color);
  void FillRect(int left, int top, int right, int bottom, TColor color);

  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < fwidth && y < fheight; }
  const TColor* Row(int y) const { return fpixels.data() + static_cast<std::size_t>(y) * fwidth; }
  TColor* Row(int y) { return fpixels.data() + static_cast<std::size_t>(y) * fwidth; }

 private:
  int fwidth = 0;
  int fheight = 0;
  std::vector<TColor> fpixels;
};
