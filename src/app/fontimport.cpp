#include "app/fontimport.h"

#include "model/codepages.h"
#include "model/fonthandler.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>

#include <algorithm>

namespace {

constexpr int kLastMeasured = 0xFF;

int LineHeight(const QFont& font) {
  const QFontMetrics metrics(font);
  return metrics.ascent() + metrics.descent();
}

// Any colour but black serves; the window's button face, so the progress
// window shows the rendering in the program's look.
QRgb Background() {
  const QRgb face = QApplication::palette().color(QPalette::Button).rgb();
  return qGray(face) < 64 ? qRgb(255, 255, 255) : face;
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
    : ffont(font),
      fascent(QFontMetrics(font).ascent()),
      fbackground(Background()),
      fpicture(kRenderSize, kRenderSize, QImage::Format_RGB32) {}

const QImage& TGlyphRenderer::Render(char32_t character) {
  fpicture.fill(fbackground);
  QPainter painter(&fpicture);
  painter.setRenderHint(QPainter::TextAntialiasing, false);
  painter.setFont(ffont);
  painter.setPen(Qt::black);
  painter.drawText(QPointF(0, fascent), QString::fromUcs4(&character, 1));
  return fpicture;
}

void TGlyphRenderer::ReadGlyph(TFontHandler& font, int c) const {
  const int width = std::min(font.FontWidth(), kRenderSize);
  const int height = std::min(font.FontHeight(), kRenderSize);
  int rightmostInk = -1;
  for (int y = 0; y < height; ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(fpicture.constScanLine(y));
    for (int x = 0; x < width; ++x) {
      const bool ink = (line[x] & 0xFFFFFFu) == 0;
      font.SetPixel(c, x, y, ink);
      if (ink) rightmostInk = std::max(rightmostInk, x);
    }
  }
  font.SetCharSize(c, ImportedWidth(rightmostInk, font.FontWidth()));
}

std::unique_ptr<TFontHandler> ImportInstalledFont(const TImportChoice& choice, const ImportProgress& progress) {
  const QFont font = CellFont(choice);
  auto result = std::make_unique<TFontHandler>(MaxWidth(font), ImportHeight(choice.Height));
  TGlyphRenderer renderer(font);
  for (int c = 0; c < kGlyphCount; ++c) {
    renderer.Render(ImportCharacter(c, choice.Ansi));
    if (progress) progress(c, renderer.Picture());
    renderer.ReadGlyph(*result, c);
  }
  return result;
}
