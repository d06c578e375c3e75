#pragma once

#include "model/fonthandler.h"
#include "model/ioerror.h"

#include <memory>
#include <string>

// File access for the converter, failing with English CliError messages.
// maxSize: the largest file the input's format can have.
ByteArray ReadInputFile(const std::string& path, std::uintmax_t maxSize);
// Loads into a font made like the program's first one (16 x 16), so a type-1
// file gets the widths the program shows right after start.
std::unique_ptr<TFontHandler> LoadFntFile(const std::string& path);
void SaveFntFile(const TFontHandler& font, const std::string& path, int type);
// Turns an IoError into the converter's English wording.
std::string DescribeIoError(const IoError& error);
