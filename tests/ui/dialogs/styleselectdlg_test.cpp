#include "dialogs/styleselectdlg.h"

#include "changelistbox.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QCloseEvent>
#include <QPushButton>
#include <QTest>

namespace {

void Select(TStyleSelectDLG& dialog, const QString& name) {
  const auto found = dialog.StylesList()->findItems(name, Qt::MatchExactly);
  ASSERT_EQ(found.size(), 1) << name.toStdString();
  dialog.StylesList()->SetItemIndex(dialog.StylesList()->row(found.first()));
}

QColor WindowColor() { return QApplication::palette().color(QPalette::Window); }

TEST(StyleSelectDLG, ListsTheStylesAndAcceptsTheActiveOne) {
  TStyleManager manager;
  TStyleSelectDLG dialog(manager);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Erscheinungsbild anpassen"));
  EXPECT_TRUE(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(dialog.StylesList()->count(), 10);
  EXPECT_EQ(dialog.Style(), QStringLiteral("Windows"));
  EXPECT_EQ(dialog.StylesList()->currentItem()->text(), QStringLiteral("Windows"));
  EXPECT_EQ(dialog.SelectBtn()->text(), QStringLiteral("Übernehmen"));
  EXPECT_EQ(dialog.CancelBtn()->text(), QStringLiteral("Verwerfen"));
}

TEST(StyleSelectDLG, AStoredNameIsTakenOnlyWhenItMatchesExactly) {
  TStyleManager manager;
  TStyleSelectDLG dialog(manager);
  dialog.SetStyle("Carbon");
  EXPECT_EQ(dialog.Style(), QStringLiteral("Carbon"));
  EXPECT_EQ(dialog.Manager().ActiveStyle(), QStringLiteral("Carbon"));
  EXPECT_EQ(dialog.StylesList()->currentItem()->text(), QStringLiteral("Carbon"));
  // Anything else accepts the look on screen and activates nothing.
  for (const char* name : {"carbon", "", "Nonsense"}) {
    dialog.SetStyle(name);
    EXPECT_EQ(dialog.Style(), QStringLiteral("Carbon")) << name;
    EXPECT_EQ(dialog.Manager().ActiveStyle(), QStringLiteral("Carbon"));
  }
}

TEST(StyleSelectDLG, SelectingPreviewsAtOnceAndVerwerfenReturnsToTheAcceptedStyle) {
  TStyleManager manager;
  TStyleSelectDLG dialog(manager);
  dialog.SetStyle("Silver");
  const QColor silver = WindowColor();
  for (const char* name : {"Luna", "Obsidian", "Turquoise Gray"}) {
    Select(dialog, name);
    EXPECT_EQ(dialog.Manager().ActiveStyle(), QString::fromUtf8(name));
  }
  EXPECT_NE(WindowColor(), silver);
  dialog.CancelBtn()->click();
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(dialog.Manager().ActiveStyle(), QStringLiteral("Silver"));
  EXPECT_EQ(WindowColor(), silver);
  EXPECT_EQ(dialog.Style(), QStringLiteral("Silver"));
  EXPECT_EQ(dialog.StylesList()->currentItem()->text(), QStringLiteral("Silver"));
}

TEST(StyleSelectDLG, EscapeRevertsLikeVerwerfen) {
  TStyleManager manager;
  TStyleSelectDLG dialog(manager);
  dialog.show();
  Select(dialog, "Luna");
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_EQ(dialog.Manager().ActiveStyle(), QStringLiteral("Windows"));
}

TEST(StyleSelectDLG, UebernehmenKeepsTheLastPreviewAndAcceptsIt) {
  TStyleManager manager;
  TStyleSelectDLG dialog(manager);
  Select(dialog, "Carbon");
  Select(dialog, "Lavender Classico");
  dialog.SelectBtn()->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.Style(), QStringLiteral("Lavender Classico"));
  EXPECT_EQ(dialog.Manager().ActiveStyle(), QStringLiteral("Lavender Classico"));
}

TEST(StyleSelectDLG, ClosingByTheFrameNeitherAcceptsNorReverts) {
  TStyleManager manager;
  TStyleSelectDLG dialog(manager);
  dialog.show();
  Select(dialog, "Iceberg Classico");
  dialog.close();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.Manager().ActiveStyle(), QStringLiteral("Iceberg Classico"));
  EXPECT_EQ(dialog.Style(), QStringLiteral("Windows"));
}

}  // namespace
