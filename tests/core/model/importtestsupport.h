#pragma once

#include "model/fileio.h"
#include "model/fonthandler.h"
#include "model/importedfont.h"

#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

ByteArray Bytes(std::string_view text);
// The bytes of text with the first `from` replaced by `to`.
ByteArray Replaced(std::string_view text, std::string_view from, std::string_view to);

// A cell size, as round trips take it for a parameter.
struct CellSize {
  int w, h;
};
void PrintTo(const CellSize& cell, std::ostream* out);
// The smallest and largest cells, both extremes of each side and some between.
std::vector<CellSize> RoundTripCells();

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
using ReadFunction = std::function<ImportedFont(const ByteArray&)>;
Refusal RefusalOf(const ReadFunction& read, const ByteArray& data);
