#pragma once

#include "model/fonthandler.h"

#include <memory>

enum class FontFileFormat { Fnt, Bdf, Psf1, Psf2, GfxHeader };

// A font read from another program's file. The font model holds codes 0..255
// only; glyphs with other codes are left out and counted.
struct ImportedFont {
  std::unique_ptr<TFontHandler> font;
  FontFileFormat format = FontFileFormat::Fnt;
  int dropped = 0;
};
