#include "dialogs/about.h"

#include "kvlabel.h"
#include "version.h"

#include <gtest/gtest.h>
#include <QPushButton>
#include <QTest>

namespace {

TEST(AboutTest, VersionLineNamesTheWordSizeAndBeta) {
  const std::uint64_t file = PackVersion(3, 1, 0, 1);
  const std::tuple<std::uint64_t, bool, const char*> rows[] = {
      {PackVersion(3, 0, 0, 64), false, "Version 3.1.0.1 64 bit"},
      {PackVersion(3, 0, 0, 32), false, "Version 3.1.0.1 32 bit"},
      {PackVersion(3, 0, 0, 16), false, "Version 3.1.0.1"},
      {PackVersion(3, 0, 0, 64), true, "Version 3.1.0.1 64 bit Beta"},
      {0, false, "Version 3.1.0.1"},
  };
  for (const auto& [product, beta, line] : rows) EXPECT_EQ(VersionLine(file, product, beta).toStdString(), line);
}

TEST(AboutTest, ShowsThisBuildsVersion) {
  TAbout about;
  EXPECT_EQ(about.windowTitle(), QStringLiteral("Information"));
  EXPECT_TRUE(about.windowFlags() & Qt::FramelessWindowHint);
  const QString expected = QStringLiteral("Version ") + FileVersionString(ProgramFile()) +
                           (sizeof(void*) == 8 ? QStringLiteral(" 64 bit") : QStringLiteral(" 32 bit")) +
                           (IsPreRelease(ProgramFile()) ? QStringLiteral(" Beta") : QString());
  EXPECT_EQ(about.Version()->text(), expected);
}

TEST(AboutTest, KeysAndClicksCloseItButNotAClickOnFreeWare) {
  const std::function<void(TAbout&)> closers[] = {
      [](TAbout& a) { QTest::keyClick(&a, Qt::Key_Escape); },
      [](TAbout& a) { QTest::keyClick(&a, Qt::Key_Space); },
      [](TAbout& a) { QTest::keyClick(&a, Qt::Key_Return); },
      [](TAbout& a) { QTest::keyClick(&a, Qt::Key_Enter); },
      [](TAbout& a) { QTest::mouseClick(a.Version(), Qt::LeftButton); },
      [](TAbout& a) { QTest::mouseClick(a.findChild<QWidget*>("ProgramIcon"), Qt::LeftButton); },
      [](TAbout& a) { QTest::mouseClick(a.findChild<QWidget*>("Panel3"), Qt::LeftButton, {}, QPoint(3, 3)); },
      [](TAbout& a) { a.OKButton()->click(); },
  };
  int row = 0;
  for (const auto& close : closers) {
    TAbout about;
    about.show();
    close(about);
    EXPECT_FALSE(about.isVisible()) << row;
    EXPECT_EQ(about.result(), QDialog::Accepted) << row++;
  }
  TAbout about;
  about.show();
  QTest::mouseClick(about.findChild<QWidget*>("FreeWare"), Qt::LeftButton);
  EXPECT_TRUE(about.isVisible());
}

}  // namespace
