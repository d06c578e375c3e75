#pragma once

#include "model/fonthandler.h"

#include <optional>
#include <string_view>
#include <vector>

// Text set with a font the way a display's firmware sets it: each glyph
// advances by its width, a pair moves closer by the kerning distance between
// them, lines advance by the cell height plus the line spacing, and words
// may wrap at a given width.
namespace textlayout {

// Codes the text holds besides the font's 0..255.
constexpr int kOutsideFont = -1;
constexpr int kLineBreak = -2;
constexpr int kSpace = 32;

// The font code of a typed character in Windows-1252, or kOutsideFont.
int Windows1252Code(char32_t ch);
// Typed text as font codes: line ends become kLineBreak (CR LF counts once),
// every other character goes through the code page.
std::vector<int> GlyphCodes(std::u32string_view text);

struct Options {
  int LineSpacing = 0;
  // Words move to the next line where they would end beyond this width.
  std::optional<int> WrapWidth;
};

// One set glyph: its code (kOutsideFont for the framed box), its top-left
// corner and the columns it draws.
struct Placement {
  int Code = 0;
  int X = 0;
  int Y = 0;
  int Width = 0;
  friend bool operator==(const Placement&, const Placement&) = default;
};

struct TextLayout {
  std::vector<Placement> Glyphs;
  // The rightmost end of any glyph, and the lines' height with the spacing between them.
  int Width = 0;
  int Height = 0;
};

// The columns a code takes: its width, the cell width for a character outside the font.
int Advance(const TFontHandler& font, int code);
// How much closer the right glyph moves to the left one; none next to a box.
int Kerning(const TFontHandler& font, int left, int right);

TextLayout LayoutText(const TFontHandler& font, const std::vector<int>& codes, const Options& options);

}  // namespace textlayout
