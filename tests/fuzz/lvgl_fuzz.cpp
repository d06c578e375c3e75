#include "importcheck.h"
#include "model/lvglfont.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

ImportedFont ReadLatin1(const ByteArray& data) { return ReadLvglSource(data, CodePage::Latin1); }
ImportedFont ReadCp437(const ByteArray& data) { return ReadLvglSource(data, CodePage::Cp437); }

// Random text seldom forms the font's four definitions: the data is split at
// its first three '|' into the bitmap values, the glyph records, the cmap
// records and the descriptor's members, and set into a source around them.
ByteArray Source(const std::uint8_t* data, std::size_t size) {
  const std::string text(data, data + size);
  std::array<std::size_t, 3> cuts{};
  std::size_t from = 0;
  for (std::size_t& cut : cuts) {
    cut = std::min(text.find('|', from), text.size());
    from = cut + 1;
  }
  const auto part = [&text](std::size_t from, std::size_t to) { return from < to ? text.substr(from, to - from) : ""; };
  const std::string source =
      "static const uint8_t glyph_bitmap[] = {" + part(0, cuts[0]) +
      "};\nstatic const lv_font_fmt_txt_glyph_dsc_t glyph_dsc[] = {{0}, " + part(cuts[0] + 1, cuts[1]) +
      "};\nstatic const lv_font_fmt_txt_cmap_t cmaps[] = {" + part(cuts[1] + 1, cuts[2]) +
      "};\nstatic const lv_font_fmt_txt_dsc_t font_dsc = {.glyph_bitmap = glyph_bitmap, .glyph_dsc = glyph_dsc, "
      ".cmaps = cmaps, " +
      part(cuts[2] + 1, text.size()) +
      "};\nconst lv_font_t f = {.line_height = 8, .base_line = 2, .dsc = &font_dsc};\n";
  return ByteArray(source.begin(), source.end());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckImport(ReadLatin1, ByteArray(data, data + size));
  CheckImport(ReadCp437, Source(data, size));
  return 0;
}
