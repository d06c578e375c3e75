#pragma once

#include "model/canvas.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// A picture of few colours delivered row by row as palette indices, so that
// large pictures are written without being held whole.
struct IndexedImageSource {
  int width = 0;
  int height = 0;
  std::vector<TColor> palette;  // at most 256 entries
  std::function<void(int y, std::uint8_t* indices)> row;
};

// Write through a temporary file renamed over the target; throw IoError.
void WritePng(const std::string& filename, const IndexedImageSource& image);
// 24 bits per pixel, uncompressed, bottom-up rows padded to four bytes.
void WriteBmp(const std::string& filename, const IndexedImageSource& image);
