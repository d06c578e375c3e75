// Editor repaint benchmarks, run on the offscreen platform with one screen of
// 1920 x 1080 pixels (set up by the main of this program). Each of ours has a reference beside it: Qt composing the
// same picture by itself (fill, scaled copy, AND with the mask, two lines), as
// the machines are shared and absolute times wander.
#include "editorpicture.h"
#include "mainform.h"
#include "qtuserdialogs.h"
#include "settings.h"
#include "views/editorcanvas.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QPainter>
#include <QTemporaryDir>

#include <string>

namespace {

constexpr GlyphColors kColors{0xC0C0C0, 0x808080};
constexpr QRgb kBackground = 0xFFEFEFEFu;

// The editor box of the main window, maximised or at its default size.
QSize EditorBox(bool maximised) {
  QTemporaryDir dir;
  Settings settings(dir.filePath("settings.ini"));
  QtUserDialogs dialogs;
  TMainForm form(settings, dialogs, dialogs);
  if (maximised)
    form.showMaximized();
  else
    form.show();
  QCoreApplication::processEvents();
  return form.findChild<TEditorCanvas*>("CharPaintBox")->size();
}

struct Scene {
  QImage glyph;
  TKerning kerning;
  int size;
};

Scene PatternScene(int size) {
  Scene scene{QImage(size, size, QImage::Format_RGB32), {}, size};
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x)
      scene.glyph.setPixel(x, y, 0xFF000000u | ((x * 7 + y * 3) % 5 ? kColors.Off : kColors.Set));
  scene.kerning.NWKerning = {size / 4, size / 3};
  scene.kerning.SOKerning = {size / 5, size / 2};
  return scene;
}

void PaintEditor(benchmark::State& state, bool maximised, int cells) {
  const QSize box = EditorBox(maximised);
  const Scene scene = PatternScene(cells);
  TEditorPicture picture;
  picture.BuildDotMask(box, {cells, cells});
  const EditorScene shown{scene.glyph, kColors, scene.kerning, cells - 3, cells - 2, kBackground};
  for (auto _ : state) {
    picture.PaintEditor(shown);
    benchmark::DoNotOptimize(picture.Picture().constBits());
  }
  state.counters["box_width"] = box.width();
  state.counters["box_height"] = box.height();
  state.counters["dot_size"] = picture.DotSize();
}

void QtComposition(benchmark::State& state, bool maximised, int cells) {
  const QSize box = EditorBox(maximised);
  const Scene scene = PatternScene(cells);
  TEditorPicture picture;
  picture.BuildDotMask(box, {cells, cells});
  const QImage& mask = picture.CharMask();
  const int d = picture.DotSize();
  QImage composed(box, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&composed);
    painter.fillRect(composed.rect(), QColor::fromRgb(kBackground));
    painter.drawImage(QRect(10, 10, cells * d, cells * d), scene.glyph);
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(10, 10, mask);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setPen(QColor(255, 255, 0));
    painter.drawLine(0, (cells - 2) * d + 9, cells * d + 9, (cells - 2) * d + 9);
    painter.setPen(QColor(0, 0, 255));
    painter.drawLine((cells - 3) * d + 9, 0, (cells - 3) * d + 9, cells * d + 8);
    painter.end();
    benchmark::DoNotOptimize(composed.constBits());
  }
}

BENCHMARK_CAPTURE(PaintEditor, 64x64_Maximised1920x1080, true, 64)->Name("BM_PaintEditor_64x64_Maximised1920x1080");
BENCHMARK_CAPTURE(QtComposition, 64x64_Maximised1920x1080, true, 64)->Name("BM_QtComposition_64x64_Maximised1920x1080");
BENCHMARK_CAPTURE(PaintEditor, 16x16_DefaultWindow, false, 16)->Name("BM_PaintEditor_16x16_DefaultWindow");
BENCHMARK_CAPTURE(QtComposition, 16x16_DefaultWindow, false, 16)->Name("BM_QtComposition_16x16_DefaultWindow");

}  // namespace
