#include "app/mainformtexts.h"

#include "model/codepages.h"

#include <QFileInfo>

namespace {

QString Hex2(int value) { return QString::number(value, 16).toUpper().rightJustified(2, u'0'); }

QString Utf32Char(char32_t ch) { return QString::fromUcs4(&ch, 1); }

}  // namespace

QString WindowCaption(const QString& filename) {
  const QString name = filename.isEmpty() ? QStringLiteral("ohne Namen") : QFileInfo(filename).fileName();
  return QStringLiteral("<kelvaront> Rastermeister - %1").arg(name);
}

QString FontTypeText(int fonttype) { return QStringLiteral("Font Type %1").arg(fonttype); }

QString EditSizeText(int size) { return QStringLiteral("Zeichenbreite = %1").arg(size); }

QString BaseLineText(int baseline) { return QStringLiteral("BaseLine = %1").arg(baseline); }

QString CharChangedText(int code) {
  const QString shown = code >= 32 ? u'\'' + Utf32Char(static_cast<char32_t>(code)) + u'\'' : Hex2(code);
  return QStringLiteral("Zeichen %1 geändert").arg(shown);
}

QString GlyphListText(int c) {
  const auto byte = static_cast<std::uint8_t>(c);
  return QStringLiteral("%1=%2h=\"%3%4\"")
      .arg(c)
      .arg(Hex2(c), Utf32Char(Cp437ToUnicode(byte)), Utf32Char(static_cast<char32_t>(c)));
}
