#include "render/demopicture.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>

namespace {

TFontHandler FullFont64() {
  TFontHandler font(64, 64);
  for (int c = 0; c < kGlyphCount; ++c) {
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x) font.SetPixel(c, x, y, ((x ^ y) + c) % 3 == 0);
    font.SetCharSize(c, 16 + c % 48);
  }
  return font;
}

void BM_DemoPicture64x64(benchmark::State& state, DemoFileFormat format, const char* path) {
  const TFontHandler font = FullFont64();
  for (auto _ : state) WriteDotMatrixDemo(font, true, path, format);
  std::remove(path);
}
BENCHMARK_CAPTURE(BM_DemoPicture64x64, png, DemoFileFormat::Png, "/tmp/glyph_bench_demo.png")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DemoPicture64x64, bmp, DemoFileFormat::Bmp, "/tmp/glyph_bench_demo.bmp")
    ->Unit(benchmark::kMillisecond);

void BM_PaintDotMatrixDemoBitmap64x64(benchmark::State& state) {
  const TFontHandler font = FullFont64();
  Bitmap picture;
  for (auto _ : state) PaintDotMatrixDemo(font, true, picture);
}
BENCHMARK(BM_PaintDotMatrixDemoBitmap64x64)->Unit(benchmark::kMillisecond);

}  // namespace
