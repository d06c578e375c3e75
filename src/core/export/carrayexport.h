#pragma once

#include "export/bytelayouts.h"
#include "model/fonthandler.h"

#include <string>

// Writes the font as a C header of plain arrays, as display drivers take
// them: the bytes of codes 0..255 one glyph after the other in the layout
// (glyph c starts at c times the bytes per glyph), then the 256 widths.
void ExportCArray(const TFontHandler& font, const std::string& filename, ByteLayout layout);
