#include "styles.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QToolBar>
#include <QToolButton>

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

// How much of the icon, drawn on the background, stands out from it.
double VisibleShare(const QPixmap& icon, const QColor& background) {
  QImage drawn(icon.size(), QImage::Format_RGB32);
  drawn.fill(background);
  QPainter(&drawn).drawPixmap(0, 0, icon);
  int visible = 0;
  for (int y = 0; y < drawn.height(); ++y)
    for (int x = 0; x < drawn.width(); ++x)
      if (ContrastRatio(drawn.pixelColor(x, y), background) >= 3.0) ++visible;
  return double(visible) / (drawn.width() * drawn.height());
}

TEST(StylesTest, EveryToolIconStandsOutFromTheBarsOfEveryLook) {
  TStyleManager manager;
  QStringList icons;
  for (QDirIterator it(QStringLiteral(":/icons")); it.hasNext();) icons << it.nextFileInfo().baseName();
  ASSERT_TRUE(icons.contains("ellipse"));
  for (const Theme& theme : Themes()) {
    ASSERT_TRUE(manager.Activate(QString::fromUtf8(theme.Name)));
    for (const QString& icon : icons) {
      const QPixmap drawn = ToolIcon(icon).pixmap(16, 16);
      for (const QColor& background : {theme.Colors.Bar, theme.Colors.Button})
        EXPECT_GE(VisibleShare(drawn, background), 0.1)
            << theme.Name << " " << icon.toStdString() << " on " << background.name().toStdString();
    }
  }
}

TEST(StylesTest, TheOutlineIsOnlyAddedWhereTheInkIsTooDark) {
  QPixmap plain(4, 4);
  plain.fill(Qt::transparent);
  QPainter(&plain).fillRect(1, 1, 2, 2, QColor("#2e3436"));
  const QImage light = OutlinedForPalette(plain, QPalette(QColor("#e0e0e0"), QColor("#f0f0f0"))).toImage();
  EXPECT_EQ(light, plain.toImage());
  const QPalette dark = ThemePalette(Themes()[1].Colors);
  const QImage outlined = OutlinedForPalette(plain, dark).toImage();
  EXPECT_EQ(outlined.pixelColor(0, 0), dark.color(QPalette::ButtonText));
  EXPECT_EQ(outlined.pixelColor(1, 1), QColor("#2e3436"));
}

TEST(StylesTest, AnUncheckedBoxStandsOutFromTheWindowOfEveryTheme) {
  const std::unique_ptr<QStyle> style(CreateThemeStyle());
  for (const Theme& theme : Themes()) {
    QStyleOptionButton box;
    box.palette = ThemePalette(theme.Colors);
    box.rect = QRect(2, 2, 13, 13);
    box.state = QStyle::State_Enabled | QStyle::State_Off;
    QImage drawn(17, 17, QImage::Format_RGB32);
    drawn.fill(theme.Colors.Window);
    QPainter painter(&drawn);
    style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, &painter);
    painter.end();
    double strongest = 1;
    for (int x = 0; x < drawn.width(); ++x)
      strongest = std::max(strongest, ContrastRatio(drawn.pixelColor(x, 8), theme.Colors.Window));
    EXPECT_GE(strongest, 3.0) << theme.Name;
  }
}

TEST(StylesTest, BackFromAThemeEveryWidgetHasItsPaletteOfTheStart) {
  QMainWindow window;
  window.menuBar()->addMenu(QStringLiteral("&Datei"));
  window.addToolBar(QStringLiteral("Werkzeuge"))->addAction(ToolIcon("mark"), QStringLiteral("Markieren"));
  window.statusBar()->addWidget(new QLabel(QStringLiteral("Bereit")));
  window.show();
  const QPalette start = QApplication::palette();
  const auto palettes = [&window] {
    std::vector<QPalette> each{window.palette()};
    for (const QWidget* widget : window.findChildren<QWidget*>()) each.push_back(widget->palette());
    return each;
  };
  const std::vector<QPalette> before = palettes();
  TStyleManager manager;
  for (const char* theme : {"Carbon", "Luna", "Obsidian"}) {
    ASSERT_TRUE(manager.Activate(theme));
    EXPECT_NE(window.menuBar()->palette(), start) << theme;
    ASSERT_TRUE(manager.Activate("Windows"));
    EXPECT_EQ(QApplication::palette(), start) << theme;
    EXPECT_TRUE(palettes() == before) << theme;
  }
}

TEST(StylesTest, OnlyExactNamesActivate) {
  TStyleManager manager;
  for (const char* name : {"carbon", "CARBON", "Carbon ", "", "Fusion"}) {
    EXPECT_FALSE(manager.Activate(name)) << name;
    EXPECT_EQ(manager.ActiveStyle(), QStringLiteral("Windows"));
  }
}

}  // namespace
