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

template <typename Write>
void BM_Export(benchmark::State& state, Write write, const std::string& tag, int firstRow, int rowCount) {
  const TFontHandler font = DiagonalFont(firstRow, rowCount);
  const std::string path = "/tmp/glyph_bench_export_" + tag + ".h";
  for (auto _ : state) write(font, path);
  for (const char* extension : {".h", ".c"}) {
    const std::string written = path.substr(0, path.size() - 2) + extension;
    std::remove(written.c_str());
  }
}

void BM_ExportGfx(benchmark::State& state, GfxCodes codes, GfxBitmaps bitmaps, int firstRow, int rowCount) {
  const auto write = [=](const TFontHandler& font, const std::string& path) { ExportGFX(font, path, codes, bitmaps); };
  BM_Export(state, write, "gfx", firstRow, rowCount);
}

void BM_ExportTft(benchmark::State& state, TftCoding coding, int firstRow, int rowCount) {
  const auto write = [=](const TFontHandler& font, const std::string& path) { ExportTFT(font, path, coding); };
  BM_Export(state, write, "tft", firstRow, rowCount);
}

// The 255-glyph GFX font keeps its bitmaps within 65535 bytes only with
// 32 inked rows; the full 64 x 64 pattern font is refused there.
BENCHMARK_CAPTURE(BM_ExportGfx, Gfx127_64x64, GfxCodes::UpTo127, GfxBitmaps::FullWidth, 0, kCell)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExportGfx, Gfx255_64x64_32Rows, GfxCodes::UpTo255, GfxBitmaps::FullWidth, 16, 32)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExportGfx, Gfx127Compact_64x64, GfxCodes::UpTo127, GfxBitmaps::Compact, 0, kCell)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExportGfx, Gfx255Compact_64x64_32Rows, GfxCodes::UpTo255, GfxBitmaps::Compact, 16, 32)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExportTft, TftPlain_64x64, TftCoding::Plain, 0, kCell)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExportTft, TftRunLength_64x64, TftCoding::RunLength, 0, kCell)->Unit(benchmark::kMillisecond);

}  // namespace
