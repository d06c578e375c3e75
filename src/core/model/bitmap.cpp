#include "model/bitmap.h"

#include <algorithm>
#include <stdexcept>

Bitmap::Bitmap(int width, int height, TColor fill) : fwidth(width), fheight(height) {
  if (width < 0 || height < 0) throw std::invalid_argument("Bitmap: negative size");
  fpixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
}

TColor Bitmap::GetPixel(int x, int y) const { return Contains(x, y) ? Row(y)[x] : kNoColor; }

void Bitmap::SetPixel(int x, int y, TColor color) {
  if (Contains(x, y)) Row(y)[x] = color;
}

void Bitmap::Fill(TColor color) { std::fill(fpixels.begin(), fpixels.end(), color); }

void Bitmap::FillRect(int left, int top, int right, int bottom, TColor color) {
  left = std::max(left, 0);
  top = std::max(top, 0);
  right = std::min(right, fwidth);
  bottom = std::min(bottom, fheight);
  for (int y = top; y < bottom; ++y) std::fill(Row(y) + left, Row(y) + std::max(left, right), color);
}
