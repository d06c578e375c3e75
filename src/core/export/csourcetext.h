#pragma once

#include "model/fileio.h"
#include "model/fonthandler.h"

#include <cstddef>
#include <string>
#include <string_view>

// Pieces shared by the C sources written for the Arduino GFX and TFT_eSPI
// libraries. Texts are built in UTF-8 and encoded when written.

// printf into a string.
std::string Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Frame, "/* <what> created with ...  */" and frame, 80 characters each, CR LF after each.
std::string CreatorHead(std::string_view what);
// The closing "/*- EOF ---*/" line with its CR LF.
std::string EofLine();

// The file name without its directory and its last extension, which the
// files name the font by.
std::string SourceName(const std::string& filename);
// The name as the C identifiers use it: each character outside [A-Za-z0-9_]
// becomes '_'. A leading digit stays, since every identifier puts a prefix
// before the name.
std::string CIdentifier(std::string_view name);

// The character of code c in single quotes, or nothing below 32, where a raw
// control character would break the comment it stands in.
std::string CharacterText(int c);

// "  0xNN, 0xNN, ..." with the line break (a CR in the GFX and TFT blocks) and
// two spaces after every byte that brings countBefore plus the bytes so far to
// a multiple of 12; never after the last byte, whose line ends the block.
std::string ByteBlock(const ByteArray& bytes, std::size_t countBefore = 0, std::string_view lineBreak = "\r");

// The rows and columns of a glyph's cell that hold ink, all of them, also
// those beyond its width; all zero for a glyph without ink.
struct InkBox {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};
InkBox InkBoxOf(const TFontHandler& font, int c);

// Whether glyph c has a set pixel in columns 0..width-1 of row y.
bool RowInked(const TFontHandler& font, int c, int width, int y);

// The writers need glyph data: throws FontError for an invalid font.
void RequireValidFont(const TFontHandler& font);
