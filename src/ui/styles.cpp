#include "styles.h"

#include <QApplication>
#include <QIcon>
#include <QIconEngine>
#include <QPainter>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <cmath>

namespace {

// Each look reads well: every text colour keeps a contrast of at least
// 4.5 to 1 with the colour it is drawn on.
const std::vector<Theme> kThemes = {
    {"Aqua Light Slate",
     {"#dde5ec", "#1b2733", "#f7fafc", "#e8eef3", "#1b2733", "#cfdbe5", "#1b2733", "#0f6f8f", "#ffffff", "#fdfde8",
      "#1b2733", "#0b5e7a", "#b9ccdb", "#14202b"}},
    {"Carbon",
     {"#2d2f31", "#e6e6e6", "#1f2123", "#292b2d", "#e6e6e6", "#3a3d40", "#ececec", "#4574ad", "#ffffff", "#45484b",
      "#f0f0f0", "#8cb8ec", "#232527", "#dcdcdc"}},
    {"Iceberg Classico",
     {"#e6eff6", "#14263a", "#ffffff", "#eef4f9", "#14263a", "#d4e3ef", "#14263a", "#2a6496", "#ffffff", "#f4faff",
      "#14263a", "#1d5a8c", "#c4d8e8", "#10202f"}},
    {"Lavender Classico",
     {"#ebe6f2", "#2a2140", "#fbf9fd", "#f1edf6", "#2a2140", "#ddd4ea", "#2a2140", "#654a96", "#ffffff", "#fbf8ff",
      "#2a2140", "#5b3f8c", "#d2c6e3", "#241b38"}},
    {"Luna",
     {"#ece9d8", "#000000", "#ffffff", "#f5f4ec", "#000000", "#f4f3ee", "#000000", "#316ac5", "#ffffff", "#ffffe1",
      "#000000", "#0b4fb3", "#d8d2bd", "#000000"}},
    {"Obsidian",
     {"#1c1d21", "#d9dadf", "#131417", "#1f2024", "#d9dadf", "#2a2c31", "#e2e3e8", "#56688c", "#ffffff", "#30323a",
      "#ececf0", "#93aee0", "#141518", "#cfd0d6"}},
    {"Silver",
     {"#e3e4e6", "#1e1f22", "#fbfbfc", "#eeeff1", "#1e1f22", "#d5d7db", "#1e1f22", "#596779", "#ffffff", "#fafafa",
      "#1e1f22", "#3d5a80", "#c9ccd1", "#1a1b1e"}},
    {"Slate Classico",
     {"#c7d0d9", "#121c26", "#eef2f5", "#dde4ea", "#121c26", "#b6c2ce", "#121c26", "#34495f", "#ffffff", "#eef2f5",
      "#121c26", "#1f3d5c", "#a9b7c5", "#0e1720"}},
    {"Turquoise Gray",
     {"#d8dbdb", "#1c2424", "#f6f8f8", "#e7eaea", "#1c2424", "#c9cfcf", "#1c2424", "#11706f", "#ffffff", "#f4fbfb",
      "#1c2424", "#0c5f5e", "#b8c4c4", "#151d1d"}},
};

double Luminance(const QColor& color) {
  const auto linear = [](double channel) {
    return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) + 0.0722 * linear(color.blueF());
}

// Disabled text stands back halfway to its background.
QColor Faded(const QColor& text, const QColor& background) {
  return QColor((text.red() + background.red()) / 2, (text.green() + background.green()) / 2,
                (text.blue() + background.blue()) / 2);
}

// The tool icons' dark ink; graphics need a contrast of 3 to 1 to be seen.
const QColor kIconInk("#2e3436");
constexpr double kGraphicContrast = 3.0;

// Asks the palette at every drawing, so the icons follow a change of look.
class OutlinedIconEngine : public QIconEngine {
 public:
  explicit OutlinedIconEngine(const QString& file) : ffile(file), ficon(file) {}

  QIconEngine* clone() const override { return new OutlinedIconEngine(ffile); }
  QString key() const override { return QStringLiteral("OutlinedIconEngine"); }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return OutlinedForPalette(ficon.pixmap(size, mode, state), QApplication::palette());
  }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
  }

 private:
  QString ffile;
  QIcon ficon;
};

// Fusion frames a check box in a shade of the window colour, which vanishes
// on dark looks; a frame in the text colour shows on every look.
class ThemeStyle : public QProxyStyle {
 public:
  ThemeStyle() : QProxyStyle(QStringLiteral("Fusion")) {}

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element != PE_IndicatorCheckBox) return;
    painter->save();
    painter->setPen(option->palette.color(QPalette::WindowText));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
    painter->restore();
  }
};

}  // namespace

