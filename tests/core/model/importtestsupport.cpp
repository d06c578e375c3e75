#include "importtestsupport.h"

#include "model/fontfileerror.h"

#include <random>
#include <stdexcept>

ByteArray Bytes(std::string_view text) { return ByteArray(text.begin(), text.end()); }

ByteArray Replaced(std::string_view text, std::string_view from, std::string_view to) {
  std::string replaced(text);
  const auto at = replaced.find(from);
  if (at == std::string::npos) throw std::logic_error("no such text to replace: " + std::string(from));
  return Bytes(replaced.replace(at, from.size(), to));
}

void PrintTo(const CellSize& cell, std::ostream* out) { *out << cell.w << " x " << cell.h; }

std::vector<CellSize> RoundTripCells() {
  return {{1, 1}, {1, 64}, {64, 1}, {5, 10}, {8, 8}, {9, 16}, {13, 7}, {64, 64}};
}

std::string GlyphPicture(const TFontHandler& font, int c) {
  std::string picture;
  for (int y = 0; y < font.FontHeight(); ++y) {
    for (int x = 0; x < font.FontWidth(); ++x) picture += font.GetPixel(c, x, y) ? '#' : '.';
    picture += '\n';
  }
  return picture;
}

TFontHandler RandomFont(int w, int h, unsigned seed) {
  std::mt19937 random(seed);
  TFontHandler font(w, h);
  for (int c = 0; c < kGlyphCount; ++c) {
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) font.SetPixel(c, x, y, random() % 3 == 0);
    font.SetCharSize(c, static_cast<int>(random() % (w + 1)));
  }
  font.SetBaseLine(static_cast<int>(random() % (h + 1)));
  return font;
}

Refusal RefusalOf(const ReadFunction& read, const ByteArray& data) {
  try {
    read(data);
  } catch (const FontFileError& error) {
    return {error.what(), error.English()};
  }
  return {};
}
