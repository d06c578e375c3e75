#include <QApplication>

#include <benchmark/benchmark.h>

// The windows need an application; they draw on the offscreen platform
// unless another one is asked for.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setOrganizationName("kelvaront-bench");
  QApplication::setApplicationName("GlyphwrightBench");
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
