#pragma once

#include "model/fonthandler.h"

#include <string>

// Writes the font as an assembler include file in format 0..14.
void ExportAssembler(const TFontHandler& font, const std::string& filename, int format);
