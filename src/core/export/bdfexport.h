#pragma once

#include "model/codepages.h"
#include "model/fonthandler.h"

#include <string>
#include <string_view>

// The font as a BDF 2.1 file named after family: FONTBOUNDINGBOX is the
// cell around the baseline, FONT_ASCENT the rows above it; each glyph whose
// code has a character in the code page is encoded as that character's code
// point and has its width as DWIDTH and its ink, in all columns of the cell,
// cut to its box (an empty glyph has none).
std::string BdfText(const TFontHandler& font, std::string_view family, CodePage page = CodePage::Latin1);

// Writes the font as a BDF file named after the file. Returns how many
// glyphs, blank ones aside, it left out for want of a character in the page.
int ExportBDF(const TFontHandler& font, const std::string& filename, CodePage page = CodePage::Latin1);
