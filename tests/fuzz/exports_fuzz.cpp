#include "export/gfxexport.h"
#include "formats/exporttable.h"
#include "model/fntformat.h"
#include "model/fonthandler.h"
#include "model/ioerror.h"

#include <cstddef>
#include <cstdint>

namespace {

// The demo pictures of large cells take long to paint; they are fuzzed on
// cells up to this many pixels.
constexpr int kLargestDemoCell = 16 * 16;

// Every writer must take any font that parses: write it, or refuse it with
// a FontError (the GFX limits). Output goes to /dev/null, written through.
void ExportEverything(const TFontHandler& font, bool highlightSize) {
  for (const ExportEntry& entry : ExportEntries()) {
    const bool picture = entry.number <= 2;
    if (picture && font.FontWidth() * font.FontHeight() > kLargestDemoCell) continue;
    try {
      ExportEntryFile(font, entry.number, "/dev/null", highlightSize);
    } catch (const GfxLimitError&) {
      if (entry.number != 18 && entry.number != 19) __builtin_trap();
    }
  }
}

}  // namespace

// As for the image parser: the first byte picks an identification to put
// before the rest, and zeros after it let any usable header reach the glyphs;
// the parsed font's baseline and widths are then as random as its pixels.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view id = FntIdentification(1 + data[0] % 3);
  ByteArray image(id.begin(), id.end());
  image.insert(image.end(), data + 1, data + size);
  image.resize(image.size() + kFntMaxFileSize, 0);
  TFontHandler font(8, 8);
  font.SetFontAsString(image);
  if (font.Fontvalid()) ExportEverything(font, (data[0] & 0x80) != 0);
  return 0;
}
