#pragma once

#include "model/codepages.h"
#include "model/fonthandler.h"

#include <string>

// Writes the font as an LVGL C source in LVGL's built-in text font format
// (lv_font_fmt_txt, 1 bit per pixel, plain bitmaps) for LVGL 8 and 9: every
// glyph with ink or a width whose code maps through the page to a code point
// of 32 or more, its box cut to its ink; kerning from the zones as pairs or
// class tables, whichever is smaller. Returns the number of glyphs left out
// because the page has no character for their code.
int ExportLVGL(const TFontHandler& font, const std::string& filename, CodePage page);
