#pragma once

#include "model/codepages.h"
#include "model/fileio.h"
#include "model/importedfont.h"

#include <cstddef>

// The largest BDF file read: room for the full Unicode font sets that
// carry codes 0..255 among tens of thousands of others.
constexpr std::size_t kMaxBdfSize = std::size_t{64} << 20;

// Whether the data begins like a BDF file (its first keyword is STARTFONT).
bool IsBdfFile(const ByteArray& data);

namespace FontFileFormat {
inline constexpr std::string_view Bdf = "BDF";
}

// Reads a BDF 2.1 font (and 2.2's common subset): the glyphs whose ENCODING
// is the code point of a code of the page, on one cell that holds
// FONTBOUNDINGBOX, FONT_ASCENT and FONT_DESCENT and every glyph's BBX; the
// baseline lies FONT_ASCENT rows below the top. Throws FontFileError naming
// the line of the first fault.
ImportedFont ReadBdf(const ByteArray& data, CodePage page = CodePage::Latin1);
