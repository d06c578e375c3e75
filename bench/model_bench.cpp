#include "model/bitmap.h"
#include "model/fonthandler.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>

namespace {

// A 64 x 64 font with a different pattern in every glyph and kerning set.
TFontHandler PatternFont() {
  TFontHandler font(64, 64);
  for (int c = 0; c < kGlyphCount; ++c) {
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x) font.SetPixel(c, x, y, ((x * 7 + y * 3 + c) % 5) == 0);
    font.SetCharSize(c, 20 + c % 44);
    TKerning& k = font.GetKerning(c);
    k.NOKerning = {c % 9, 40 + c % 20};
    k.SWKerning = {c % 7, 30 + c % 30};
    k.SOKerning = {c % 5, 35 + c % 25};
    k.NWKerning = {c % 3, 45 + c % 15};
  }
  return font;
}

void BM_LoadType3File64x64(benchmark::State& state) {
  const std::string path = "/tmp/glyph_bench_64x64.fnt";
  PatternFont().SaveFont(path, 3);
  TFontHandler font(16, 16);
  for (auto _ : state) {
    font.LoadFont(path);
    benchmark::DoNotOptimize(font.Fontvalid());
  }
  std::remove(path.c_str());
}
BENCHMARK(BM_LoadType3File64x64)->Unit(benchmark::kMicrosecond);

void BM_CalculateKerningAllPairs(benchmark::State& state) {
  const TFontHandler font = PatternFont();
  for (auto _ : state) {
    int sum = 0;
    for (int a = 0; a < kGlyphCount; ++a)
      for (int b = 0; b < kGlyphCount; ++b) sum += font.CalculateKerning(a, b);
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_CalculateKerningAllPairs)->Unit(benchmark::kMicrosecond);

void BM_DrawCharacterAllGlyphs64x64(benchmark::State& state) {
  const TFontHandler font = PatternFont();
  Bitmap canvas(16 * 64, 16 * 64);
  canvas.PenColor = 0x000000;
  canvas.BrushColor = 0xFFFFFF;
  for (auto _ : state) {
    for (int c = 0; c < kGlyphCount; ++c) font.DrawCharacter(c, canvas, (c % 16) * 64, (c / 16) * 64);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_DrawCharacterAllGlyphs64x64)->Unit(benchmark::kMillisecond);

}  // namespace
