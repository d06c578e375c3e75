#include "model/bitmap.h"
#include "model/fntformat.h"
#include "model/fonthandler.h"

#include <cstddef>
#include <cstdint>

namespace {

// Any byte image must parse without reading out of bounds; whatever parses
// must serialise and draw within its cell.
void CheckImage(const ByteArray& input) {
  TFontHandler font(16, 16);
  font.SetFontAsString(input);
  if (!font.Fontvalid()) return;
  const ByteArray image = font.FontAsString();
  TFontHandler copy(8, 8);
  copy.SetFontAsString(image);
  if (!copy.Fontvalid() || copy.FontAsString() != image) __builtin_trap();
  Bitmap canvas(font.FontWidth(), font.FontHeight());
  for (int c = 0; c < kGlyphCount; ++c) {
    font.DrawCharacterEX(c, canvas, 0, 0, 0);
    copy.ScanCharacter(c, canvas, 0, 0);
  }
}

// The longest complete image: a 64 x 64 type-3 font.
constexpr std::size_t kLongestImage = kFntMaxFileSize;

// Random bytes almost never carry an identification, so the first byte picks
// one to put before the rest, and zeros after it let any usable header reach
// the glyph records.
ByteArray WithIdentification(const std::uint8_t* data, std::size_t size) {
  const std::string_view id = FntIdentification(1 + data[0] % 3);
  ByteArray image(id.begin(), id.end());
  image.insert(image.end(), data + 1, data + size);
  image.resize(image.size() + kLongestImage, 0);
  return image;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckImage(ByteArray(data, data + size));
  if (size > 0) CheckImage(WithIdentification(data, size));
  return 0;
}
