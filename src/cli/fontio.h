#pragma once

#include "model/codepages.h"
#include "model/fonthandler.h"
#include "model/importedfont.h"
#include "model/ioerror.h"

#include <string>

// File access for the converter, failing with English CliError messages.
// maxSize: the largest file the input's format can have.
ByteArray ReadInputFile(const std::string& path, std::uintmax_t maxSize);
// Reads a font in any format the converter knows (FNT, BDF, PSF, GFX
// header), recognised by content; the formats that speak Unicode map code
// points to codes through the page.
ImportedFont LoadFontFile(const std::string& path, CodePage page = CodePage::Latin1);
void SaveFntFile(const TFontHandler& font, const std::string& path, int type);
// Turns an IoError into the converter's English wording.
std::string DescribeIoError(const IoError& error);
