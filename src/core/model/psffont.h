#pragma once

#include "model/fileio.h"
#include "model/importedfont.h"

#include <cstddef>

// The largest PSF file read, packed or unpacked: 512 glyphs of 64 x 64 pixels
// and a Unicode table fit many times over.
constexpr std::size_t kMaxPsfSize = std::size_t{4} << 20;

// Whether the data begins with the mark of a PSF 1 or PSF 2 file.
bool IsPsfFile(const ByteArray& data);

namespace FontFileFormat {
inline constexpr std::string_view Psf1 = "PSF 1";
inline constexpr std::string_view Psf2 = "PSF 2";
}  // namespace FontFileFormat

// Reads a Linux console font, PSF 1 or 2 (uncompressed): its first 256
// glyphs become codes 0..255, each as wide as the cell. Throws FontFileError
// naming the byte offset of the first fault.
ImportedFont ReadPsf(const ByteArray& data);
