#pragma once

#include "model/codepages.h"
#include "model/fileio.h"
#include "model/fonthandler.h"
#include "model/ioerror.h"

#include <optional>
#include <string>

// A font u8g2's format cannot hold. The text is German, for the program; the
// reason and its values (the baseline, or the code of the glyph and the
// bytes its record would need) let other front ends word their own.
class U8g2LimitError : public FontError {
 public:
  enum class Reason { BaseLine, GlyphSize };
  U8g2LimitError(Reason reason, int value, int bytes, const std::string& text)
      : FontError(text), freason(reason), fvalue(value), fbytes(bytes) {}
  Reason reason() const { return freason; }
  int value() const { return fvalue; }
  int bytes() const { return fbytes; }

 private:
  Reason freason;
  int fvalue;
  int fbytes;
};

// The widths of the run lengths of background and ink pixels in u8g2's
// glyph coding.
struct U8g2RunBits {
  int zeros = 0;
  int ones = 0;
  friend bool operator==(const U8g2RunBits&, const U8g2RunBits&) = default;
};

// The widths u8g2's own converter (bdfconv) tries, and so do we.
inline constexpr int kU8g2MinZeroBits = 2;
inline constexpr int kU8g2MaxZeroBits = 8;
inline constexpr int kU8g2MinOneBits = 2;
inline constexpr int kU8g2MaxOneBits = 6;

struct U8g2Font {
  ByteArray data;  // the array as u8g2 reads it, its last byte 0
  U8g2RunBits runBits;
  int glyphs = 0;
  int unmappedCodes = 0;  // codes left out: no character in the code page
};

// The font in u8g2's format: every code 1..255 with ink or a width above 0,
// its encoding the code point of the code page; the glyph box is the ink box
// in the cell, the advance the width. Without runBits the widths of the
// smallest font are chosen. Throws U8g2LimitError.
U8g2Font MakeU8g2Font(const TFontHandler& font, CodePage codePage, std::optional<U8g2RunBits> runBits = std::nullopt);

// Writes the font as the u8g2 font source u8g2_font_<file name>; returns
// the number of codes left out.
int ExportU8g2(const TFontHandler& font, const std::string& filename, CodePage codePage);
