#include "model/psffont.h"
#include "importtestsupport.h"
#include "model/fontimport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>

namespace {

using ::testing::HasSubstr;

// The byte of row y of glyph c in the test files below.
std::uint8_t PatternByte(int c, int y, int byte) { return static_cast<std::uint8_t>(c * 7 + y * 13 + byte * 29); }

void AppendGlyphs(ByteArray& file, int width, int height, int count) {
  const int rowBytes = (width + 7) / 8;
  for (int c = 0; c < count; ++c)
    for (int y = 0; y < height; ++y)
      for (int b = 0; b < rowBytes; ++b) file.push_back(PatternByte(c, y, b));
}

ByteArray Psf1File(int height, int count, std::uint8_t mode) {
  ByteArray file{0x36, 0x04, mode, static_cast<std::uint8_t>(height)};
  AppendGlyphs(file, 8, height, count);
  return file;
}

void AppendWord32(ByteArray& file, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) file.push_back(static_cast<std::uint8_t>(value >> shift));
}

struct Psf2Header {
  std::uint32_t width, height, count;
  std::uint32_t headerSize = 32;
  std::uint32_t glyphBytes = 0;  // 0: as width and height need
  std::uint32_t version = 0;
};

ByteArray Psf2File(const Psf2Header& header, int glyphsWritten) {
  ByteArray file{0x72, 0xB5, 0x4A, 0x86};
  const std::uint32_t glyphBytes = header.glyphBytes ? header.glyphBytes : (header.width + 7) / 8 * header.height;
  for (const std::uint32_t value :
       {header.version, header.headerSize, 0u, header.count, glyphBytes, header.height, header.width})
    AppendWord32(file, value);
  file.resize(std::max<std::size_t>(header.headerSize, file.size()), 0xEE);
  AppendGlyphs(file, static_cast<int>(header.width), static_cast<int>(header.height), glyphsWritten);
  return file;
}

void ExpectPatternGlyphs(const TFontHandler& font, int glyphs) {
  for (int c = 0; c < kGlyphCount; ++c)
    for (int y = 0; y < font.FontHeight(); ++y)
      for (int x = 0; x < font.FontWidth(); ++x) {
        const bool ink = c < glyphs && (PatternByte(c, y, x / 8) & (0x80 >> (x % 8))) != 0;
        ASSERT_EQ(font.GetPixel(c, x, y), ink) << "glyph " << c << " at " << x << "," << y;
      }
  for (int c = 0; c < kGlyphCount; ++c) ASSERT_EQ(font.GetCharSize(c), font.FontWidth()) << c;
}

TEST(PsfFont, VersionOneHoldsEightPixelWideGlyphs) {
  const ImportedFont imported = ReadPsf(Psf1File(14, 256, 0x02));
  EXPECT_EQ(imported.format, FontFileFormat::Psf1);
  EXPECT_EQ(imported.font->FontWidth(), 8);
  EXPECT_EQ(imported.font->FontHeight(), 14);
  EXPECT_EQ(imported.dropped, 0);
  ExpectPatternGlyphs(*imported.font, 256);
}

