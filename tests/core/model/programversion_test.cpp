#include "model/programversion.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgramVersion, FormatCutsToTheAskedNumberOfParts) {
  const PackedVersion version = PackVersion(3, 1, 0, 1);
  struct Case {
    int count;
    const char* text;
  };
  for (const Case& k : {Case{4, "3.1.0.1"}, Case{3, "3.1.0"}, Case{2, "3.1"}, Case{1, "3"}, Case{5, "3.1.0.1"},
                        Case{0, ""}, Case{-1, ""}})
    EXPECT_EQ(FormatVersion(version, k.count), k.text) << k.count;
}

TEST(ProgramVersion, PartsKeepTheirSixteenBitsApart) {
  const PackedVersion version = PackVersion(65535, 0, 258, 7);
  EXPECT_EQ(version, 0xFFFF'0000'0102'0007u);
  EXPECT_EQ(FormatVersion(version, 4), "65535.0.258.7");
  EXPECT_EQ(VersionPart(version, 0), 65535);
  EXPECT_EQ(VersionPart(version, 2), 258);
}

// The numbers compiled into the programs are those of project(VERSION) in CMake.
TEST(ProgramVersion, IsTheProjectVersion) {
  EXPECT_EQ(ProgramVersionText(), GLYPH_PROJECT_VERSION);
  EXPECT_EQ(FormatVersion(ProgramVersion(), 3), ProgramVersionText());
}

}  // namespace
