#pragma once

#include "model/fonthandler.h"

#include <string>

// Writes the font as a TFT_eSPI source pair NAME.h and NAME.c; filetype 17
// (plain) or 18 (run-length coded).
void ExportTFT(const TFontHandler& font, const std::string& filename, int filetype);
