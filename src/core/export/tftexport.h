#pragma once

#include "model/fonthandler.h"

#include <array>
#include <string>
#include <string_view>

enum class TftCoding { Plain, RunLength };

// The pair written for NAME: the header first, then the source.
constexpr std::array<std::string_view, 2> kTftFileExtensions = {".h", ".c"};

// Writes the font as a TFT_eSPI source pair NAME.h and NAME.c.
void ExportTFT(const TFontHandler& font, const std::string& filename, TftCoding coding);
