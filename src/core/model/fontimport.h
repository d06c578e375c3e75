#pragma once

#include "model/bdffont.h"
#include "model/codepages.h"
#include "model/fileio.h"
#include "model/importedfont.h"

#include <cstddef>
#include <string>

// The largest font file read, packed or unpacked.
constexpr std::size_t kMaxFontFileSize = kMaxBdfSize;

struct FontReader;

// Reads a font in any format of the reader table that has a mark, recognised
// by its content, not its name: FNT, BDF, PSF 1 or 2 or an Arduino GFX
// header, each also gzip-compressed. Throws FontFileError for other content
// or a broken file. The code page maps the code points of formats that speak
// Unicode to codes.
ImportedFont ImportFont(const ByteArray& data, CodePage codePage = CodePage::Latin1);

// Reads the file (IoError when that fails) and imports it.
ImportedFont ImportFontFile(const std::string& path, CodePage codePage = CodePage::Latin1);

// Reads the file for the reader the user chose in a dialog: a format without
// a mark as that format; with none chosen, or one with a mark, as the
// content says.
ImportedFont ImportChosenFontFile(const std::string& path, const FontReader* chosen,
                                  CodePage codePage = CodePage::Latin1);
