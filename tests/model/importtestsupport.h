#pragma once

#include "model/fileio.h"
#include "model/fonthandler.h"
#include "model/importedfont.h"

#include <functional>
#include <string>
#include <string_view>

ByteArray Bytes(std::string_view text);

// The glyph's cell as text: one line per row, '#' for ink and '.' for none.
std::string GlyphPicture(const TFontHandler& font, int c);

// A font with seeded random ink, widths 0..W and a baseline 0..H.
TFontHandler RandomFont(int w, int h, unsigned seed);

// What a reader says when it refuses the data: the German and the English
// text, both empty when it reads the data without complaint.
struct Refusal {
  std::string german;
  std::string english;
};
using FontReader = std::function<ImportedFont(const ByteArray&)>;
Refusal RefusalOf(const FontReader& read, const ByteArray& data);
