#include "mainform.h"
#include "model/programversion.h"
#include "qtuserdialogs.h"
#include "settings.h"
#include "translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QLocale>
#include <cstdio>
#include <optional>

namespace {

// Declares the program's own options; gives the version option.
QCommandLineOption DeclareOptions(QCommandLineParser& parser) {
  parser.setApplicationDescription(QCoreApplication::translate(
      "main", "Editor für Bitmap-Schriften mit fester Zellgröße für Mikrocontroller-Displays"));
  parser.addHelpOption();
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                   QCoreApplication::translate("main", "Zeigt die Versionsnummer an."));
  parser.addOption(version);
  parser.addPositionalArgument(QCoreApplication::translate("main", "DATEI"),
                               QCoreApplication::translate("main", "Fontdatei, die beim Start geöffnet wird."),
                               QCoreApplication::translate("main", "[DATEI]"));
  return version;
}

// --help and --version are answered before the window system starts, so that
// they work without a display. Qt's own options (-platform, -style ...) are
// not known yet and left for QApplication. Gives the exit status if answered.
std::optional<int> AnswerWithoutWindow(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  InstallTranslations(app, LanguageOf(QLocale::system()));
  QCommandLineParser parser;
  const QCommandLineOption version = DeclareOptions(parser);
  parser.parse(QCoreApplication::arguments());
  if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);
  if (!parser.isSet(version)) return std::nullopt;
  std::printf("glyphwright %s\n", ProgramVersionText().c_str());
  return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (const auto status = AnswerWithoutWindow(argc, argv)) return *status;
  QApplication app(argc, argv);
  InstallTranslations(app, LanguageOf(QLocale::system()));
  QApplication::setOrganizationName("kelvaront");
  QApplication::setApplicationName("Glyphwright");
  QApplication::setApplicationVersion(QString::fromStdString(ProgramVersionText()));
  QApplication::setDesktopFileName(QStringLiteral("glyphwright"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/glyphwright.svg")));
  // Now that QApplication has taken Qt's options, anything else unknown is an error.
  QCommandLineParser parser;
  DeclareOptions(parser);
  parser.process(app);
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) {
    std::fprintf(stderr, "glyphwright: %s\n",
                 qUtf8Printable(QCoreApplication::translate("main", "Es kann nur eine Fontdatei angegeben werden.")));
    return 1;
  }
  Settings settings;
  QtUserDialogs dialogs;
  TMainForm window(settings, dialogs, dialogs);
  window.show();
  if (!files.isEmpty()) window.OpenFile(files.first());
  return QApplication::exec();
}
