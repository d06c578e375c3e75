#pragma once

#include "model/fonthandler.h"

#include <memory>
#include <string_view>

// A font read from a file. The font model holds codes 0..255 only; glyphs
// with other codes are left out and counted.
struct ImportedFont {
  std::unique_ptr<TFontHandler> font;
  // The name of the format read, as the converter reports it: one of the
  // names each reader declares in namespace FontFileFormat.
  std::string_view format;
  int dropped = 0;
};
