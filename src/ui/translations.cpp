#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

QTranslator* Install(QCoreApplication& app, const QString& file, const QString& folder) {
  auto* translator = new QTranslator(&app);
  if (!translator->load(file, folder)) {
    delete translator;
    return nullptr;
  }
  QCoreApplication::installTranslator(translator);
  return translator;
}

}  // namespace

InterfaceLanguage LanguageOf(const QLocale& locale) {
  for (const QString& language : locale.uiLanguages()) {
    if (language.startsWith(QLatin1String("en"))) return InterfaceLanguage::English;
    if (language.startsWith(QLatin1String("de"))) return InterfaceLanguage::German;
  }
  return InterfaceLanguage::German;
}

std::vector<QTranslator*> InstallTranslations(QCoreApplication& app, InterfaceLanguage language) {
  Q_INIT_RESOURCE(glyphwright_translations);
  const bool english = language == InterfaceLanguage::English;
  std::vector<QTranslator*> installed;
  const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (auto* qt = Install(app, english ? QStringLiteral("qtbase_en") : QStringLiteral("qtbase_de"), qtFolder))
    installed.push_back(qt);
  // The program's texts are German in the source; only English needs a file.
  if (english) {
    if (auto* own = Install(app, QStringLiteral("glyphwright_en"), QStringLiteral(":/i18n"))) installed.push_back(own);
  }
  return installed;
}
