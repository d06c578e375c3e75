#pragma once

#include "model/fileio.h"
#include "model/importedfont.h"

#include <cstddef>
#include <string_view>

// The identifications that open FNT files: a length byte followed by that
// many bytes, the last of them 0x00.
inline constexpr std::string_view kFntType1Id{"\x1bKV-FONTFILE TYPE 001      \0", 28};
inline constexpr std::string_view kFntType2Id{"\x19<kelvaront>-FONT 002    \0", 26};
inline constexpr std::string_view kFntType3Id{"\x19<kelvaront>-FONT 003    \0", 26};
inline constexpr std::size_t kFntHeaderSize = 32;
// The largest FNT file: a 64 x 64 font of type 3, 9 bytes besides each glyph's pixels.
inline constexpr std::size_t kFntMaxFileSize = kFntHeaderSize + std::size_t{256} * (8 * 64 + 9);

constexpr std::string_view FntIdentification(int type) {
  return type == 1 ? kFntType1Id : type == 2 ? kFntType2Id : kFntType3Id;
}

// Whether the data opens with the identification of an FNT type, its length
// byte included.
bool IsFntFile(const ByteArray& data);

namespace FontFileFormat {
inline constexpr std::string_view Fnt = "FNT";
}

// Reads an FNT file into a font made like the program's first one (16 x 16),
// so a type-1 file gets the widths the program shows after start. Throws
// FontFileError for an incomplete file or an unusable cell size.
ImportedFont ReadFnt(const ByteArray& data);
