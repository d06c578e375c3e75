#include "render/textpreview.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr int kCell = 16;
constexpr int kZoom = 4;
constexpr int kDisplayWidth = 320;
constexpr int kDisplayHeight = 240;

// A 16 x 16 font with a different pattern, width and zones in every glyph.
TFontHandler PreviewFont() {
  TFontHandler font(kCell, kCell);
  for (int c = 0; c < kGlyphCount; ++c) {
    for (int y = 0; y < kCell; ++y)
      for (int x = 0; x < kCell; ++x) font.SetPixel(c, x, y, ((x * 7 + y * 3 + c) % 5) == 0);
    font.SetCharSize(c, 5 + c % 4);
    font.GetKerning(c).NOKerning = {c % 3, kCell / 2 + c % 4};
    font.GetKerning(c).SWKerning = {c % 2, kCell / 2 + c % 5};
  }
  return font;
}

// One line of 40 glyphs.
const std::vector<int> kLine = textlayout::GlyphCodes(U"Zwölf Boxkämpfer jagen Viktor quer übers");

textpreview::Scene PreviewScene() {
  textpreview::Scene scene;
  scene.DisplayWidth = kDisplayWidth;
  scene.DisplayHeight = kDisplayHeight;
  scene.OffsetX = 2;
  scene.OffsetY = 2;
  scene.DisplayLook = {0x000000, 0x2FA8FF, 0xFFD21F, 16};
  return scene;
}

// The page's redraw: setting the line, the raster and the magnified picture.
void BM_TextPreview_Redraw40Glyphs320x240Zoom4(benchmark::State& state) {
  const TFontHandler font = PreviewFont();
  const textpreview::Scene scene = PreviewScene();
  const auto palette = textpreview::PaletteFor(scene.DisplayLook, 0xF0F0F0);
  Bitmap picture;
  for (auto _ : state) {
    const auto layout = textlayout::LayoutText(font, kLine, {});
    const textpreview::Raster raster(font, layout, scene);
    textpreview::ComposePicture(raster, kZoom, palette, picture);
    benchmark::DoNotOptimize(picture.Row(0));
  }
  state.counters["glyphs"] = static_cast<double>(kLine.size());
}
BENCHMARK(BM_TextPreview_Redraw40Glyphs320x240Zoom4)->Unit(benchmark::kMillisecond);

// What the redraw is measured against: Qt scaling the same glyphs, held as
// 1-bit pictures, into one picture of the magnified display.
void BM_TextPreview_QtScales1BitGlyphs(benchmark::State& state) {
  const TFontHandler font = PreviewFont();
  const auto layout = textlayout::LayoutText(font, kLine, {});
  std::vector<QImage> glyphs;
  for (const auto& placed : layout.Glyphs) {
    QImage glyph(placed.Width, kCell, QImage::Format_Mono);
    // Paper transparent, so glyphs that kern into each other keep their ink.
    glyph.setColorTable({qRgba(0, 0, 0, 0), qRgb(0x2F, 0xA8, 0xFF)});
    for (int y = 0; y < kCell; ++y)
      for (int x = 0; x < placed.Width; ++x) glyph.setPixel(x, y, font.GetPixel(placed.Code, x, y) ? 1 : 0);
    glyphs.push_back(glyph);
  }
  QImage picture(kDisplayWidth * kZoom, kDisplayHeight * kZoom, QImage::Format_RGB32);
  for (auto _ : state) {
    picture.fill(Qt::black);
    QPainter painter(&picture);
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
      const auto& placed = layout.Glyphs[i];
      painter.drawImage(QRect((2 + placed.X) * kZoom, (2 + placed.Y) * kZoom, placed.Width * kZoom, kCell * kZoom),
                        glyphs[i]);
    }
    painter.end();
    benchmark::DoNotOptimize(picture.bits());
  }
}
BENCHMARK(BM_TextPreview_QtScales1BitGlyphs)->Unit(benchmark::kMillisecond);

}  // namespace
