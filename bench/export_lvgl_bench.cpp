#include "export/lvglexport.h"
#include "model/fonthandler.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>

namespace {

// A font of size x size cells, every glyph a different diagonal pattern and
// width, kerning zones on every third glyph so that the kerning tables are
// worked out too.
TFontHandler PatternFont(int size) {
  TFontHandler font(size, size);
  font.SetBaseLine(size * 3 / 4);
  for (int c = 0; c < kGlyphCount; ++c) {
    font.SetCharSize(c, size / 2 + c % (size / 2));
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) font.SetPixel(c, x, y, (x + 2 * y + c) % (3 + c % 4) == 0);
    if (c % 3 == 0) {
      TKerning zones;
      zones.NOKerning = {c % 4, size / 2 + 1};
      zones.SWKerning = {c % 3, size / 2 + 1};
      font.SetKerning(c, zones);
    }
  }
  return font;
}

void BM_ExportLvgl(benchmark::State& state, int size) {
  const TFontHandler font = PatternFont(size);
  const std::string path = "/tmp/glyph_bench_export_lvgl_" + std::to_string(size) + ".c";
  for (auto _ : state) ExportLVGL(font, path, CodePage::Latin1);
  std::remove(path.c_str());
}

BENCHMARK_CAPTURE(BM_ExportLvgl, Lvgl_16x16, 16)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExportLvgl, Lvgl_64x64, 64)->Unit(benchmark::kMillisecond);

}  // namespace