// An 8 x 16 PSF 1 file whose letters A-Z and digits end on the given rows.
ByteArray Psf1WithBottomRows(const std::map<int, int>& bottomRows, int otherRows) {
  ByteArray file{0x36, 0x04, 0x00, 16};
  for (int c = 0; c < 256; ++c) {
    const bool measured = (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    const auto given = bottomRows.find(c);
    const int bottom = given != bottomRows.end() ? given->second : measured ? otherRows : 15;
    for (int y = 0; y < 16; ++y) file.push_back(y >= 2 && y <= bottom ? 0x18 : 0x00);
  }
  return file;
}

// A PSF file names no baseline: the row under where most capitals and digits end.
TEST(PsfFont, TheBaselineLiesUnderTheRowMostCapitalsAndDigitsEndOn) {
  struct Case {
    const char* what;
    std::map<int, int> bottomRows;
    int otherRows;
    int baseline;
  };
  const Case cases[] = {
      {"all on one row", {}, 12, 13},
      {"Q and J reach lower", {{'Q', 14}, {'J', 13}}, 11, 12},
      {"a few lower digits", {{'3', 15}, {'5', 15}, {'7', 15}, {'9', 15}}, 10, 11},
      {"no ink at all", {}, -1, 16},
  };
  for (const Case& k : cases) {
    ByteArray file = Psf1WithBottomRows(k.bottomRows, k.otherRows);
    if (k.otherRows < 0) std::fill(file.begin() + 4, file.end(), 0);
    EXPECT_EQ(ReadPsf(file).font->BaseLine(), k.baseline) << k.what;
  }
}

TEST(PsfFont, OnlyTheFirstOfFiveHundredTwelveGlyphsAreTaken) {
  const ImportedFont imported = ReadPsf(Psf1File(8, 512, 0x01));
  EXPECT_EQ(imported.dropped, 256);
  ExpectPatternGlyphs(*imported.font, 256);
}

// Rows of more than one byte, and glyphs that start after a longer header.
TEST(PsfFont, VersionTwoHoldsAnyCellUpToSixtyFour) {
  for (const Psf2Header header : {Psf2Header{10, 20, 100, 40}, Psf2Header{1, 1, 256}, Psf2Header{64, 64, 300}}) {
    SCOPED_TRACE(std::to_string(header.width) + " x " + std::to_string(header.height));
    const ImportedFont imported = ReadPsf(Psf2File(header, static_cast<int>(header.count)));
    EXPECT_EQ(imported.format, FontFileFormat::Psf2);
    EXPECT_EQ(imported.font->FontWidth(), static_cast<int>(header.width));
    EXPECT_EQ(imported.font->FontHeight(), static_cast<int>(header.height));
    EXPECT_EQ(imported.dropped, header.count > 256 ? static_cast<int>(header.count) - 256 : 0);
    ExpectPatternGlyphs(*imported.font, static_cast<int>(header.count));
  }
}

TEST(PsfFont, BrokenFilesAreRefusedNamingTheOffset) {
  struct Case {
    const char* what;
    ByteArray file;
    std::string english;
  };
  const ByteArray good = Psf2File({8, 8, 1}, 1);
  ByteArray headerBeyond = good;
  headerBeyond[8] = 100;
  const Case cases[] = {
      {"PSF 1 header cut", ByteArray{0x36, 0x04, 0x00}, "offset 3: the file ends inside its 4-byte header"},
      {"PSF 2 header cut", ByteArray(good.begin(), good.begin() + 20),
       "offset 20: the file ends inside its 32-byte header"},
      {"PSF 1 glyphs cut", Psf1File(16, 255, 0x00),
       "offset 4084: the file announces 256 glyphs of 16 bytes but ends after 255"},
      {"PSF 1 count lies", Psf1File(8, 300, 0x01),
       "offset 2404: the file announces 512 glyphs of 8 bytes but ends after 300"},
      {"PSF 2 count lies", Psf2File({12, 24, 512}, 511),
       "offset 24560: the file announces 512 glyphs of 48 bytes but ends after 511"},
      {"PSF 1 height 0", Psf1File(0, 0, 0x00), "offset 3: the glyphs are 0 pixels high; 1 to 64 are possible"},
      {"PSF 1 height 65", Psf1File(65, 256, 0x00), "offset 3: the glyphs are 65 pixels high; 1 to 64 are possible"},
      {"PSF 2 width 65", Psf2File({65, 8, 256}, 256), "offset 28: the glyphs are 65 pixels wide; 1 to 64 are possible"},
      {"PSF 2 height 65", Psf2File({8, 65, 256}, 256), "offset 24: the glyphs are 65 pixels high"},
      {"glyph size lies", Psf2File({9, 10, 256, 32, 10}, 256),
       "offset 20: 10 bytes per glyph do not match 9 x 10 pixels (20 bytes)"},
      {"no glyphs", Psf2File({8, 8, 0}, 0), "offset 16: the file announces no glyphs"},
      {"header size too small", Psf2File({8, 8, 1, 16}, 1), "offset 8: the header size 16 is outside 32 to"},
      {"header size beyond the file", headerBeyond, "offset 8: the header size 100 is outside 32 to 40"},
      {"unknown version", Psf2File({8, 8, 1, 32, 0, 1}, 1), "offset 4: version 1 is unknown; version 0 can be read"},
  };
  for (const Case& k : cases) {
    const Refusal refusal = RefusalOf(ReadPsf, k.file);
    EXPECT_THAT(refusal.english, HasSubstr("PSF file, " + k.english)) << k.what;
    EXPECT_THAT(refusal.german, HasSubstr("PSF-Datei, Offset ")) << k.what;
  }
}

// Debian's console fonts, gzip-compressed as console-setup installs them.
class ConsoleFont : public testing::Test {
 protected:
  static std::string Path(const std::string& name) { return "/usr/share/consolefonts/" + name; }

  void SetUp() override {
    for (const char* name :
         {"Lat15-Fixed16.psf.gz", "Uni2-Fixed16.psf.gz", "Lat2-Terminus12x6.psf.gz", "Lat15-Terminus32x16.psf.gz"})
      if (!std::filesystem::exists(Path(name))) GTEST_SKIP() << Path(name) << " is missing (console-setup-linux)";
  }

  // The file unpacked by the system's gzip, apart from the program's own zlib use.
  static ByteArray Unpacked(const std::string& name) {
    std::FILE* pipe = ::popen(("gzip -dc '" + Path(name) + "'").c_str(), "r");
    ByteArray data;
    std::uint8_t buffer[4096];
    for (std::size_t got; pipe && (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
      data.insert(data.end(), buffer, buffer + got);
    if (pipe) ::pclose(pipe);
    return data;
  }
};

TEST_F(ConsoleFont, CellAndGlyphsAreTheFilesOwn) {
  struct Case {
    const char* name;
    std::string_view format;
    int width, height, dropped;
    std::size_t glyphsAt;
  };
  for (const Case& k : {Case{"Lat15-Fixed16.psf.gz", FontFileFormat::Psf1, 8, 16, 0, 4},
                        Case{"Uni2-Fixed16.psf.gz", FontFileFormat::Psf1, 8, 16, 256, 4},
                        Case{"Lat2-Terminus12x6.psf.gz", FontFileFormat::Psf2, 6, 12, 0, 32},
                        Case{"Lat15-Terminus32x16.psf.gz", FontFileFormat::Psf2, 16, 32, 0, 32}}) {
    SCOPED_TRACE(k.name);
    const ImportedFont imported = ImportFontFile(Path(k.name));
    const TFontHandler& font = *imported.font;
    EXPECT_EQ(imported.format, k.format);
    EXPECT_EQ(font.FontWidth(), k.width);
    EXPECT_EQ(font.FontHeight(), k.height);
    EXPECT_EQ(imported.dropped, k.dropped);
    const ByteArray raw = Unpacked(k.name);
    const std::size_t rowBytes = static_cast<std::size_t>(k.width + 7) / 8;
    ASSERT_GE(raw.size(), k.glyphsAt + 256 * rowBytes * k.height);
    for (int c = 0; c < kGlyphCount; ++c)
      for (int y = 0; y < k.height; ++y)
        for (int x = 0; x < k.width; ++x) {
          const std::uint8_t byte = raw[k.glyphsAt + (static_cast<std::size_t>(c) * k.height + y) * rowBytes + x / 8];
          ASSERT_EQ(font.GetPixel(c, x, y), (byte & (0x80 >> (x % 8))) != 0) << c << " at " << x << "," << y;
        }
  }
}

// The first glyph of the Latin-1 console font is the copyright sign.
TEST_F(ConsoleFont, ThePictureOfAGlyph) {
  const ImportedFont imported = ImportFontFile(Path("Lat15-Fixed16.psf.gz"));
  EXPECT_EQ(GlyphPicture(*imported.font, 0),
            "........\n"
            "........\n"
            "........\n"
            "........\n"
            "..####..\n"
            ".#....#.\n"
            "#..##..#\n"
            "#.#..#.#\n"
            "#.#....#\n"
            "#.#....#\n"
            "#.#..#.#\n"
            "#..##..#\n"
            ".#....#.\n"
            "..####..\n"
            "........\n"
            "........\n");
}

}  // namespace
