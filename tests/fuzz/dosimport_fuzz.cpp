#include "model/bitmap.h"
#include "model/dosfont.h"
#include "model/ioerror.h"

#include <cstddef>
#include <cstdint>

namespace {

// Whatever a DOS font file holds must import, or be refused for its size;
// an imported font must serialise, parse back and draw within its cell.
void CheckImport(const ByteArray& file) {
  std::unique_ptr<TFontHandler> font;
  try {
    font = MakeDosFont(file);
  } catch (const FontError&) {
    if (IsDosFontSize(file.size())) __builtin_trap();
    return;
  }
  if (!font->Fontvalid() || font->FontWidth() != 8 || font->FontHeight() != DosFontHeight(file.size()))
    __builtin_trap();
  TFontHandler copy(1, 1);
  copy.SetFontAsString(font->FontAsString());
  if (copy.FontAsString() != font->FontAsString()) __builtin_trap();
  Bitmap canvas(8, font->FontHeight());
  for (int c = 0; c < kGlyphCount; ++c) font->DrawCharacterEX(c, canvas, 0, 0, 0);
}

}  // namespace

// Random lengths rarely make a usable size, so the first byte also picks a
// height and the rest is cut or padded to it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckImport(ByteArray(data, data + size));
  if (size == 0) return 0;
  ByteArray shaped(data + 1, data + size);
  shaped.resize(256 * (1 + data[0] % kMaxCellSize) + data[0] / kMaxCellSize, 0);
  CheckImport(shaped);
  return 0;
}
