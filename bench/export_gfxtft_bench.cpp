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

// Variant: what the writer takes besides the font and file name.
template <typename Variant>
void BM_Export(benchmark::State& state, void (*writer)(const TFontHandler&, const std::string&, Variant),
               Variant variant, int firstRow, int rowCount) {
  const TFontHandler font = DiagonalFont(firstRow, rowCount);
  const std::string path = "/tmp/glyph_bench_export_" + std::to_string(static_cast<int>(variant)) + ".h";
  for (auto _ : state) writer(font, path, variant);
  for (const char* extension : {".h", ".c"}) {
    const std::string written = path.substr(0, path.size() - 2) + extension;
    std::remove(written.c_str());
  }
}

void BM_ExportGfx(benchmark::State& state, GfxCodes codes, int firstRow, int rowCount) {
  BM_Export(state, ExportGFX, codes, firstRow, rowCount);
}

void BM_ExportTft(benchmark::State& state, TftCoding coding, int firstRow, int rowCount) {
  BM_Export(state, ExportTFT, coding, firstRow, rowCount);
}

// The 255-glyph GFX font keeps its bitmaps within 65535 bytes only with
// 32 inked rows; the full 64 x 64 pattern font is refused there.
BENCHMARK_CAPTURE(BM_ExportGfx, Gfx127_64x64, GfxCodes::UpTo127, 0, kCell)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExportGfx, Gfx255_64x64_32Rows, GfxCodes::UpTo255, 16, 32)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExportTft, TftPlain_64x64, TftCoding::Plain, 0, kCell)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExportTft, TftRunLength_64x64, TftCoding::RunLength, 0, kCell)->Unit(benchmark::kMillisecond);

}  // namespace
