#include "commands/fontimport.h"

#include "model/codepages.h"
#include "model/fonthandler.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include <algorithm>
#include <bit>
#include <cstdint>

namespace {

constexpr int kLastMeasured = 0xFF;

int LineHeight(const QFont& font) {
  const QFontMetrics metrics(font);
  return metrics.ascent() + metrics.descent();
}

// Any colour but black serves; the window's button face, so the progress
// window shows the rendering in the program's look.
QColor Background() {
  const QColor face = QGuiApplication::palette().color(QPalette::Button);
  return qGray(face.rgb()) < 64 ? QColor(Qt::white) : face;
}

// Bit x set when pixel x of the 64 at the start of the row is pure black.
std::uint64_t BlackColumns(const QRgb* line) {
  std::uint64_t black = 0;
#ifdef __SSE2__
  const __m128i colour = _mm_set1_epi32(0x00FFFFFF);
  for (int x = 0; x < kMaxCellSize; x += 4) {
    const __m128i pixels = _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(line + x)), colour);
    const int four = _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(pixels, _mm_setzero_si128())));
    black |= std::uint64_t(four) << x;
  }
#else
  for (int x = 0; x < kMaxCellSize; ++x) black |= std::uint64_t{(line[x] & 0xFFFFFFu) == 0} << x;
#endif
  return black;
}

}  // namespace

int ImportHeight(int value) { return std::clamp(value, kMinImportHeight, kMaxImportHeight); }

QFont CellFont(const QString& face, int height, int weight, bool italic) {
  QFont font(face);
  font.setWeight(static_cast<QFont::Weight>(weight));
  font.setItalic(italic);
  font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging));
  font.setKerning(false);
  // The line height grows with the pixel size.
  int low = 1;
  int high = 2 * height + 8;
  while (low < high) {
    const int middle = (low + high + 1) / 2;
    font.setPixelSize(middle);
    if (LineHeight(font) <= height)
      low = middle;
    else
      high = middle - 1;
  }
  font.setPixelSize(low);
  return font;
}

QFont CellFont(const TImportChoice& choice) {
  return CellFont(choice.Face, ImportHeight(choice.Height), choice.Weight, choice.Italic);
}

int MaxWidth(const QFont& font) {
  const QFontMetrics metrics(font);
  int widest = 0;
  for (char16_t c = 1; c <= kLastMeasured; ++c) widest = std::max(widest, metrics.horizontalAdvance(QChar(c)));
  return std::min(kMaxCellSize, widest + 1);
}

char32_t ImportCharacter(int c, bool ansi) {
  return c > 0 && ansi ? Cp437ToUnicode(static_cast<std::uint8_t>(c)) : static_cast<char32_t>(c);
}

int ImportedWidth(int rightmostInk, int cellWidth) {
  if (rightmostInk < 0) return cellWidth;
  if (rightmostInk == 0) return cellWidth / 2;
  return std::min(rightmostInk + 2, cellWidth);
}

TGlyphRenderer::TGlyphRenderer(const QFont& font)
    : fascent(QFontMetrics(font).ascent()),
      fbackground(Background()),
      fpicture(kRenderSize, kRenderSize, QImage::Format_RGB32),
      fpainter(&fpicture) {
  fpainter.setRenderHint(QPainter::TextAntialiasing, false);
  fpainter.setFont(font);
  fpainter.setPen(Qt::black);
}

TGlyphRenderer::~TGlyphRenderer() { fpainter.end(); }

const QImage& TGlyphRenderer::Render(char32_t character) {
  fpainter.fillRect(fpicture.rect(), fbackground);
  fpainter.drawText(QPointF(0, fascent), QString::fromUcs4(&character, 1));
  return fpicture;
}

void TGlyphRenderer::ReadGlyph(TFontHandler& font, int c) const {
  static_assert(kMaxCellSize == 64 && kRenderSize >= kMaxCellSize, "a row of the cell fills one 64-bit mask");
  const int width = std::min(font.FontWidth(), kRenderSize);
  const int height = std::min(font.FontHeight(), kRenderSize);
  int rightmostInk = -1;
  for (int y = 0; y < height; ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(fpicture.constScanLine(y));
    // Collected without branches, then only the ink is written: ink and
    // background alternate too irregularly to predict.
    std::uint64_t ink =
        BlackColumns(line) & (width < kMaxCellSize ? (std::uint64_t{1} << width) - 1 : ~std::uint64_t{0});
    if (ink != 0) rightmostInk = std::max(rightmostInk, 63 - std::countl_zero(ink));
    for (; ink != 0; ink &= ink - 1) font.SetPixel(c, std::countr_zero(ink), y, true);
  }
  font.SetCharSize(c, ImportedWidth(rightmostInk, font.FontWidth()));
}

std::unique_ptr<TFontHandler> ImportInstalledFont(const TImportChoice& choice, const ImportProgress& progress) {
  const QFont font = CellFont(choice);
  const int height = ImportHeight(choice.Height);
  auto result = std::make_unique<TFontHandler>(MaxWidth(font), height);
  // The glyphs stand on the font's baseline, drawn at the ascent: the row
  // under the capitals.
  result->SetBaseLine(std::clamp(QFontMetrics(font).ascent(), 1, height));
  TGlyphRenderer renderer(font);
  for (int c = 0; c < kGlyphCount; ++c) {
    renderer.Render(ImportCharacter(c, choice.Ansi));
    if (progress) progress(c, renderer.Picture());
    renderer.ReadGlyph(*result, c);
  }
  return result;
}
