#include "qttexts.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QKeySequence>
#include <QTranslator>

namespace {

TEST(QtTexts, QtsOwnTextsBecomeGerman) {
  QTranslator* translator = InstallGermanQtTexts(*QCoreApplication::instance());
  ASSERT_NE(translator, nullptr) << "Qt's German translations are not installed";
  EXPECT_EQ(QKeySequence(QStringLiteral("Ctrl+Z")).toString(QKeySequence::NativeText), QStringLiteral("Strg+Z"));
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
  QCoreApplication::removeTranslator(translator);
  delete translator;
}

}  // namespace
