#pragma once

#include "model/fileio.h"
#include "model/importedfont.h"

#include <cstddef>

// The largest GFX header read: far more than a 64 x 64 font of 65536 codes
// written out as hexadecimal text.
constexpr std::size_t kMaxGfxHeaderSize = std::size_t{16} << 20;

// Whether the data looks like an Arduino GFX font header (it names GFXfont).
bool IsGfxHeader(const ByteArray& data);

namespace FontFileFormat {
inline constexpr std::string_view GfxHeader = "GFX header";
}

// Reads the first GFXfont record of an Arduino GFX font header with the
// bitmap array and glyph table it names; comments, PROGMEM, casts, line
// breaks, decimal, octal and hexadecimal numbers are all taken as a C
// compiler takes them. Each glyph is placed by its offsets against the
// baseline on one cell whose top row is the highest row any glyph reaches;
// its width is its xAdvance. Throws FontFileError naming the line of the
// first fault.
ImportedFont ReadGfxHeader(const ByteArray& data);
