#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// The windows need an application. They draw on the offscreen platform with
// one 1920 x 1080 screen, so a maximised window has the size the editor
// benchmarks are named after.
int main(int argc, char** argv) {
  QTemporaryDir dir;
  const QString config = dir.filePath("screen.json");
  QFile file(config);
  if (!file.open(QIODevice::WriteOnly)) return 1;
  file.write(R"({"screens": [{"name": "bench", "x": 0, "y": 0, "width": 1920, "height": 1080,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
  file.close();
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
  QApplication app(argc, argv);
  QApplication::setOrganizationName("kelvaront-bench");
  QApplication::setApplicationName("GlyphwrightBench");
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