QStyle* CreateThemeStyle() { return new ThemeStyle; }

QIcon ToolIcon(const QString& name) {
  return QIcon(new OutlinedIconEngine(QStringLiteral(":/icons/%1.svg").arg(name)));
}

QPixmap OutlinedForPalette(const QPixmap& plain, const QPalette& palette) {
  if (plain.isNull() || ContrastRatio(kIconInk, palette.color(QPalette::Window)) >= kGraphicContrast) return plain;
  const QImage shape = plain.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QImage outline = shape;
  {
    QPainter tint(&outline);
    tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
    tint.fillRect(outline.rect(), palette.color(QPalette::ButtonText));
  }
  QImage result(shape.size(), QImage::Format_ARGB32_Premultiplied);
  result.fill(Qt::transparent);
  QPainter painter(&result);
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy) painter.drawImage(QPoint(dx, dy), outline);
  painter.drawImage(QPoint(0, 0), shape);
  painter.end();
  result.setDevicePixelRatio(plain.devicePixelRatio());
  return QPixmap::fromImage(result);
}

const std::vector<Theme>& Themes() { return kThemes; }

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette ThemePalette(const ThemeColors& colors) {
  QPalette palette(colors.Button, colors.Window);
  const std::pair<QPalette::ColorRole, QColor> roles[] = {
      {QPalette::Window, colors.Window},
      {QPalette::WindowText, colors.WindowText},
      {QPalette::Base, colors.Base},
      {QPalette::AlternateBase, colors.AlternateBase},
      {QPalette::Text, colors.Text},
      {QPalette::Button, colors.Button},
      {QPalette::ButtonText, colors.ButtonText},
      {QPalette::Highlight, colors.Highlight},
      {QPalette::HighlightedText, colors.HighlightedText},
      {QPalette::ToolTipBase, colors.ToolTipBase},
      {QPalette::ToolTipText, colors.ToolTipText},
      {QPalette::Link, colors.Link},
      {QPalette::LinkVisited, colors.Link},
      {QPalette::PlaceholderText, Faded(colors.Text, colors.Base)},
  };
  for (const auto& [role, color] : roles) palette.setColor(role, color);
  palette.setColor(QPalette::Disabled, QPalette::WindowText, Faded(colors.WindowText, colors.Window));
  palette.setColor(QPalette::Disabled, QPalette::Text, Faded(colors.Text, colors.Base));
  palette.setColor(QPalette::Disabled, QPalette::ButtonText, Faded(colors.ButtonText, colors.Button));
  return palette;
}

QString ThemeStyleSheet(const ThemeColors& colors) {
  return QStringLiteral(
             "QToolBar { background: %1; border: none; }"
             "QMenuBar { background: %1; color: %2; }"
             "QMenuBar::item:selected { background: %3; color: %4; }"
             "QStatusBar { background: %1; color: %2; }"
             "QStatusBar QLabel { color: %2; }")
      .arg(colors.Bar.name(), colors.BarText.name(), colors.Highlight.name(), colors.HighlightedText.name());
}

TStyleManager::TStyleManager()
    : fsystemStyle(QApplication::style()->name()),
      fsystemPalette(QApplication::palette()),
      fsystemStyleSheet(qApp->styleSheet()) {}

TStyleManager::~TStyleManager() { Activate(QString::fromLatin1(kSystemStyleName)); }

QStringList TStyleManager::StyleNames() {
  QStringList names{QString::fromLatin1(kSystemStyleName)};
  for (const Theme& theme : kThemes) names << QString::fromUtf8(theme.Name);
  return names;
}

bool TStyleManager::Activate(const QString& name) {
  if (name == QLatin1String(kSystemStyleName)) {
    if (factive == name) return true;
    // The style sheet goes last: cleared before the palette, it leaves the
    // widgets it polished with the theme's colours.
    QApplication::setStyle(fsystemStyle);
    QApplication::setPalette(fsystemPalette);
    qApp->setStyleSheet(fsystemStyleSheet);
    factive = name;
    return true;
  }
  const auto theme = std::find_if(kThemes.begin(), kThemes.end(),
                                  [&name](const Theme& each) { return name == QLatin1String(each.Name); });
  if (theme == kThemes.end()) return false;
  QApplication::setStyle(CreateThemeStyle());
  QApplication::setPalette(ThemePalette(theme->Colors));
  qApp->setStyleSheet(ThemeStyleSheet(theme->Colors));
  factive = name;
  return true;
}

void TStyleManager::Accept(const QString& name) { faccepted = name == factive || Activate(name) ? name : factive; }

void TStyleManager::Discard() {
  if (factive != faccepted) Activate(faccepted);
}
