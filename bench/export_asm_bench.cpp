#include "export/asmexport.h"
#include "export/bytelayouts.h"
#include "model/fonthandler.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <random>

namespace {

// The largest cell, every pixel, width and zone random.
TFontHandler RandomLargeFont() {
  std::mt19937 random(64);
  TFontHandler font(kMaxCellSize, kMaxCellSize);
  for (int c = 0; c < kGlyphCount; ++c) {
    for (int y = 0; y < kMaxCellSize; ++y)
      for (int x = 0; x < kMaxCellSize; ++x) font.SetPixel(c, x, y, (random() & 1) != 0);
    font.SetCharSize(c, static_cast<int>(random() % kMaxCellSize));
    font.GetKerning(c).NOKerning = {static_cast<int>(random() % 8), static_cast<int>(random() % 8)};
  }
  return font;
}

void BM_ExportAssembler64x64(benchmark::State& state) {
  const TFontHandler font = RandomLargeFont();
  const auto path = std::filesystem::temp_directory_path() / "glyph_bench_export.inc";
  for (auto _ : state) ExportAssembler(font, path.string(), static_cast<int>(state.range(0)));
  std::filesystem::remove(path);
}
// Format 0 is the row layout, 2, 3, 6 and 7 the four column layouts.
BENCHMARK(BM_ExportAssembler64x64)->Arg(0)->Arg(2)->Arg(3)->Arg(6)->Arg(7)->Unit(benchmark::kMillisecond);

void BM_GetFontByFormat64x64(benchmark::State& state) {
  const TFontHandler font = RandomLargeFont();
  for (auto _ : state) benchmark::DoNotOptimize(GetFontByFormat(font, static_cast<int>(state.range(0))));
}
BENCHMARK(BM_GetFontByFormat64x64)->Arg(0)->Arg(2)->Arg(7)->Unit(benchmark::kMillisecond);

}  // namespace
