#include "dialogs/styleselectdlg.h"

#include "changelistbox.h"
#include "styles.h"

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

// The dialog over the manager, as the window uses it.
class StyleChoice {
 public:
  StyleChoice() { FollowStyleChoices(fdialog, fmanager); }
  TStyleManager fmanager;
  TStyleSelectDLG fdialog{TStyleManager::StyleNames()};
};

QColor WindowColor() { return QApplication::palette().color(QPalette::Window); }

TEST(StyleSelectDLG, ListsTheStylesAndAcceptsTheActiveOne) {
  StyleChoice choice;
  TStyleManager& manager = choice.fmanager;
  TStyleSelectDLG& dialog = choice.fdialog;
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Erscheinungsbild anpassen"));
  EXPECT_TRUE(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(dialog.StylesList()->count(), 10);
  EXPECT_EQ(manager.AcceptedStyle(), QStringLiteral("Windows"));
  EXPECT_EQ(dialog.StylesList()->currentItem()->text(), QStringLiteral("Windows"));
  EXPECT_EQ(dialog.SelectBtn()->text(), QStringLiteral("Übernehmen"));
  EXPECT_EQ(dialog.CancelBtn()->text(), QStringLiteral("Verwerfen"));
}

TEST(StyleSelectDLG, AStoredNameIsTakenOnlyWhenItMatchesExactly) {
  StyleChoice choice;
  TStyleManager& manager = choice.fmanager;
  TStyleSelectDLG& dialog = choice.fdialog;
  manager.Accept("Carbon");
  dialog.ShowStyle(manager.AcceptedStyle());
  EXPECT_EQ(manager.AcceptedStyle(), QStringLiteral("Carbon"));
  EXPECT_EQ(manager.ActiveStyle(), QStringLiteral("Carbon"));
  EXPECT_EQ(dialog.StylesList()->currentItem()->text(), QStringLiteral("Carbon"));
  // Anything else accepts the look on screen and activates nothing.
  for (const char* name : {"carbon", "", "Nonsense"}) {
    manager.Accept(name);
    EXPECT_EQ(manager.AcceptedStyle(), QStringLiteral("Carbon")) << name;
    EXPECT_EQ(manager.ActiveStyle(), QStringLiteral("Carbon"));
  }
}

TEST(StyleSelectDLG, SelectingPreviewsAtOnceAndVerwerfenReturnsToTheAcceptedStyle) {
  StyleChoice choice;
  TStyleManager& manager = choice.fmanager;
  TStyleSelectDLG& dialog = choice.fdialog;
  manager.Accept("Silver");
  const QColor silver = WindowColor();
  for (const char* name : {"Luna", "Obsidian", "Turquoise Gray"}) {
    Select(dialog, name);
    EXPECT_EQ(manager.ActiveStyle(), QString::fromUtf8(name));
  }
  EXPECT_NE(WindowColor(), silver);
  dialog.CancelBtn()->click();
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(manager.ActiveStyle(), QStringLiteral("Silver"));
  EXPECT_EQ(WindowColor(), silver);
  EXPECT_EQ(manager.AcceptedStyle(), QStringLiteral("Silver"));
  EXPECT_EQ(dialog.StylesList()->currentItem()->text(), QStringLiteral("Silver"));
}

TEST(StyleSelectDLG, EscapeRevertsLikeVerwerfen) {
  StyleChoice choice;
  TStyleManager& manager = choice.fmanager;
  TStyleSelectDLG& dialog = choice.fdialog;
  dialog.show();
  Select(dialog, "Luna");
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_EQ(manager.ActiveStyle(), QStringLiteral("Windows"));
}

TEST(StyleSelectDLG, UebernehmenKeepsTheLastPreviewAndAcceptsIt) {
  StyleChoice choice;
  TStyleManager& manager = choice.fmanager;
  TStyleSelectDLG& dialog = choice.fdialog;
  Select(dialog, "Carbon");
  Select(dialog, "Lavender Classico");
  dialog.SelectBtn()->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(manager.AcceptedStyle(), QStringLiteral("Lavender Classico"));
  EXPECT_EQ(manager.ActiveStyle(), QStringLiteral("Lavender Classico"));
}

TEST(StyleSelectDLG, ClosingByTheFrameNeitherAcceptsNorReverts) {
  StyleChoice choice;
  TStyleManager& manager = choice.fmanager;
  TStyleSelectDLG& dialog = choice.fdialog;
  dialog.show();
  Select(dialog, "Iceberg Classico");
  dialog.close();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(manager.ActiveStyle(), QStringLiteral("Iceberg Classico"));
  EXPECT_EQ(manager.AcceptedStyle(), QStringLiteral("Windows"));
}

}  // namespace
