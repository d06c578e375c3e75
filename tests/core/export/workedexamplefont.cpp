#include "workedexamplefont.h"

#include <string_view>

void PaintGlyph(TFontHandler& font, int c, std::initializer_list<const char*> rows) {
  int y = 0;
  for (const std::string_view row : rows) {
    for (int x = 0; x < static_cast<int>(row.size()); ++x) font.SetPixel(c, x, y, row[x] == '#');
    ++y;
  }
}

TFontHandler WorkedExampleFont() {
  TFontHandler font(5, 10);
  font.SetBaseLine(8);
  for (int c = 0; c < kGlyphCount; ++c) font.SetCharSize(c, 3);
  PaintGlyph(font, '!', {"#....", "#....", "#....", "#....", "#....", ".....", "#...."});
  font.SetCharSize('!', 2);
  PaintGlyph(font, ',', {".....", ".....", ".....", ".....", ".....", ".....", ".....", ".....", ".#...", "#...."});
  font.SetCharSize(',', 3);
  PaintGlyph(font, 'b', {"#....", "#....", "#....", "####.", "#...#", "#...#", "#...#", "####.", ".....", "..#.."});
  font.SetCharSize('b', 5);
  font.GetKerning('b').NOKerning = {1, 3};
  return font;
}
