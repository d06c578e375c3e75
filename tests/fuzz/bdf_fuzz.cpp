#include "importcheck.h"
#include "model/bdffont.h"

#include <cstddef>
#include <cstdint>

// Random bytes seldom open a BDF file: the data also runs after a header and
// the start of a glyph, so the glyph blocks and bitmaps get their share.
constexpr std::string_view kStart =
    "STARTFONT 2.1\nFONTBOUNDINGBOX 6 8 -1 -2\nSTARTPROPERTIES 2\nFONT_ASCENT 6\nFONT_DESCENT 2\nENDPROPERTIES\n"
    "CHARS 1\nSTARTCHAR a\nENCODING 97\nDWIDTH 5 0\nBBX ";

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckImport(ReadBdf, ByteArray(data, data + size));
  CheckImport(ReadBdf, After(kStart, data, size));
  return 0;
}
