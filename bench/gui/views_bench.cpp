#include "dialogs/parameterdlg.h"
#include "document.h"
#include "mainform.h"
#include "render/charsetpicture.h"
#include "render/kerningpicture.h"
#include "settings.h"
#include "userdialogs.h"
#include "views/charsetview.h"
#include "views/kerningview.h"
#include "windowdialogs.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QSpinBox>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr TColor kBackground = 0xF0F0F0;

// A font of the given cell with a different pattern, width and zones in every glyph.
std::unique_ptr<TFontHandler> PatternFont(int size) {
  auto font = std::make_unique<TFontHandler>(size, size);
  for (int c = 0; c < kGlyphCount; ++c) {
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) font->SetPixel(c, x, y, ((x * 7 + y * 3 + c) % 5) == 0);
    font->SetCharSize(c, size / 3 + c % (size - size / 3 + 1));
    font->GetKerning(c).NOKerning = {c % 9, size / 2 + c % (size / 2)};
    font->GetKerning(c).SWKerning = {c % 7, size / 2 + c % (size / 2)};
  }
  return font;
}

void BM_Charset64_PaintCharset(benchmark::State& state) {
  const auto font = PatternFont(64);
  Bitmap picture;
  for (auto _ : state) {
    PaintCharset(*font, true, kBackground, picture);
    benchmark::DoNotOptimize(picture.Row(0));
  }
}
BENCHMARK(BM_Charset64_PaintCharset)->Unit(benchmark::kMillisecond);

// What the charset picture is measured against: Qt drawing the 256 glyphs,
// held as packed 1-bit pictures, into one picture of the table's size.
void BM_Charset64_QtDrawsPacked1BitGlyphs(benchmark::State& state) {
  const auto font = PatternFont(64);
  std::vector<QImage> glyphs;
  for (int c = 0; c < kGlyphCount; ++c) {
    QImage glyph(64, 64, QImage::Format_Mono);
    glyph.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x) glyph.setPixel(x, y, font->GetPixel(c, x, y) ? 1 : 0);
    glyphs.push_back(glyph);
  }
  const int size = charset::PictureWidth(*font);
  QImage picture(size, size, QImage::Format_RGB32);
  for (auto _ : state) {
    picture.fill(QColor(0xF0, 0xF0, 0xF0));
    QPainter painter(&picture);
    for (int c = 0; c < kGlyphCount; ++c) {
      const TPoint origin = charset::CellOrigin(*font, c);
      painter.drawImage(origin.X, origin.Y, glyphs[c]);
    }
    painter.end();
    benchmark::DoNotOptimize(picture.bits());
  }
}
BENCHMARK(BM_Charset64_QtDrawsPacked1BitGlyphs)->Unit(benchmark::kMillisecond);

// The charset page as the user sees it: rendering and handing the picture to the screen.
void BM_Charset64_View(benchmark::State& state) {
  FontDocument document;
  document.ReplaceFont(PatternFont(64));
  TCharsetView view(document, true);
  view.resize(900, 560);
  view.show();
  for (auto _ : state) {
    view.PaintCharset();
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_Charset64_View)->Unit(benchmark::kMillisecond);

// Six columns of 194 pixels: the kerning page of a window 1280 pixels wide.
void BM_KerningTest64_PaintKerningTest(benchmark::State& state) {
  const auto font = PatternFont(64);
  Bitmap picture;
  for (auto _ : state) {
    PaintKerningTest(*font, 'A', 6, kBackground, picture);
    benchmark::DoNotOptimize(picture.Row(0));
  }
}
BENCHMARK(BM_KerningTest64_PaintKerningTest)->Unit(benchmark::kMillisecond);

void BM_KerningTest64_View(benchmark::State& state) {
  FontDocument document;
  document.ReplaceFont(PatternFont(64));
  TKerningView view(document);
  view.resize(1260, 800);
  view.show();
  QCoreApplication::processEvents();
  int c = 0;
  for (auto _ : state) {
    view.ShowGlyph(c++ % kGlyphCount);
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_KerningTest64_View)->Unit(benchmark::kMillisecond);

// Answers every question with Yes and takes the parameter dialog to 64 x 64.
class GrowTo64 : public UserDialogs, public WindowDialogs {
 public:
  DialogAnswer AskYesNo(const QString&) override { return DialogAnswer::Yes; }
  DialogAnswer AskYesNoCancel(const QString&) override { return DialogAnswer::Yes; }
  void ShowError(const QString&) override {}
  void ShowInformation(const QString&) override {}
  bool ChooseOpenFile(FileChoice&) override { return false; }
  bool ChooseSaveFile(FileChoice&) override { return false; }
  bool ChoosePrinter(QPrinter&) override { return false; }
  bool Execute(QDialog& dialog) override {
    auto& parameters = dynamic_cast<TParameterDLG&>(dialog);
    parameters.show();
    parameters.WidthEdit()->setValue(64);
    parameters.HeightEdit()->setValue(64);
    parameters.accept();
    return parameters.result() == QDialog::Accepted;
  }
};

// The whole command as the user sees it: dialog, progress window, the new
// font in the editor, the glyph list and the charset page.
void BM_ChangeParameter16To64(benchmark::State& state) {
  QTemporaryDir dir;
  Settings settings(dir.filePath("settings.ini"));
  GrowTo64 dialogs;
  TMainForm form(settings, dialogs, dialogs);
  form.resize(1280, 850);
  form.show();
  form.Action("Charset")->trigger();
  QCoreApplication::processEvents();
  for (auto _ : state) {
    state.PauseTiming();
    form.Document().ReplaceFont(PatternFont(16));
    QCoreApplication::processEvents();
    state.ResumeTiming();
    form.Action("ChangeParameter")->trigger();
    QCoreApplication::processEvents();
  }
  if (form.Document().EditFont().FontWidth() != 64) state.SkipWithError("the font was not resized");
}
BENCHMARK(BM_ChangeParameter16To64)->Unit(benchmark::kMillisecond);

}  // namespace
