#include "importcheck.h"
#include "model/gfxfont.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

// Random text seldom forms the three definitions: the data is split at its
// first two '|' into the bitmap values, the glyph records and the rest of
// the font record, and set into a header around them.
ByteArray Header(const std::uint8_t* data, std::size_t size) {
  const std::string text(data, data + size);
  const std::size_t first = std::min(text.find('|'), text.size());
  const std::size_t second = std::min(text.find('|', first + 1), text.size());
  const auto part = [&text](std::size_t from, std::size_t to) { return from < to ? text.substr(from, to - from) : ""; };
  const std::string header = "const uint8_t B[] PROGMEM = {" + part(0, first) + "};\nconst GFXglyph G[] PROGMEM = {" +
                             part(first + 1, second) + "};\nconst GFXfont F PROGMEM = {(uint8_t *)B, (GFXglyph *)G, " +
                             part(second + 1, text.size()) + "};\n";
  return ByteArray(header.begin(), header.end());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckImport(ReadGfxHeader, ByteArray(data, data + size));
  CheckImport(ReadGfxHeader, Header(data, size));
  return 0;
}
