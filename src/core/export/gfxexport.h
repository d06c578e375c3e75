#pragma once

#include "model/fonthandler.h"
#include "model/ioerror.h"

#include <string>

// A font the GFX header cannot hold, worded for the program; the reason and
// its value (the baseline, or the code of the glyph that would pass the
// 16-bit bitmap offset) let other front ends word their own.
class GfxLimitError : public FontError {
 public:
  enum class Reason { BaseLine, BitmapOffset };
  GfxLimitError(Reason reason, int value, const std::string& german, const std::string& english)
      : FontError(german, english), freason(reason), fvalue(value) {}
  Reason reason() const { return freason; }
  int value() const { return fvalue; }

 private:
  Reason freason;
  int fvalue;
};

// The codes a GFX header holds: 1 up to the value.
enum class GfxCodes { UpTo127 = 127, UpTo255 = 255 };

// How a glyph's bitmap is cut: over its whole width from column 0 (a blank
// space as one row), or to its ink box (a blank space as an empty box), which
// draws the same text from fewer bytes.
enum class GfxBitmaps { FullWidth, Compact };

// Writes the font as an Arduino GFX header.
void ExportGFX(const TFontHandler& font, const std::string& filename, GfxCodes codes,
               GfxBitmaps bitmaps = GfxBitmaps::FullWidth);
