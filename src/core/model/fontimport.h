#pragma once

#include "model/bdffont.h"
#include "model/fileio.h"
#include "model/importedfont.h"

#include <cstddef>
#include <string>

// The largest font file read, packed or unpacked.
constexpr std::size_t kMaxFontFileSize = kMaxBdfSize;

// Reads a font in any format the program knows, recognised by its content,
// not its name: FNT, BDF, PSF 1 or 2 or an Arduino GFX header, each also
// gzip-compressed. An FNT font is loaded into a font made like the program's
// first one (16 x 16), so a type-1 file gets the widths the program shows
// after start. Throws FontFileError for other content or a broken file.
ImportedFont ImportFont(const ByteArray& data);

// Reads the file (IoError when that fails) and imports it.
ImportedFont ImportFontFile(const std::string& path);
