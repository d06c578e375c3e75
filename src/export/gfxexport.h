#pragma once

#include "model/fonthandler.h"

#include <string>

// Writes the font as an Arduino GFX header; filetype 15 (codes 1..127) or 16 (1..255).
void ExportGFX(const TFontHandler& font, const std::string& filename, int filetype);
