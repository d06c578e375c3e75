#include "kvgauge.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <span>
#include <variant>

namespace {

using CaptionArgument = std::variant<int, double>;
// PercentDone, Progress, MinValue, MaxValue, 21 timing values, the scaled value.
constexpr std::size_t kCaptionArguments = 26;
constexpr std::size_t kScaledArgument = 25;

QString ZeroPadded(QString digits, int precision) {
  const bool negative = digits.startsWith('-');
  if (negative) digits.remove(0, 1);
  if (precision > digits.size()) digits = digits.rightJustified(precision, '0');
  return negative ? '-' + digits : digits;
}

// One argument in the given conversion: d, u and x take integers, f the real
// value; any other pairing does not fit.
std::optional<QString> Converted(const CaptionArgument& argument, QChar type, int precision) {
  if (const int* value = std::get_if<int>(&argument)) {
    if (type == 'd' || type == 'u') return ZeroPadded(QString::number(*value), precision);
    if (type == 'x') return ZeroPadded(QString::number(static_cast<unsigned>(*value), 16).toUpper(), precision);
    return std::nullopt;
  }
  if (type == 'f') return QString::number(std::get<double>(argument), 'f', precision < 0 ? 2 : precision);
  return std::nullopt;
}

// Fills in a format of conversions "%[index:][-][width][.precision]type" and
// "%%"; nothing when the format does not fit the arguments.
std::optional<QString> FormatCaption(const QString& format, std::span<const CaptionArgument> arguments) {
  QString text;
  std::size_t next = 0;
  qsizetype i = 0;
  const auto number = [&]() {
    int value = -1;
    for (; i < format.size() && format[i].isDigit(); ++i) value = std::max(value, 0) * 10 + format[i].digitValue();
    return value;
  };
  while (i < format.size()) {
    if (format[i] != '%') {
      text += format[i++];
      continue;
    }
    ++i;
    if (i < format.size() && format[i] == '%') {
      text += format[i++];
      continue;
    }
    int width = number();
    std::size_t index = next;
    if (width >= 0 && i < format.size() && format[i] == ':') {
      index = static_cast<std::size_t>(width);
      ++i;
      width = -1;
    }
    const bool left = width < 0 && i < format.size() && format[i] == '-';
    if (left) ++i;
    if (width < 0) width = number();
    int precision = -1;
    if (i < format.size() && format[i] == '.') {
      ++i;
      precision = number();
      if (precision < 0) return std::nullopt;
    }
    if (i >= format.size() || index >= arguments.size()) return std::nullopt;
    const auto converted = Converted(arguments[index], format[i++].toLower(), precision);
    if (!converted) return std::nullopt;
    text += left ? converted->leftJustified(width) : converted->rightJustified(width);
    next = index + 1;
  }
  return text;
}

}  // namespace

TKVGauge::TKVGauge(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::NoFocus); }

void TKVGauge::SetMinValue(int value) {
  fMinValue = std::min(value, fMaxValue);
  ClampProgress();
}

void TKVGauge::SetMaxValue(int value) {
  fMaxValue = std::max(value, fMinValue);
  ClampProgress();
}

void TKVGauge::ClampProgress() {
  fProgress = std::clamp(fProgress, fMinValue, fMaxValue);
  Changed();
}

void TKVGauge::SetProgress(int value) {
  value = std::clamp(value, fMinValue, fMaxValue);
  if (value == fProgress) return;
  const int before = PercentDone();
  fProgress = value;
  if (fRefreshOnlyPercentChanged && PercentDone() == before) return;
  setAccessibleDescription(Text());
  repaint();
}

int TKVGauge::PercentDone() const {
  if (fMaxValue == fMinValue) return 0;
  return static_cast<int>(static_cast<long long>(fProgress - fMinValue) * 100 / (fMaxValue - fMinValue));
}

void TKVGauge::SetCaption(const QString& value) {
  fCaption = value;
  Changed();
}

