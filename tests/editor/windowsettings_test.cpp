#include "windowsettings.h"

#include "charspace.h"
#include "settings.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

namespace {

// A store as the program writes it: every value a string, switches "1"/"0",
// the code page by the converter's name for it.
const char kStoredToday[] =
    "[Design]\n"
    "DrawToolsX=400\nDrawToolsY=30\nEditToolsX=230\nEditToolsY=30\nFileToolsX=12\nFileToolsY=30\n"
    "MenuX=12\nMenuY=3\nStyle=Luna\n\n"
    "[Options]\n"
    "AutoLoadChar=1\nAutoStoreChar=0\nCodePage=cp437\nHEIGHT=500\nHighLightSize=0\nMAXIMIZED=1\n"
    "Space=3\nWIDTH=700\nXPOS=40\nYPOS=-20\n";

class WindowSettingsTest : public ::testing::Test {
 protected:
  QString IniFile() const { return fdir.filePath("settings.ini"); }

  QTemporaryDir fdir;
};

TEST_F(WindowSettingsTest, AStoreWrittenTodayReadsAndIsWrittenBackTheSame) {
  {
    QFile file(IniFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(kStoredToday);
  }
  Settings settings(IniFile());
  const WindowSettings read = WindowSettings::Read(settings);
  EXPECT_EQ(read.Position, QPoint(40, -20));
  EXPECT_EQ(read.Size, QSize(700, 500));
  EXPECT_TRUE(read.Maximized);
  EXPECT_FALSE(read.HighLightSize);
  EXPECT_TRUE(read.AutoLoadChar);
  EXPECT_FALSE(read.AutoStoreChar);
  EXPECT_EQ(read.UnicodeCodePage, CodePage::Cp437);
  EXPECT_EQ(read.ToolBar(ToolBarId::Menu), QPoint(12, 3));
  EXPECT_EQ(read.ToolBar(ToolBarId::FileTools), QPoint(12, 30));
  EXPECT_EQ(read.ToolBar(ToolBarId::EditTools), QPoint(230, 30));
  EXPECT_EQ(read.ToolBar(ToolBarId::DrawTools), QPoint(400, 30));
  EXPECT_EQ(read.Style, QStringLiteral("Luna"));
  EXPECT_EQ(CharSpace(settings).Value(), 3);

  read.Write(settings);
  settings.Sync();
  const QSettings raw(IniFile(), QSettings::IniFormat);
  QStringList lines;
  for (const QString& key : raw.allKeys()) lines << key + '=' + raw.value(key).toString();
  QStringList expected;
  QString section;
  for (const QString& line : QString::fromUtf8(kStoredToday).split('\n', Qt::SkipEmptyParts)) {
    if (line.startsWith('['))
      section = line.mid(1, line.size() - 2);
    else
      expected << section + '/' + line;
  }
  EXPECT_EQ(lines, expected);
}

TEST_F(WindowSettingsTest, AnEmptyStoreGivesTheDesignedWindow) {
  const Settings settings(IniFile());
  const WindowSettings read = WindowSettings::Read(settings);
  EXPECT_EQ(read.Position, QPoint(-1, -1));
  EXPECT_EQ(read.Size, QSize(-1, -1));
  EXPECT_FALSE(read.Maximized);
  EXPECT_TRUE(read.HighLightSize);
  EXPECT_FALSE(read.AutoLoadChar);
  EXPECT_FALSE(read.AutoStoreChar);
  EXPECT_EQ(read.UnicodeCodePage, CodePage::Latin1);
  EXPECT_EQ(read.ToolBars, WindowSettings::DesignedToolBarPositions());
  EXPECT_EQ(read.Style, QStringLiteral("Windows"));
}

TEST_F(WindowSettingsTest, CodePagesAreStoredByNameAndAnUnknownNameReadsAsLatin1) {
  Settings settings(IniFile());
  for (const CodePage page : {CodePage::Windows1252, CodePage::Cp437, CodePage::Latin1}) {
    WindowSettings stored;
    stored.UnicodeCodePage = page;
    stored.Write(settings);
    EXPECT_EQ(settings.ReadString(kOptionsSection, "CodePage", {}), QString::fromLatin1(CodePageName(page)));
    EXPECT_EQ(WindowSettings::Read(settings).UnicodeCodePage, page);
  }
  settings.WriteString(kOptionsSection, "CodePage", QStringLiteral("koi8-r"));
  EXPECT_EQ(WindowSettings::Read(settings).UnicodeCodePage, CodePage::Latin1);
}

TEST_F(WindowSettingsTest, TheFreeSpaceIsStoredAndAnnounced) {
  Settings settings(IniFile());
  settings.WriteString(kOptionsSection, "Space", QStringLiteral("99"));
  CharSpace space(settings);
  // More than any cell allows is taken as the widest cell.
  EXPECT_EQ(space.Value(), 64);
  int announced = -1;
  QObject::connect(&space, &CharSpace::Changed, [&announced](int value) { announced = value; });
  space.Set(0);
  EXPECT_EQ(announced, 0);
  EXPECT_EQ(settings.ReadString(kOptionsSection, "Space", ""), QStringLiteral("0"));
}

}  // namespace
