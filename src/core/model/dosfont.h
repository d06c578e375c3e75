#pragma once

#include "model/fonthandler.h"
#include "model/importedfont.h"

#include <cstddef>
#include <memory>

// A DOS OEM font file: 256 glyphs of 8 x H pixels, one byte per row, no
// header; H is the file size div 256 and trailing bytes are ignored.
constexpr std::size_t kDosFontMinSize = 256;
constexpr std::size_t kDosFontMaxSize = 256 * (kMaxCellSize + 1) - 1;  // 16639

bool IsDosFontSize(std::size_t size);
int DosFontHeight(std::size_t size);

// Builds a type-1 font from the file's bytes. Throws FontError when the size
// gives no cell height from 1 to 64.
std::unique_ptr<TFontHandler> MakeDosFont(const ByteArray& file);

namespace FontFileFormat {
inline constexpr std::string_view DosDump = "DOS OEM dump";
}

// MakeDosFont as a reader: nothing is dropped.
ImportedFont ReadDosFont(const ByteArray& file);
