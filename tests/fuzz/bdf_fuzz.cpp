#include "importcheck.h"
#include "model/bdffont.h"

#include <cstddef>
#include <cstdint>

// Random bytes seldom open a BDF file: the data also runs after a header and
// the start of a glyph, so the glyph blocks and bitmaps get their share.
constexpr std::string_view kStart =
    "STARTFONT 2.1\nFONTBOUNDINGBOX 6 8 -1 -2\nSTARTPROPERTIES 2\nFONT_ASCENT 6\nFONT_DESCENT 2\nENDPROPERTIES\n"
    "CHARS 1\nSTARTCHAR a\nENCODING 97\nDWIDTH 5 0\nBBX ";

// Both ways the reader maps code points: Latin-1 drops none, Windows-1252 does.
static ImportedFont ReadLatin1(const ByteArray& data) { return ReadBdf(data, CodePage::Latin1); }
static ImportedFont ReadWindows1252(const ByteArray& data) { return ReadBdf(data, CodePage::Windows1252); }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckImport(ReadLatin1, ByteArray(data, data + size));
  CheckImport(ReadWindows1252, After(kStart, data, size));
  return 0;
}
