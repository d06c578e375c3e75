#pragma once

#include "model/codepages.h"

#include <QPoint>
#include <QSize>
#include <QString>

#include <array>

class Settings;

// The tool bars whose positions are stored, in this order.
enum class ToolBarId { Menu, FileTools, EditTools, DrawTools };
constexpr int kToolBarCount = 4;

// The main window's stored options, tool-bar positions and visual style.
struct WindowSettings {
  // Negative: centre the window.
  QPoint Position{-1, -1};
  // Not positive: the designed size.
  QSize Size{-1, -1};
  bool Maximized = false;
  bool HighLightSize = true;
  bool AutoLoadChar = false;
  bool AutoStoreChar = false;
  // How exports and imports of the formats that speak Unicode map the codes.
  CodePage UnicodeCodePage = CodePage::Latin1;
  std::array<QPoint, kToolBarCount> ToolBars = DesignedToolBarPositions();
  QString Style = QStringLiteral("Windows");

  static std::array<QPoint, kToolBarCount> DesignedToolBarPositions();
  // Missing values keep the defaults above.
  static WindowSettings Read(const Settings& settings);
  void Write(Settings& settings) const;

  QPoint& ToolBar(ToolBarId id) { return ToolBars[static_cast<std::size_t>(id)]; }
  const QPoint& ToolBar(ToolBarId id) const { return ToolBars[static_cast<std::size_t>(id)]; }
};
