#include "version.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

namespace {

TEST(VersionTest, TheProgramFileCarriesTheBuildsVersionAndWordSize) {
  const QString program = ProgramFile();
  const std::uint64_t file = GetFileVersion(program);
  const std::uint64_t product = GetProductVersion(program);
  EXPECT_EQ(file, ProgramVersion());
  EXPECT_EQ(product >> 16, file >> 16) << "major, minor and release agree";
  EXPECT_EQ(product & 0xFFFF, sizeof(void*) * 8);
  EXPECT_EQ(FileVersionString(program), VersionText(file, 4));
  EXPECT_EQ(FormatFileVersion(program, 2), VersionText(file, 2));
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
