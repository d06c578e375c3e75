#pragma once

#include <QColor>
#include <QPalette>
#include <QString>
#include <QStringList>

#include <vector>

class QIcon;
class QPixmap;
class QStyle;

// The platform's own look.
inline constexpr char kSystemStyleName[] = "Windows";

// The colours of one of the program's own looks, drawn by Qt's Fusion style.
struct ThemeColors {
  QColor Window;
  QColor WindowText;
  QColor Base;
  QColor AlternateBase;
  QColor Text;
  QColor Button;
  QColor ButtonText;
  QColor Highlight;
  QColor HighlightedText;
  QColor ToolTipBase;
  QColor ToolTipText;
  QColor Link;
  // Tool bars, menu bar and status bar.
  QColor Bar;
  QColor BarText;
};

struct Theme {
  const char* Name;
  ThemeColors Colors;
};

// The program's own looks, in the order the appearance dialog lists them.
const std::vector<Theme>& Themes();

// The contrast of two colours as the web's accessibility guidelines define
// it: 1 (equal) to 21 (black on white).
double ContrastRatio(const QColor& a, const QColor& b);

QPalette ThemePalette(const ThemeColors& colors);
// Qt's Fusion style, with check boxes framed so that they show on every theme.
QStyle* CreateThemeStyle();

// One of the program's tool icons, drawn in dark ink; on a dark palette it
// gets a light outline so it stays visible in every look.
QIcon ToolIcon(const QString& name);
// The icon as drawn on the palette: with the outline when its ink is too dark.
QPixmap OutlinedForPalette(const QPixmap& plain, const QPalette& palette);
QString ThemeStyleSheet(const ThemeColors& colors);

// Switches the whole program between the platform's own look and the
// themes, by name. The look in force when it was made comes back when it goes.
class TStyleManager {
 public:
  TStyleManager();
  ~TStyleManager();
  TStyleManager(const TStyleManager&) = delete;
  TStyleManager& operator=(const TStyleManager&) = delete;

  // "Windows" first, then the themes.
  static QStringList StyleNames();
  const QString& ActiveStyle() const { return factive; }
  // Only an exact name counts; false and nothing changes for any other.
  bool Activate(const QString& name);
  // The accepted look, as opposed to the one previewed on screen.
  const QString& AcceptedStyle() const { return faccepted; }
  // Only an exact name is taken and activated; any other accepts the look
  // that is active.
  void Accept(const QString& name);
  // Back to the accepted look.
  void Discard();

 private:
  QString fsystemStyle;
  QPalette fsystemPalette;
  QString fsystemStyleSheet;
  QString factive = QString::fromLatin1(kSystemStyleName);
  QString faccepted = QString::fromLatin1(kSystemStyleName);
};
