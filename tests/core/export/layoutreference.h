#pragma once

#include "export/bytelayouts.h"
#include "model/fonthandler.h"

#include <cstdint>
#include <string_view>

// The glyph's bytes in a layout, worked out pixel by pixel: each set pixel is
// put where the layout says it belongs.
ByteArray ReferenceGlyphBytes(const TFontHandler& font, int c, ByteLayout layout);

// A font of the given cell and type with random ink, widths and kerning zones.
TFontHandler RandomFont(int w, int h, int type, std::uint32_t seed);

// "80 F0 0A" -> {0x80, 0xF0, 0x0A}.
ByteArray HexBytes(std::string_view text);
