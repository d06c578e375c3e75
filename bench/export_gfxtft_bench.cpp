#include "export/gfxexport.h"
#include "export/tftexport.h"
#include "model/fonthandler.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>

namespace {

constexpr int kCell = 64;

// A 64 x 64 font whose glyphs, 32 to 63 wide, hold a different diagonal
// pattern in rows firstRow .. firstRow + rowCount - 1.
TFontHandler DiagonalFont(int firstRow, int rowCount) {
  TFontHandler font(kCell, kCell);
  for (int c = 0; c < kGlyphCount; ++c) {
    font.SetCharSize(c, 32 + c % 32);
    for (int y = firstRow; y < firstRow + rowCount; ++y)
      for (int x = 0; x < kCell; ++x) font.SetPixel(c, x, y, (x + 2 * y + c) % (3 + c % 4) == 0);
  }
  return font;
}

using Writer = void (*)(const TFontHandler&, const std::string&, int);

void BM_Export(benchmark::State& state, Writer writer, int filetype, int firstRow, int rowCount) {
  const TFontHandler font = DiagonalFont(firstRow, rowCount);
  const std::string path = "/tmp/glyph_bench_export_" + std::to_string(filetype) + ".h";
  for (auto _ : state) writer(font, path, filetype);
  for (const char* extension : {".h", ".c"}) {
    const std::string written = path.substr(0, path.size() - 2) + extension;
    std::remove(written.c_str());
  }
}

// The 255-glyph GFX font keeps its bitmaps within 65535 bytes only with
// 32 inked rows; the full 64 x 64 pattern font is refused there.
BENCHMARK_CAPTURE(BM_Export, Gfx127_64x64, ExportGFX, 15, 0, kCell)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Export, Gfx255_64x64_32Rows, ExportGFX, 16, 16, 32)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Export, TftPlain_64x64, ExportTFT, 17, 0, kCell)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Export, TftRunLength_64x64, ExportTFT, 18, 0, kCell)->Unit(benchmark::kMillisecond);

}  // namespace
