#include "windowsettings.h"

#include "setting.h"

namespace {

const WindowSettings kDesigned;

const PointSetting kPosition{{kOptionsSection, "XPOS", kDesigned.Position.x()},
                             {kOptionsSection, "YPOS", kDesigned.Position.y()}};
const PointSetting kSize{{kOptionsSection, "WIDTH", kDesigned.Size.width()},
                         {kOptionsSection, "HEIGHT", kDesigned.Size.height()}};
const Setting<bool> kMaximized{kOptionsSection, "MAXIMIZED", kDesigned.Maximized};
const Setting<QString> kStyle{kDesignSection, "Style", kDesigned.Style};
// Stored by the names the converter takes; an unknown name reads as the default.
const Setting<QString> kCodePage{kOptionsSection, "CodePage",
                                 QString::fromLatin1(CodePageName(kDesigned.UnicodeCodePage))};

struct SwitchValue {
  Setting<bool> setting;
  bool WindowSettings::*field;
};
const std::array<SwitchValue, 3> kSwitches = {
    {{{kOptionsSection, "HighLightSize", kDesigned.HighLightSize}, &WindowSettings::HighLightSize},
     {{kOptionsSection, "AutoLoadChar", kDesigned.AutoLoadChar}, &WindowSettings::AutoLoadChar},
     {{kOptionsSection, "AutoStoreChar", kDesigned.AutoStoreChar}, &WindowSettings::AutoStoreChar}}};

// In the order of ToolBarId.
const std::array<PointSetting, kToolBarCount> kToolBars = {{
    {{kDesignSection, "MenuX", kDesigned.ToolBars[0].x()}, {kDesignSection, "MenuY", kDesigned.ToolBars[0].y()}},
    {{kDesignSection, "FileToolsX", kDesigned.ToolBars[1].x()},
     {kDesignSection, "FileToolsY", kDesigned.ToolBars[1].y()}},
    {{kDesignSection, "EditToolsX", kDesigned.ToolBars[2].x()},
     {kDesignSection, "EditToolsY", kDesigned.ToolBars[2].y()}},
    {{kDesignSection, "DrawToolsX", kDesigned.ToolBars[3].x()},
     {kDesignSection, "DrawToolsY", kDesigned.ToolBars[3].y()}},
}};

}  // namespace

std::array<QPoint, kToolBarCount> WindowSettings::DesignedToolBarPositions() {
  return {QPoint(11, 2), QPoint(11, 28), QPoint(225, 28), QPoint(337, 28)};
}

WindowSettings WindowSettings::Read(const Settings& settings) {
  WindowSettings result;
  result.Position = kPosition.Read(settings);
  const QPoint size = kSize.Read(settings);
  result.Size = QSize(size.x(), size.y());
  result.Maximized = kMaximized.Read(settings);
  for (const auto& value : kSwitches) result.*value.field = value.setting.Read(settings);
  for (int i = 0; i < kToolBarCount; ++i) result.ToolBars[i] = kToolBars[i].Read(settings);
  result.Style = kStyle.Read(settings);
  result.UnicodeCodePage = FindCodePage(kCodePage.Read(settings).toStdString()).value_or(kDesigned.UnicodeCodePage);
  return result;
}

void WindowSettings::Write(Settings& settings) const {
  kPosition.Write(settings, Position);
  kSize.Write(settings, {Size.width(), Size.height()});
  kMaximized.Write(settings, Maximized);
  for (const auto& value : kSwitches) value.setting.Write(settings, this->*value.field);
  for (int i = 0; i < kToolBarCount; ++i) kToolBars[i].Write(settings, ToolBars[i]);
  kStyle.Write(settings, Style);
  kCodePage.Write(settings, QString::fromLatin1(CodePageName(UnicodeCodePage)));
}
