#include "importcheck.h"
#include "model/u8g2font.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace {

ImportedFont ReadLatin1(const ByteArray& data) { return ReadU8g2Source(data, CodePage::Latin1); }

// Random text seldom forms a font's header and glyphs: the data is also
// taken as the font's bytes, each an octal escape of one string literal.
ByteArray Source(const std::uint8_t* data, std::size_t size) {
  std::string text = "const uint8_t f[] U8G2_FONT_SECTION(\"f\") = \"";
  for (std::size_t i = 0; i < size; ++i) {
    char escape[8];
    std::snprintf(escape, sizeof escape, "\\%03o", data[i]);
    text += escape;
  }
  text += "\";\n";
  return ByteArray(text.begin(), text.end());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckImport(ReadLatin1, ByteArray(data, data + size));
  CheckImport(ReadLatin1, Source(data, size));
  return 0;
}
