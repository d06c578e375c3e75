#include "model/bitmap.h"
#include "model/fonthandler.h"

#include <cstddef>
#include <cstdint>

// Any byte image must parse without reading out of bounds; whatever parses
// must serialise and draw within its cell.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TFontHandler font(16, 16);
  font.SetFontAsString(ByteArray(data, data + size));
  if (!font.Fontvalid()) return 0;
  const ByteArray image = font.FontAsString();
  TFontHandler copy(8, 8);
  copy.SetFontAsString(image);
  if (!copy.Fontvalid() || copy.FontAsString() != image) __builtin_trap();
  Bitmap canvas(font.FontWidth(), font.FontHeight());
  for (int c = 0; c < kGlyphCount; ++c) {
    font.DrawCharacterEX(c, canvas, 0, 0, 0);
    copy.ScanCharacter(c, canvas, 0, 0);
  }
  return 0;
}
