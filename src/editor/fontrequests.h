#pragma once

#include "commands/fontimport.h"

#include <optional>

// How a new font starts.
struct NewFontAnswer {
  // From an installed font instead of empty.
  bool Import = false;
  // The cell of an empty font.
  int Width = 16;
  int Height = 16;
};

// The cell and baseline of the whole font, and where the old glyphs go in
// a new cell.
struct FontParameters {
  int Width = 16;
  int Height = 16;
  int Base = 16;
  // 16 * horizontal index + vertical index (0 left/top, 1 centred, 2 right/bottom).
  int Position = 0;
};

// The choices the font commands ask the user for, beyond messages and files.
// Nothing means the user cancelled.
class FontRequests {
 public:
  virtual ~FontRequests() = default;

  // "Neue Font erstellen".
  virtual std::optional<NewFontAnswer> AskNewFont() = 0;
  // The installed font face a new font is rendered from.
  virtual std::optional<TImportChoice> AskImportFont() = 0;
  // Offers the font's current values and the placement chosen last.
  virtual std::optional<FontParameters> AskFontParameters(const FontParameters& offered) = 0;
  // The free space after a glyph's ink, offered up to maxSpace.
  virtual std::optional<int> AskCharSpace(int space, int maxSpace) = 0;
};
