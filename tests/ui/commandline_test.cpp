#include <gtest/gtest.h>
#include <QProcess>
#include <QProcessEnvironment>

namespace {

struct Outcome {
  int status = -1;
  QString out, err;
};

// Runs the built program under the locale lang. Without a platform it has no
// display at all, as on a build server or in a package check, so only what
// needs no window can succeed.
Outcome RunProgram(const QStringList& arguments, const QString& platform = {},
                   const QString& lang = QStringLiteral("C")) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL", "LC_MESSAGES"})
    environment.remove(name);
  environment.insert(QStringLiteral("LANG"), lang);
  if (!platform.isEmpty()) environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
  QProcess program;
  program.setProcessEnvironment(environment);
  program.start(QStringLiteral(GLYPH_PROGRAM), arguments);
  Outcome outcome;
  if (!program.waitForFinished(60000) || program.exitStatus() != QProcess::NormalExit) return outcome;
  outcome.status = program.exitCode();
  outcome.out = QString::fromUtf8(program.readAllStandardOutput());
  outcome.err = QString::fromUtf8(program.readAllStandardError());
  return outcome;
}

TEST(ProgramCommandLine, VersionNeedsNoDisplay) {
  for (const QString& option : {QStringLiteral("--version"), QStringLiteral("-v")}) {
    const Outcome r = RunProgram({option});
    EXPECT_EQ(r.status, 0) << option.toStdString() << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), "glyphwright " GLYPH_PROJECT_VERSION "\n");
  }
}

TEST(ProgramCommandLine, HelpListsTheOptions) {
  for (const QString& option : {QStringLiteral("--help"), QStringLiteral("-h")}) {
    const Outcome r = RunProgram({option});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    for (const char* shown : {"-h, --help", "-v, --version", "Mikrocontroller", "DATEI"})
      EXPECT_TRUE(r.out.contains(QString::fromUtf8(shown))) << shown << "\n" << r.out.toStdString();
  }
}

// Answered without a display, as --help is: the window system is never started.
TEST(ProgramCommandLine, CommandLineErrorsNeedNoDisplay) {
  const std::pair<QStringList, QString> cases[] = {
      {{QStringLiteral("--frobnicate")}, QStringLiteral("glyphwright: Unbekannte Option 'frobnicate'.\n")},
      {{QStringLiteral("-x")}, QStringLiteral("glyphwright: Unbekannte Option 'x'.\n")},
      {{QStringLiteral("a.fnt"), QStringLiteral("b.fnt")},
       QStringLiteral("glyphwright: Es kann nur eine Fontdatei angegeben werden.\n")},
  };
  for (const auto& [arguments, message] : cases) {
    const Outcome r = RunProgram(arguments);
    EXPECT_EQ(r.status, 1) << arguments.join(' ').toStdString();
    EXPECT_TRUE(r.err.startsWith(message)) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("Aufruf:"))) << r.err.toStdString();
    EXPECT_EQ(r.out, QString());
  }
}

// Qt's own options still reach the window system.
TEST(ProgramCommandLine, QtsOwnOptionsAreNoError) {
  const Outcome r = RunProgram({QStringLiteral("-platform"), QStringLiteral("minimal"), QStringLiteral("--version")});
  EXPECT_EQ(r.status, 0) << r.err.toStdString();
}

TEST(ProgramCommandLine, TwoFilesAreAnErrorInTheLocalesLanguage) {
  const std::pair<const char*, const char*> rows[] = {
      {"C", "glyphwright: Es kann nur eine Fontdatei angegeben werden.\n"},
      {"de_DE.UTF-8", "glyphwright: Es kann nur eine Fontdatei angegeben werden.\n"},
      {"fr_FR.UTF-8", "glyphwright: Es kann nur eine Fontdatei angegeben werden.\n"},
      {"en_US.UTF-8", "glyphwright: Only one font file can be given.\n"},
  };
  for (const auto& [lang, message] : rows) {
    const Outcome r = RunProgram({QStringLiteral("a.fnt"), QStringLiteral("b.fnt")}, QStringLiteral("offscreen"),
                                 QString::fromLatin1(lang));
    EXPECT_EQ(r.status, 1) << lang;
    EXPECT_TRUE(r.err.startsWith(QString::fromUtf8(message))) << lang << ": " << r.err.toStdString();
  }
}

TEST(ProgramCommandLine, EnglishHelpUnderAnEnglishLocale) {
  const Outcome r = RunProgram({QStringLiteral("--help")}, {}, QStringLiteral("en_US.UTF-8"));
  EXPECT_EQ(r.status, 0) << r.err.toStdString();
  for (const char* text : {"Displays the version number.", "microcontroller displays", "[FILE]"})
    EXPECT_TRUE(r.out.contains(QString::fromUtf8(text))) << text << "\n" << r.out.toStdString();
}

}  // namespace
