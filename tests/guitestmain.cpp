#include <gtest/gtest.h>
#include <QApplication>
#include <QLocale>
#include <clocale>

// GUI tests run on the offscreen platform under their own application name,
// so nothing they store touches the user's settings.
int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "C");
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  QApplication app(argc, argv);
  QApplication::setOrganizationName("kelvaront-tests");
  QApplication::setApplicationName("GlyphwrightTests");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
