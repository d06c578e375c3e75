#include "mainform.h"
#include "model/programversion.h"
#include "qtuserdialogs.h"
#include "settings.h"
#include "translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QLocale>

#include <array>
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

// The options QGuiApplication and QApplication take for themselves, written
// with one dash; those of the first list take a value.
constexpr std::array kQtOptionsWithValue = {"platform",
                                            "platformpluginpath",
                                            "platformtheme",
                                            "plugin",
                                            "qwindowgeometry",
                                            "qwindowicon",
                                            "qwindowtitle",
                                            "session",
                                            "display",
                                            "geometry",
                                            "style",
                                            "stylesheet",
                                            "name",
                                            "title",
                                            "visual",
                                            "ncols",
                                            "cmap",
                                            "fn",
                                            "font",
                                            "bg",
                                            "background",
                                            "fg",
                                            "foreground",
                                            "btn",
                                            "button",
                                            "im",
                                            "inputstyle",
                                            "dialogs",
                                            "fontengine",
                                            "qmljsdebugger"};
constexpr std::array kQtSwitches = {"reverse", "widgetcount", "nograb", "dograb", "sync", "noxim", "testability"};

void DeclareQtOptions(QCommandLineParser& parser) {
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const auto declare = [&parser](const char* name, const QString& value) {
    QCommandLineOption option(QString::fromLatin1(name), QString(), value);
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  };
  for (const char* name : kQtOptionsWithValue) declare(name, QStringLiteral("x"));
  for (const char* name : kQtSwitches) declare(name, QString());
}

int CommandLineError(const QCommandLineParser& parser, const QString& message) {
  std::fprintf(stderr, "glyphwright: %s\n%s", qUtf8Printable(message), qUtf8Printable(parser.helpText()));
  return 1;
}

// Help, version and every error of the command line are answered before the
// window system starts, so that they need no display. Qt's own options are
// recognised here and left for QApplication. Gives the exit status if answered.
std::optional<int> AnswerWithoutWindow(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  InstallTranslations(app, LanguageOf(QLocale::system()));
  QCommandLineParser parser;
  const QCommandLineOption version = DeclareOptions(parser);
  DeclareQtOptions(parser);
  if (!parser.parse(QCoreApplication::arguments())) return CommandLineError(parser, parser.errorText());
  if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);
  if (parser.positionalArguments().size() > 1)
    return CommandLineError(parser,
                            QCoreApplication::translate("main", "Es kann nur eine Fontdatei angegeben werden."));
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
  Settings settings;
  QtUserDialogs dialogs;
  TMainForm window(settings, dialogs, dialogs);
  window.show();
  if (!files.isEmpty()) window.OpenFile(files.first());
  return QApplication::exec();
}
