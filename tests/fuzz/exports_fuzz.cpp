#include "export/gfxexport.h"
#include "export/u8g2export.h"
#include "formats/exporttable.h"
#include "model/fntformat.h"
#include "model/fonthandler.h"
#include "model/ioerror.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

// Writing a font of large cells takes long: the demo pictures are painted
// for cells up to this many pixels, and a font of larger cells goes through
// one of the other writers per input, picked by the input's length, so that
// the fuzzer keeps its pace on whole 64 x 64 fonts.
constexpr int kLargestDemoCell = 16 * 16;

bool IsPicture(const ExportEntry& entry) { return entry.number <= 2; }

// Every writer must take any font that parses: write it, or refuse it with
// a FontError (the GFX and u8g2 limits). Output goes to /dev/null, written through.
void Export(const TFontHandler& font, const ExportEntry& entry, bool highlightSize) {
  try {
    ExportEntryFile(font, entry.number, "/dev/null", {.highlightSize = highlightSize});
  } catch (const GfxLimitError&) {
    if (!entry.name.starts_with("gfx")) __builtin_trap();
  } catch (const U8g2LimitError&) {
    if (entry.name != "u8g2") __builtin_trap();
  }
}

void ExportEverything(const TFontHandler& font, bool highlightSize, std::size_t pick) {
  if (font.FontWidth() * font.FontHeight() <= kLargestDemoCell) {
    for (const ExportEntry& entry : ExportEntries()) Export(font, entry, highlightSize);
    return;
  }
  std::vector<ExportEntry> writers;
  for (const ExportEntry& entry : ExportEntries())
    if (!IsPicture(entry)) writers.push_back(entry);
  Export(font, writers[pick % writers.size()], highlightSize);
}

}  // namespace

// An FNT file is taken as it is, so that whole fonts serve as seeds. Other
// data gets, as for the image parser, an identification picked by the first
// byte before the rest, and zeros after it let any usable header reach the
// glyphs; the parsed font's baseline and widths are then as random as its
// pixels.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  ByteArray image(data, data + size);
  if (!IsFntFile(image)) {
    const std::string_view id = FntIdentification(1 + data[0] % 3);
    image.assign(id.begin(), id.end());
    image.insert(image.end(), data + 1, data + size);
    image.resize(image.size() + kFntMaxFileSize, 0);
  }
  TFontHandler font(8, 8);
  font.SetFontAsString(image);
  if (font.Fontvalid()) ExportEverything(font, (data[0] & 0x80) != 0, size);
  return 0;
}
