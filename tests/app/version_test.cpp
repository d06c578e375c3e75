#include "app/version.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

namespace {

TEST(VersionTest, FormatsTheFirstCountPartsInDecimal) {
  const std::uint64_t version = MakeVersion(3, 1, 0, 1);
  const std::pair<int, const char*> rows[] = {{4, "3.1.0.1"}, {3, "3.1.0"}, {2, "3.1"},    {1, "3"},
                                              {0, ""},        {-2, ""},     {5, "3.1.0.1"}};
  for (const auto& [count, text] : rows) EXPECT_EQ(FormatVersion(version, count).toStdString(), text) << count;
  EXPECT_EQ(FormatVersion(MakeVersion(65535, 0, 10, 300), 4).toStdString(), "65535.0.10.300");
}

TEST(VersionTest, TheProgramFileCarriesTheBuildsVersionAndWordSize) {
  const QString program = ProgramFile();
  const std::uint64_t file = GetFileVersion(program);
  const std::uint64_t product = GetProductVersion(program);
  EXPECT_NE(file, 0u);
  EXPECT_EQ(product >> 16, file >> 16) << "major, minor and release agree";
  EXPECT_EQ(product & 0xFFFF, sizeof(void*) * 8);
  EXPECT_EQ(FileVersionString(program), FormatVersion(file, 4));
  EXPECT_EQ(FormatFileVersion(program, 2), FormatVersion(file, 2));
  EXPECT_EQ(IsPreRelease(program), (file >> 48) == 0);
}

TEST(VersionTest, OtherFilesCarryNoVersion) {
  QTemporaryDir dir;
  QFile other(dir.filePath("other"));
  ASSERT_TRUE(other.open(QIODevice::WriteOnly));
  other.close();
  for (const QString& name : {other.fileName(), dir.filePath("missing"), QString()}) {
    EXPECT_EQ(GetFileVersion(name), 0u);
    EXPECT_EQ(GetProductVersion(name), 0u);
    EXPECT_FALSE(IsPreRelease(name));
    EXPECT_EQ(FileVersionString(name).toStdString(), "0.0.0.0");
  }
}

}  // namespace
