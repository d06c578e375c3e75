#include "export/u8g2export.h"
#include "model/fonthandler.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>

namespace {

// A font of rings, one per glyph, of radii growing with the code, as thick
// as a letter's strokes: busy enough to choose widths by, and within u8g2's
// 255 bytes per glyph at 64 x 64.
TFontHandler RingFont(int cell) {
  TFontHandler font(cell, cell);
  font.SetBaseLine(cell * 7 / 8);
  const int middle = cell / 2;
  for (int c = 1; c < kGlyphCount; ++c) {
    const int outer = 2 + c % (middle - 1);
    const int inner = outer - 1 - cell / 16;
    font.SetCharSize(c, cell - c % 4);
    for (int y = 0; y < cell; ++y)
      for (int x = 0; x < cell; ++x) {
        const int distance = (x - middle) * (x - middle) + (y - middle) * (y - middle);
        font.SetPixel(c, x, y, distance <= outer * outer && distance > inner * inner);
      }
  }
  return font;
}

void BM_ExportU8g2(benchmark::State& state, int cell) {
  const TFontHandler font = RingFont(cell);
  const std::string path = "/tmp/glyph_bench_export_u8g2_" + std::to_string(cell) + ".h";
  for (auto _ : state) ExportU8g2(font, path, CodePage::Latin1);
  state.counters["bytes"] = static_cast<double>(MakeU8g2Font(font, CodePage::Latin1).data.size());
  std::remove(path.c_str());
}

BENCHMARK_CAPTURE(BM_ExportU8g2, U8g2_16x16, 16)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExportU8g2, U8g2_64x64, 64)->Unit(benchmark::kMillisecond);

}  // namespace
