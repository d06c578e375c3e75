#pragma once

#include "model/codepages.h"
#include "model/fileio.h"
#include "model/importedfont.h"

#include <cstddef>
#include <string_view>

// u8g2's compressed font format as its decoder (u8g2_font.c) reads it: a
// header of 23 bytes, the glyphs of encodings below 256 (encoding byte,
// record size byte, bit stream) closed by two zero bytes, then the Unicode
// part: a jump table of 4-byte entries (offset, encoding; the last has
// encoding 0xFFFF), the glyphs (two encoding bytes, record size byte, bit
// stream), closed by two zero bytes. Multi-byte numbers are big-endian, the
// bit streams are read from the lowest bit of each byte up.
namespace U8g2Format {
inline constexpr std::size_t kHeaderSize = 23;
// The header's fields by offset; the three start positions are 16-bit
// offsets counted from the end of the header.
enum Field : std::size_t {
  GlyphCount = 0,
  BoxMode = 1,
  ZeroRunBits = 2,
  OneRunBits = 3,
  WidthBits = 4,
  HeightBits = 5,
  XBits = 6,
  YBits = 7,
  AdvanceBits = 8,
  MaxWidth = 9,
  MaxHeight = 10,
  MaxX = 11,
  MaxY = 12,
  AscentA = 13,
  DescentG = 14,
  AscentParenthesis = 15,
  DescentParenthesis = 16,
  StartUpperA = 17,
  StartLowerA = 19,
  StartUnicode = 21,
};
// The decoder reads every field through one byte.
inline constexpr int kMaxFieldBits = 8;
// A glyph's record size is one byte, and 0 ends the list.
inline constexpr int kMaxGlyphBytes = 255;
}  // namespace U8g2Format

namespace FontFileFormat {
inline constexpr std::string_view U8g2Source = "u8g2 font";
}

// Whether the data looks like u8g2 font source (it names U8G2_FONT_SECTION).
bool IsU8g2Source(const ByteArray& data);

// Reads the first U8G2_FONT_SECTION array of a C source: its string
// literals as a compiler joins them, the array padded with zeros to its
// declared size. Every glyph is decoded as u8g2 draws it and placed by its
// offsets against the baseline on one cell that also holds the header's
// largest glyph box. Encodings map to codes through the code page; those
// without a code are left out and counted, codes without a glyph come in
// empty with width 0. Throws FontFileError naming the line of the first
// fault and, for faults in the font data, the byte.
ImportedFont ReadU8g2Source(const ByteArray& data, CodePage codePage);
