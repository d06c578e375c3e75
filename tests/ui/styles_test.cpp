#include "styles.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QStyle>

namespace {

TEST(StylesTest, TheSystemLookAndNineThemesUnderTheirNames) {
  TStyleManager manager;
  EXPECT_EQ(TStyleManager::StyleNames(),
            QStringList({"Windows", "Aqua Light Slate", "Carbon", "Iceberg Classico", "Lavender Classico", "Luna",
                         "Obsidian", "Silver", "Slate Classico", "Turquoise Gray"}));
  EXPECT_EQ(manager.ActiveStyle(), QStringLiteral("Windows"));
}

TEST(StylesTest, ContrastRatioFollowsTheAccessibilityFormula) {
  EXPECT_NEAR(ContrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio(Qt::white, Qt::black), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio(QColor("#777777"), Qt::white), 4.48, 0.01);
  EXPECT_NEAR(ContrastRatio(QColor("#123456"), QColor("#123456")), 1.0, 1e-9);
}

TEST(StylesTest, EveryThemeKeepsItsTextsReadable) {
  for (const Theme& theme : Themes()) {
    SCOPED_TRACE(theme.Name);
    const ThemeColors& c = theme.Colors;
    const std::tuple<const char*, QColor, QColor> pairs[] = {
        {"window", c.WindowText, c.Window},
        {"base", c.Text, c.Base},
        {"alternate", c.Text, c.AlternateBase},
        {"button", c.ButtonText, c.Button},
        {"highlight", c.HighlightedText, c.Highlight},
        {"tool tip", c.ToolTipText, c.ToolTipBase},
        {"link", c.Link, c.Base},
        {"bars", c.BarText, c.Bar},
        {"menu bar highlight", c.HighlightedText, c.Highlight},
    };
    for (const auto& [what, text, background] : pairs)
      EXPECT_GE(ContrastRatio(text, background), 4.5)
          << what << ": " << text.name().toStdString() << " on " << background.name().toStdString();
  }
}

TEST(StylesTest, ActivatingAThemeSetsItsPaletteAndStyleSheetAndTheSystemLookComesBack) {
  const QString systemStyle = QApplication::style()->name();
  const QColor systemWindow = QApplication::palette().color(QPalette::Window);
  {
    TStyleManager manager;
    ASSERT_TRUE(manager.Activate("Obsidian"));
    EXPECT_EQ(manager.ActiveStyle(), QStringLiteral("Obsidian"));
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), QColor("#1c1d21"));
    EXPECT_FALSE(qApp->styleSheet().isEmpty());
    ASSERT_TRUE(manager.Activate("Windows"));
    EXPECT_EQ(QApplication::style()->name(), systemStyle);
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), systemWindow);
    EXPECT_TRUE(qApp->styleSheet().isEmpty());
    manager.Activate("Luna");
  }
  // The manager takes its theme with it.
  EXPECT_EQ(QApplication::style()->name(), systemStyle);
  EXPECT_EQ(QApplication::palette().color(QPalette::Window), systemWindow);
}

TEST(StylesTest, OnlyExactNamesActivate) {
  TStyleManager manager;
  for (const char* name : {"carbon", "CARBON", "Carbon ", "", "Fusion"}) {
    EXPECT_FALSE(manager.Activate(name)) << name;
    EXPECT_EQ(manager.ActiveStyle(), QStringLiteral("Windows"));
  }
}

}  // namespace
