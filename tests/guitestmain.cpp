#include <gtest/gtest.h>
#include <QLocale>
#include <QtGlobal>
#include <clocale>

#include GLYPH_TEST_APPLICATION_HEADER

// GUI tests run on the offscreen platform under their own application name,
// so nothing they store touches the user's settings.
int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "C");
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  GLYPH_TEST_APPLICATION app(argc, argv);
  GLYPH_TEST_APPLICATION::setOrganizationName("kelvaront-tests");
  GLYPH_TEST_APPLICATION::setApplicationName("GlyphwrightTests");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
