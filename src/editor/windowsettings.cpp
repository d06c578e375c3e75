#include "windowsettings.h"

#include "settings.h"

namespace {

// Value names of the tool-bar positions: <prefix>X and <prefix>Y.
constexpr std::array<const char*, kToolBarCount> kToolBarPrefixes = {"Menu", "FileTools", "EditTools", "DrawTools"};

struct SwitchValue {
  const char* name;
  bool WindowSettings::*field;
};
constexpr std::array<SwitchValue, 3> kSwitches = {{{"HighLightSize", &WindowSettings::HighLightSize},
                                                   {"AutoLoadChar", &WindowSettings::AutoLoadChar},
                                                   {"AutoStoreChar", &WindowSettings::AutoStoreChar}}};

QPoint ReadPoint(const Settings& settings, const char* section, const QString& x, const QString& y, QPoint def) {
  return {settings.ReadInteger(section, x, def.x()), settings.ReadInteger(section, y, def.y())};
}

void WritePoint(Settings& settings, const char* section, const QString& x, const QString& y, QPoint value) {
  settings.WriteInteger(section, x, value.x());
  settings.WriteInteger(section, y, value.y());
}

}  // namespace

std::array<QPoint, kToolBarCount> WindowSettings::DesignedToolBarPositions() {
  return {QPoint(11, 2), QPoint(11, 28), QPoint(225, 28), QPoint(337, 28)};
}

WindowSettings WindowSettings::Read(const Settings& settings) {
  WindowSettings result;
  result.Position = ReadPoint(settings, kOptionsSection, "XPOS", "YPOS", result.Position);
  const QPoint size = ReadPoint(settings, kOptionsSection, "WIDTH", "HEIGHT", {-1, -1});
  result.Size = QSize(size.x(), size.y());
  result.Maximized = settings.ReadBool(kOptionsSection, "MAXIMIZED", false);
  for (const auto& value : kSwitches)
    result.*value.field = settings.ReadBool(kOptionsSection, value.name, result.*value.field);
  for (int i = 0; i < kToolBarCount; ++i) {
    const QString prefix = kToolBarPrefixes[i];
    result.ToolBars[i] = ReadPoint(settings, kDesignSection, prefix + 'X', prefix + 'Y', result.ToolBars[i]);
  }
  result.Style = settings.ReadString(kDesignSection, "Style", result.Style);
  return result;
}

void WindowSettings::Write(Settings& settings) const {
  WritePoint(settings, kOptionsSection, "XPOS", "YPOS", Position);
  WritePoint(settings, kOptionsSection, "WIDTH", "HEIGHT", {Size.width(), Size.height()});
  settings.WriteBool(kOptionsSection, "MAXIMIZED", Maximized);
  for (const auto& value : kSwitches) settings.WriteBool(kOptionsSection, value.name, this->*value.field);
  for (int i = 0; i < kToolBarCount; ++i) {
    const QString prefix = kToolBarPrefixes[i];
    WritePoint(settings, kDesignSection, prefix + 'X', prefix + 'Y', ToolBars[i]);
  }
  settings.WriteString(kDesignSection, "Style", Style);
}
