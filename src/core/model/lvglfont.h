#pragma once

#include "model/codepages.h"
#include "model/fileio.h"
#include "model/importedfont.h"

#include <cstddef>

// The largest LVGL font source read.
constexpr std::size_t kMaxLvglSourceSize = std::size_t{16} << 20;

// Whether the data looks like an LVGL font source (it names lv_font_fmt_txt_dsc_t).
bool IsLvglSource(const ByteArray& data);

namespace FontFileFormat {
inline constexpr std::string_view LvglSource = "LVGL font";
}

// Reads the first lv_font_t of a C source in LVGL's built-in text font
// format (lv_font_fmt_txt) as LVGL's converter writes it: 1, 2, 3, 4 or 8
// bits per pixel, a pixel inked from half intensity up; plain or run-length
// compressed bitmaps with or without the line prefilter; every kind of cmap.
// Of conditional source the first branch of each #if is read. Code points map
// to codes through the page; glyphs whose code point has no code are left out
// and counted, codes the font lacks come in empty with width 0. Throws
// FontFileError naming the line of the first fault.
ImportedFont ReadLvglSource(const ByteArray& data, CodePage page);
