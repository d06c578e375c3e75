#include "commands/fontimport.h"
#include "dialogs/inprocess.h"
#include "model/codepages.h"
#include "model/fonthandler.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

const TImportChoice kChoice{QStringLiteral("DejaVu Sans Mono"), QFont::Normal, false, 64, true};

// Rendering each code and reading it back into a new font.
void BM_Import64_RenderAndReadBack(benchmark::State& state) {
  for (auto _ : state) {
    const auto font = ImportInstalledFont(kChoice);
    benchmark::DoNotOptimize(font->GetPixel(65, 0, 0));
  }
}
BENCHMARK(BM_Import64_RenderAndReadBack)->Unit(benchmark::kMillisecond);

// What the import is measured against: Qt drawing the same 256 characters in
// the same font into one picture, a 70 x 70 cell each.
void BM_Import64_QtRendersTheCharacters(benchmark::State& state) {
  const QFont font = CellFont(kChoice);
  const int ascent = QFontMetrics(font).ascent();
  QImage picture(16 * kRenderSize, 16 * kRenderSize, QImage::Format_RGB32);
  for (auto _ : state) {
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (int c = 0; c < kGlyphCount; ++c) {
      const char32_t character = ImportCharacter(c, kChoice.Ansi);
      painter.drawText(QPointF(c % 16 * kRenderSize, c / 16 * kRenderSize + ascent), QString::fromUcs4(&character, 1));
    }
    painter.end();
    benchmark::DoNotOptimize(picture.constBits());
  }
}
BENCHMARK(BM_Import64_QtRendersTheCharacters)->Unit(benchmark::kMillisecond);

// The import as the user sees it: the progress window showing every
// rendering, the new font.
void BM_Import64_AsTheUserSeesIt(benchmark::State& state) {
  if (!QFontDatabase::families().contains(kChoice.Face)) {
    state.SkipWithError("DejaVu Sans Mono is not installed");
    return;
  }
  QWidget window;
  TInProcess progress;
  TInProcessOver display(progress, window);
  for (auto _ : state) {
    ProgressRun run(display, kChoice.Face, QStringLiteral("Generiere..."));
    const auto font = ImportInstalledFont(kChoice, [&run](int code, const QImage& rendering) {
      run.Step(code);
      run.ShowPicture(rendering);
    });
    benchmark::DoNotOptimize(font->GetPixel(65, 0, 0));
  }
}
BENCHMARK(BM_Import64_AsTheUserSeesIt)->Unit(benchmark::kMillisecond);

}  // namespace