QString TKVGauge::Text() const {
  std::array<CaptionArgument, kCaptionArguments> arguments;
  arguments.fill(0);
  arguments[0] = PercentDone();
  arguments[1] = fProgress;
  arguments[2] = fMinValue;
  arguments[3] = fMaxValue;
  arguments[kScaledArgument] = static_cast<double>(fProgress) * fScaleMultiplier / fScaleDivider + fScaleOffset;
  return FormatCaption(fCaption, arguments).value_or(fCaption);
}

void TKVGauge::SetShowText(bool value) {
  fShowText = value;
  Changed();
}

void TKVGauge::SetBackColor(const QColor& value) {
  fBackColor = value;
  Changed();
}

void TKVGauge::SetForeColor(const QColor& value) {
  fForeColor = value;
  Changed();
}

void TKVGauge::SetProgressImage(const QImage& value) {
  fProgressImage = value;
  Changed();
}

void TKVGauge::SetProgressImageStyle(ImageStyle value) {
  fImageStyle = value;
  Changed();
}

void TKVGauge::SetScaleMultiplier(int value) {
  if (value == 0) return;
  fScaleMultiplier = value;
  Changed();
}

void TKVGauge::SetScaleDivider(int value) {
  if (value == 0) return;
  fScaleDivider = value;
  Changed();
}

void TKVGauge::SetScaleOffset(double value) {
  fScaleOffset = value;
  Changed();
}

void TKVGauge::Changed() {
  setAccessibleDescription(Text());
  update();
}

QSize TKVGauge::sizeHint() const { return {120, fontMetrics().height() + 8}; }

void TKVGauge::paintEvent(QPaintEvent* /*event*/) { QPainter(this).drawImage(0, 0, Picture()); }

// Painted off screen, since the caption inverts what was painted before it.
QImage TKVGauge::Picture() const {
  QImage picture(size(), QImage::Format_RGB32);
  {
    QPainter painter(&picture);
    painter.fillRect(picture.rect(), palette().window());
    const int right = width() - 1;
    const int bottom = height() - 1;
    painter.setPen(palette().dark().color());
    painter.drawLine(0, 0, right, 0);
    painter.drawLine(0, 0, 0, bottom);
    painter.setPen(palette().light().color());
    painter.drawLine(right, 0, right, bottom);
    painter.drawLine(0, bottom, right, bottom);
  }
  const QRect inner = rect().adjusted(2, 2, -2, -2);
  if (inner.isEmpty()) return picture;
  QPainter(&picture).fillRect(inner, fBackColor);
  PaintBar(picture, inner);
  PaintText(picture, inner);
  return picture;
}

void TKVGauge::PaintBar(QImage& picture, const QRect& inner) const {
  const int full = inner.width() + 1;
  const int filled = std::min(PercentDone() * full / 100, full);
  if (filled <= 0) return;
  const QRect bar(inner.topLeft(), QSize(std::min(filled, inner.width()), inner.height()));
  QPainter painter(&picture);
  painter.setClipRect(bar);
  const ImageStyle style = fProgressImage.isNull() ? ImageStyle::None : fImageStyle;
  switch (style) {
    case ImageStyle::None:
      painter.fillRect(bar, fForeColor);
      break;
    case ImageStyle::Stretched:
      painter.drawImage(QRect(0, 0, width() - 1, height() - 1), fProgressImage);
      break;
    case ImageStyle::Tiled:
      painter.fillRect(bar, QBrush(fProgressImage));
      break;
    case ImageStyle::StretchedBar:
      painter.drawImage(bar, fProgressImage);
      break;
  }
}

void TKVGauge::PaintText(QImage& picture, const QRect& inner) const {
  const QString text = Text();
  if (!fShowText || text.isEmpty()) return;
  QFont textFont = font();
  // Inverting only works with pixels that are either text or not.
  textFont.setStyleStrategy(QFont::NoAntialias);
  const QFontMetrics metrics(textFont);
  const QSize extent(metrics.horizontalAdvance(text), metrics.height());
  const QPoint at((inner.width() - extent.width() + 1) / 2, (inner.height() - extent.height() + 1) / 2);
  QPainter painter(&picture);
  painter.setFont(textFont);
  painter.setPen(Qt::white);
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  painter.drawText(QRect(at, extent), Qt::AlignLeft | Qt::AlignTop, text);
}
