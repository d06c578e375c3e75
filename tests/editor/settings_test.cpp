#include "settings.h"

#include "model/ioerror.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

namespace {

class SettingsTest : public ::testing::Test {
 protected:
  QString IniFile() const { return fdir.filePath("settings.ini"); }

  // Stores raw strings the way another program version (or a user) could.
  void StoreRaw(const QString& key, const QString& value) {
    QSettings raw(IniFile(), QSettings::IniFormat);
    raw.setValue(key, value);
  }

  QTemporaryDir fdir;
};

TEST(Settings, TestsUseTheirOwnStoreNotTheUsers) {
  const Settings settings;
  EXPECT_TRUE(settings.FileName().contains("GlyphwrightTests")) << settings.FileName().toStdString();
}

TEST_F(SettingsTest, MissingValuesReadAsTheirDefaults) {
  const Settings settings(IniFile());
  EXPECT_EQ(settings.ReadString(kDesignSection, "Style", "Windows"), "Windows");
  EXPECT_EQ(settings.ReadInteger(kOptionsSection, "XPOS", -1), -1);
  EXPECT_TRUE(settings.ReadBool(kOptionsSection, "HighLightSize", true));
  EXPECT_FALSE(settings.ReadBool(kOptionsSection, "AutoLoadChar", false));
  EXPECT_FALSE(settings.ValueExists(kOptionsSection, "XPOS"));
}

TEST_F(SettingsTest, StoredTextsReadAsIntegersOrTheirDefault) {
  struct Row {
    const char* stored;
    int expected;
  };
  const Row rows[] = {{"225", 225}, {"-1", -1}, {"0", 0},    {"", 7},           {"abc", 7},
                      {"12x", 7},   {"1.5", 7}, {" 42", 42}, {"99999999999", 7}};
  for (const Row& row : rows) {
    StoreRaw("Design/EditToolsX", row.stored);
    const Settings settings(IniFile());
    EXPECT_EQ(settings.ReadInteger(kDesignSection, "EditToolsX", 7), row.expected) << "stored: " << row.stored;
  }
}

TEST_F(SettingsTest, StoredTextsReadAsSwitchesOrTheirDefault) {
  struct Row {
    const char* stored;
    bool defaultValue;
    bool expected;
  };
  const Row rows[] = {{"1", false, true}, {"0", true, false},   {"2", false, true},
                      {"ja", true, true}, {"ja", false, false}, {"", true, true}};
  for (const Row& row : rows) {
    StoreRaw("Options/AutoStoreChar", row.stored);
    const Settings settings(IniFile());
    EXPECT_EQ(settings.ReadBool(kOptionsSection, "AutoStoreChar", row.defaultValue), row.expected)
        << "stored: " << row.stored;
  }
}

TEST_F(SettingsTest, WrittenValuesSurviveReopeningAsStrings) {
  {
    Settings settings(IniFile());
    settings.WriteInteger(kOptionsSection, "XPOS", -20);
    settings.WriteBool(kOptionsSection, "HighLightSize", true);
    settings.WriteBool(kOptionsSection, "AutoLoadChar", false);
    settings.WriteString(kOptionsSection, "Demotext", "AaBbCc ÄäÖöÜüß 123");
    settings.WriteString(kFilesSection, "Font00", "/home/u/A&B.fnt");
    settings.Sync();
  }
  const Settings settings(IniFile());
  EXPECT_EQ(settings.ReadInteger(kOptionsSection, "XPOS", 0), -20);
  EXPECT_TRUE(settings.ReadBool(kOptionsSection, "HighLightSize", false));
  EXPECT_FALSE(settings.ReadBool(kOptionsSection, "AutoLoadChar", true));
  EXPECT_EQ(settings.ReadString(kOptionsSection, "Demotext", ""), "AaBbCc ÄäÖöÜüß 123");
  EXPECT_EQ(settings.ReadString(kFilesSection, "Font00", ""), "/home/u/A&B.fnt");

  const QSettings raw(IniFile(), QSettings::IniFormat);
  EXPECT_EQ(raw.value("Options/XPOS").toString(), "-20");
  EXPECT_EQ(raw.value("Options/HighLightSize").toString(), "1");
  EXPECT_EQ(raw.value("Options/AutoLoadChar").toString(), "0");
}

TEST_F(SettingsTest, RemovedValuesReadAsDefaultsAgain) {
  Settings settings(IniFile());
  settings.WriteInteger(kOptionsSection, "Space", 3);
  settings.WriteString(kFilesSection, "Font00", "a.fnt");
  settings.WriteString(kFilesSection, "Font01", "b.fnt");

  settings.DeleteKey(kOptionsSection, "Space");
  EXPECT_FALSE(settings.ValueExists(kOptionsSection, "Space"));
  EXPECT_EQ(settings.ReadInteger(kOptionsSection, "Space", 1), 1);

  settings.EraseSection(kFilesSection);
  EXPECT_FALSE(settings.ValueExists(kFilesSection, "Font00"));
  EXPECT_FALSE(settings.ValueExists(kFilesSection, "Font01"));
}

TEST_F(SettingsTest, SyncReportsAStoreThatCannotBeWritten) {
  // A plain file where the store's folder would have to be.
  QFile blocker(fdir.filePath("blocker"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();

  Settings settings(fdir.filePath("blocker/settings.ini"));
  settings.WriteInteger(kOptionsSection, "XPOS", 1);
  EXPECT_THROW(settings.Sync(), IoError);
}

}  // namespace
