#pragma once

#include "model/fonthandler.h"

#include <string>
#include <string_view>

// The font as a BDF 2.1 file named after family: FONTBOUNDINGBOX is the
// cell around the baseline, FONT_ASCENT the rows above it; each of the 256
// glyphs has its width as DWIDTH and its ink, in all columns of the cell,
// cut to its box (an empty glyph has none).
std::string BdfText(const TFontHandler& font, std::string_view family);

// Writes the font as a BDF file named after the file.
void ExportBDF(const TFontHandler& font, const std::string& filename);
