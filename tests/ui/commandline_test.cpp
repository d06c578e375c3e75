#include <gtest/gtest.h>
#include <QProcess>
#include <QProcessEnvironment>

namespace {

struct Outcome {
  int status = -1;
  QString out, err;
};

// Runs the built program. Without a platform it has no display at all, as on a
// build server or in a package check, so only what needs no window can succeed.
Outcome RunProgram(const QStringList& arguments, const QString& platform = {}) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
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
  const Outcome r = RunProgram({QStringLiteral("--help")});
  EXPECT_EQ(r.status, 0) << r.err.toStdString();
  for (const char* option : {"-h, --help", "-v, --version", "Mikrocontroller", "DATEI"})
    EXPECT_TRUE(r.out.contains(QString::fromUtf8(option))) << option << "\n" << r.out.toStdString();
}

// An unknown option is only known to be one after QApplication took Qt's own,
// so this runs on the offscreen platform.
TEST(ProgramCommandLine, UnknownOptionEndsWithAnError) {
  const Outcome r = RunProgram({QStringLiteral("--frobnicate")}, QStringLiteral("offscreen"));
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.err.contains(QStringLiteral("frobnicate"))) << r.err.toStdString();
  EXPECT_EQ(r.out, QString());
}

TEST(ProgramCommandLine, TwoFilesAreAnError) {
  const Outcome r = RunProgram({QStringLiteral("a.fnt"), QStringLiteral("b.fnt")}, QStringLiteral("offscreen"));
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.err.endsWith(QStringLiteral("glyphwright: Es kann nur eine Fontdatei angegeben werden.\n")))
      << r.err.toStdString();
}

}  // namespace
