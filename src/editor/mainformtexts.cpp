#include "mainformtexts.h"

#include "model/codepages.h"
#include "model/fonthandler.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QKeyEvent>

namespace {

QString Utf32Char(char32_t ch) { return QString::fromUcs4(&ch, 1); }

}  // namespace

QString WindowCaption(const QString& filename) {
  const QString name =
      filename.isEmpty() ? QCoreApplication::translate("MainFormTexts", "ohne Namen") : QFileInfo(filename).fileName();
  return QStringLiteral("<kelvaront> Rastermeister - %1").arg(name);
}

QString FontTypeText(int fonttype) {
  return QCoreApplication::translate("MainFormTexts", "Font Type %1").arg(fonttype);
}

QString EditSizeText(int size) { return QCoreApplication::translate("MainFormTexts", "Zeichenbreite = %1").arg(size); }

QString BaseLineText(int baseline) {
  return QCoreApplication::translate("MainFormTexts", "BaseLine = %1").arg(baseline);
}

QString CharChangedText(int code) {
  const QString shown = code >= 32 ? u'\'' + Utf32Char(static_cast<char32_t>(code)) + u'\'' : TwoHexDigits(code);
  return QCoreApplication::translate("MainFormTexts", "Zeichen %1 geändert").arg(shown);
}

QString GlyphListText(int c) {
  const auto byte = static_cast<std::uint8_t>(c);
  return QStringLiteral("%1=%2h=\"%3%4\"")
      .arg(c)
      .arg(TwoHexDigits(c), Utf32Char(Cp437ToUnicode(byte)), Utf32Char(static_cast<char32_t>(c)));
}

std::optional<int> TypedGlyph(const QKeyEvent& key) {
  if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) return std::nullopt;
  const QString text = key.text();
  if (text.size() != 1 || text[0].unicode() >= kGlyphCount) return std::nullopt;
  return text[0].unicode();
}

QString TwoHexDigits(int value) { return QString::number(value, 16).toUpper().rightJustified(2, u'0'); }
