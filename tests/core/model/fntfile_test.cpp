#include "model/fntformat.h"
#include "model/fonthandler.h"
#include "model/ioerror.h"
#include "testfiles.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <filesystem>
#include <random>

namespace {

// A font with a pattern in every glyph, varied widths and every zone set.
TFontHandler PatternFont(int w, int h) {
  TFontHandler font(w, h);
  font.SetBaseLine(h - 1);
  for (int c = 0; c < kGlyphCount; ++c) {
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) font.SetPixel(c, x, y, (x * 3 + y * 5 + c) % 7 < 2);
    font.SetCharSize(c, c % (w + 1));
    TKerning& k = font.GetKerning(c);
    k.NWKerning = {c % 5, 255 - c};
    k.NOKerning = {c, 1};
    k.SWKerning = {2, c % 3};
    k.SOKerning = {255, 0};
  }
  return font;
}

ByteArray Header(int type, int w, int h, int baseline = 0) {
  const auto id = FntIdentification(type);
  ByteArray out(id.begin(), id.end());
  auto word = [&out](int v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
  };
  if (type != 1) word(baseline);
  word(w);
  word(h);
  return out;
}

struct FileSizeCase {
  int w, h, type;
  std::size_t size;
};

class FntFileSize : public testing::TestWithParam<FileSizeCase> {};

TEST_P(FntFileSize, MatchesTheRecordLayout) {
  const FileSizeCase& s = GetParam();
  TempDir dir;
  const std::string path = dir.File("f.fnt");
  TFontHandler(s.w, s.h).SaveFont(path, s.type);
  EXPECT_EQ(std::filesystem::file_size(path), s.size);
}

INSTANTIATE_TEST_SUITE_P(Sizes, FntFileSize,
                         testing::Values(FileSizeCase{8, 8, 1, 2080}, FileSizeCase{8, 8, 2, 2336},
                                         FileSizeCase{8, 8, 3, 4384}, FileSizeCase{16, 16, 1, 8224},
                                         FileSizeCase{16, 16, 2, 8480}, FileSizeCase{16, 16, 3, 10528},
                                         FileSizeCase{8, 16, 1, 4128}, FileSizeCase{8, 16, 2, 4384},
                                         FileSizeCase{8, 16, 3, 6432}));

TEST(FntFile, HeadersAreByteExact) {
  const TFontHandler font(8, 8);
  const ByteArray type1 = font.FontImage(1);
  const std::string expected1 = std::string("\x1b") + "KV-FONTFILE TYPE 001" + "      " + std::string(1, '\0') +
                                std::string("\x08\x00\x08\x00", 4);
  EXPECT_EQ(std::string(type1.begin(), type1.begin() + 32), expected1);

  TFontHandler tall(8, 300 / 20);
  tall.SetBaseLine(0x1234);
  const ByteArray type3 = tall.FontImage(3);
  const std::string expected3 = std::string("\x19") + "<kelvaront>-FONT 003" + "    " + std::string(1, '\0') +
                                std::string("\x34\x12\x08\x00\x0f\x00", 6);
  EXPECT_EQ(std::string(type3.begin(), type3.begin() + 32), expected3);
  const ByteArray type2 = tall.FontImage(2);
  EXPECT_EQ(type2[20], '2');
}

TEST(FntFile, Type3RecordsHoldWidthKerningThenPixels) {
  TFontHandler font(8, 2);
  font.SetCharSize(0, 5);
  font.GetKerning(0) = {{1, 2}, {3, 4}, {5, 6}, {7, 8}};
  font.SetPixel(0, 0, 0, true);
  font.SetPixel(0, 7, 1, true);
  const ByteArray image = font.FontImage(3);
  EXPECT_EQ(ByteArray(image.begin() + 32, image.begin() + 32 + 11), (ByteArray{5, 1, 2, 3, 4, 5, 6, 7, 8, 0x80, 0x01}));
  const ByteArray type2 = font.FontImage(2);
  EXPECT_EQ(ByteArray(type2.begin() + 32, type2.begin() + 35), (ByteArray{0x80, 0x01, 5}));
}

TEST(FntFile, KerningBytesAreTheLowEightBitsReadBackUnsigned) {
  struct Case {
    int value;
    std::uint8_t byte;
  };
  for (const Case& k : {Case{255, 0xFF}, Case{256, 0x00}, Case{300, 0x2C}, Case{-1, 0xFF}}) {
    TFontHandler font(8, 1);
    font.GetKerning(0).SOKerning = {k.value, 1};
    const ByteArray image = font.FontImage(3);
    EXPECT_EQ(image[32 + 7], k.byte) << k.value;
    TFontHandler loaded(8, 8);
    loaded.SetFontAsString(image);
    EXPECT_EQ(loaded.GetKerning(0).SOKerning, (TPoint{k.byte, 1})) << k.value;
  }
}

TEST(FntFile, AllTypesRoundTripThroughFileAndImage) {
  for (const auto& [w, h] : {std::pair{1, 1}, {5, 10}, {8, 8}, {9, 16}, {17, 3}, {64, 64}}) {
    const TFontHandler original = PatternFont(w, h);
    for (int type = 1; type <= 3; ++type) {
      TempDir dir;
      const std::string path = dir.File("round.fnt");
      original.SaveFont(path, type);
      EXPECT_EQ(original.fonttype(), 3) << "saving must not change the type";
      TFontHandler loaded(16, 16);
      loaded.LoadFont(path);
      ASSERT_TRUE(loaded.Fontvalid()) << w << "x" << h << " type " << type;
      EXPECT_EQ(loaded.fonttype(), type);
      EXPECT_EQ(loaded.FontAsString(), original.FontImage(type)) << w << "x" << h << " type " << type;
      EXPECT_EQ(loaded.BaseLine(), type == 1 ? h : h - 1);

      TFontHandler viaImage(3, 3);
      viaImage.SetFontAsString(loaded.FontAsString());
      EXPECT_EQ(viaImage.FontAsString(), loaded.FontAsString());
      for (int c = 0; c < kGlyphCount; ++c) {
        if (type == 3) {
          EXPECT_EQ(viaImage.GetKerning(c), original.GetKerning(c));
        } else {
          EXPECT_EQ(viaImage.GetKerning(c), TKerning());
        }
        if (type != 1) {
          EXPECT_EQ(viaImage.GetCharSize(c), original.GetCharSize(c));
        }
      }
    }
  }
}

TEST(FntFile, Type1WidthsComeFromTheInk) {
  // Glyphs: ink to column 4, ink to column 6, ink to column 7, and empty ones
  // whose previous widths were 0, 5 and 16 (from a 16 x 16 font before).
  TFontHandler source(8, 8);
  for (int x = 0; x <= 4; ++x) source.SetPixel(1, x, 3, true);
  source.SetPixel(2, 6, 0, true);
  source.SetPixel(3, 7, 7, true);
  TFontHandler target(16, 16);
  target.SetCharSize(4, 0);
  target.SetCharSize(5, 5);
  target.SetCharSize(6, 16);
  target.SetFontAsString(source.FontImage(1));
  ASSERT_TRUE(target.Fontvalid());
  struct Case {
    int c, width;
  };
  for (const Case& k : {Case{1, 6}, Case{2, 8}, Case{3, 8}, Case{4, 4}, Case{5, 5}, Case{6, 8}})
    EXPECT_EQ(target.GetCharSize(k.c), k.width) << "glyph " << k.c;
  EXPECT_EQ(target.BaseLine(), 8);
  EXPECT_EQ(target.fonttype(), 1);
}

TEST(FntFile, Type2WidthAboveTheCellLoadsAsTheCellWidth) {
  TFontHandler font(8, 8);
  ByteArray image = font.FontImage(2);
  image[32 + 8] = 200;  // width byte of glyph 0
  font.SetFontAsString(image);
  ASSERT_TRUE(font.Fontvalid());
  EXPECT_EQ(font.GetCharSize(0), 8);
  EXPECT_EQ(font.fonttype(), 2);
}

// A font that holds known content, to prove a rejected input changes nothing
// but the validity.
TFontHandler MarkedFont() {
  TFontHandler font(12, 14);
  font.SetCharSize(9, 7);
  font.SetBaseLine(11);
  font.GetKerning(9).NOKerning = {2, 3};
  font.Setfonttype(2);
  return font;
}

void ExpectInvalidButMetricsKept(const TFontHandler& font, const std::string& what) {
  EXPECT_FALSE(font.Fontvalid()) << what;
  EXPECT_EQ(font.FontWidth(), 12) << what;
  EXPECT_EQ(font.FontHeight(), 14) << what;
  EXPECT_EQ(font.GetCharSize(9), 7) << what;
  EXPECT_EQ(font.BaseLine(), 11) << what;
  EXPECT_EQ(font.GetKerning(9).NOKerning, (TPoint{2, 3})) << what;
  EXPECT_EQ(font.fonttype(), 2) << what;
  EXPECT_TRUE(font.FontAsString().empty()) << what;
}

struct BadImage {
  std::string what;
  ByteArray image;
};

std::vector<BadImage> BadImages() {
  const ByteArray good1 = TFontHandler(8, 8).FontImage(1);
  const ByteArray good3 = TFontHandler(8, 8).FontImage(3);
  std::vector<BadImage> cases = {
      {"empty", {}},
      {"31 bytes", ByteArray(good1.begin(), good1.begin() + 31)},
      {"header only", ByteArray(good1.begin(), good1.begin() + 32)},
      {"text", ByteArray{'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '\n'}},
      {"truncated glyph data", ByteArray(good3.begin(), good3.end() - 1)},
  };
  for (std::size_t pos = 1; pos < 28; ++pos) {
    ByteArray broken = good1;
    broken[pos] ^= 0x01;
    cases.push_back({"type 1 id byte " + std::to_string(pos), broken});
  }
  for (const auto& [what, w, h] : {std::tuple{"W 0", 0, 8}, {"H 0", 8, 0}, {"W 65", 65, 8}, {"H 65", 8, 65}}) {
    // As long as the header's cell size makes it, so only the size is wrong.
    ByteArray header = Header(3, w, h, 8);
    header.resize(header.size() + 256 * (9 + (w + 7) / 8 * h), 0);
    cases.push_back({what, header});
  }
  std::mt19937 random(7);
  ByteArray noise(5000);
  for (auto& b : noise) b = static_cast<std::uint8_t>(random());
  cases.push_back({"random bytes", noise});
  return cases;
}

TEST(FntFile, ImagesThatAreNoCompleteFontLeaveItInvalidAndUntouched) {
  for (const BadImage& bad : BadImages()) {
    TFontHandler font = MarkedFont();
    font.SetFontAsString(bad.image);
    ExpectInvalidButMetricsKept(font, bad.what);
  }
}

TEST(FntFile, LoadingFilesThatAreNoFontLeavesItInvalidWithoutError) {
  TempDir dir;
  for (const BadImage& bad : BadImages()) {
    const std::string path = dir.File("bad.fnt");
    WriteBytes(path, bad.image);
    TFontHandler font = MarkedFont();
    EXPECT_NO_THROW(font.LoadFont(path)) << bad.what;
    ExpectInvalidButMetricsKept(font, bad.what);
  }
}

TEST(FntFile, LoadingChecksTheLengthByteThatTheImageParserIgnores) {
  TempDir dir;
  struct Case {
    int type;
    std::uint8_t lengthByte;
  };
  for (const Case& k : {Case{1, 0x19}, Case{1, 0x00}, Case{2, 0x1B}, Case{3, 0x1B}, Case{3, 0x1A}}) {
    const std::string what =
        "length byte " + std::to_string(k.lengthByte) + " before a type " + std::to_string(k.type) + " id";
    ByteArray image = TFontHandler(8, 8).FontImage(k.type);
    image[0] = k.lengthByte;
    TFontHandler parsed = MarkedFont();
    parsed.SetFontAsString(image);
    EXPECT_TRUE(parsed.Fontvalid()) << what;
    EXPECT_EQ(parsed.fonttype(), k.type) << what;
    WriteBytes(dir.File("f.fnt"), image);
    TFontHandler loaded = MarkedFont();
    loaded.LoadFont(dir.File("f.fnt"));
    ExpectInvalidButMetricsKept(loaded, what);
  }
}

// Bits of the last byte of a row that belong to no column stay as the file
// has them and never count as ink.
TEST(FntFile, RowPaddingBitsAreKeptButNeverInk) {
  ByteArray image = TFontHandler(5, 2).FontImage(1);
  const std::size_t glyph7 = 32 + 7 * 2;
  image[glyph7] = 0x07;      // only padding bits
  image[glyph7 + 1] = 0xC3;  // columns 0 and 1, padding bits
  TFontHandler font(8, 8);
  font.SetFontAsString(image);
  ASSERT_TRUE(font.Fontvalid());
  EXPECT_EQ(font.GetCharSize(7), 3) << "rightmost inked column 1";
  for (int x = 0; x < 5; ++x) EXPECT_FALSE(font.GetPixel(7, x, 0)) << x;
  EXPECT_EQ(font.FontAsString(), image);
}

TEST(FntFile, BytesBeyondTheLastGlyphAreIgnored) {
  TempDir dir;
  const TFontHandler original = PatternFont(7, 9);
  ByteArray image = original.FontImage(2);
  image.insert(image.end(), 100, 0xAB);
  WriteBytes(dir.File("long.fnt"), image);
  TFontHandler font(16, 16);
  font.LoadFont(dir.File("long.fnt"));
  ASSERT_TRUE(font.Fontvalid());
  EXPECT_EQ(font.FontAsString(), original.FontImage(2));
}

TEST(FntFile, FileThatCannotBeOpenedRaisesAndChangesNothing) {
  TempDir dir;
  TFontHandler font = MarkedFont();
  font.SetPixel(9, 3, 3, true);
  const ByteArray before = font.FontAsString();
  try {
    font.LoadFont(dir.File("missing.fnt"));
    FAIL() << "no error";
  } catch (const IoError& error) {
    EXPECT_STREQ(error.what(), "Datei nicht gefunden");
  }
  EXPECT_THROW(font.LoadFont(dir.Path().string()), IoError);
  EXPECT_TRUE(font.Fontvalid());
  EXPECT_EQ(font.FontAsString(), before);
}

TEST(FntFile, WriteProtectedFileOpens) {
  TempDir dir;
  const std::string path = dir.File("ro.fnt");
  PatternFont(8, 8).SaveFont(path, 3);
  ::chmod(path.c_str(), 0444);
  TFontHandler font(16, 16);
  font.LoadFont(path);
  EXPECT_TRUE(font.Fontvalid());
}

TEST(FntFile, SavingAnInvalidFontWritesNothingAndRaises) {
  TempDir dir;
  const std::string path = dir.File("keep.fnt");
  WriteText(path, "previous content");
  TFontHandler font(8, 8);
  font.Clear();
  EXPECT_THROW(font.SaveFont(path, 3), FontError);
  EXPECT_EQ(ReadWholeFile(path),
            (ByteArray{'p', 'r', 'e', 'v', 'i', 'o', 'u', 's', ' ', 'c', 'o', 'n', 't', 'e', 'n', 't'}));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

// Even a user allowed to write anything (root) must not replace a file that
// carries no write permission at all.
TEST(FntFile, SavingOverAWriteProtectedFileRaisesAndKeepsIt) {
  TempDir dir;
  const std::string path = dir.File("ro.fnt");
  const TFontHandler previous = PatternFont(8, 8);
  previous.SaveFont(path, 3);
  ::chmod(path.c_str(), 0444);
  try {
    TFontHandler(16, 16).SaveFont(path, 1);
    FAIL() << "no error";
  } catch (const IoError& error) {
    EXPECT_STREQ(error.what(), "Dateizugriff verweigert");
  }
  EXPECT_EQ(ReadWholeFile(path), previous.FontImage(3));
  EXPECT_EQ(dir.Names().size(), 1u);
}

TEST(FntFile, SavingIntoAMissingFolderRaises) {
  TempDir dir;
  EXPECT_THROW(TFontHandler(8, 8).SaveFont(dir.File("no/such/folder.fnt"), 1), IoError);
}

TEST(FntFile, SavingReplacesAnExistingFileWhole) {
  TempDir dir;
  const std::string path = dir.File("f.fnt");
  PatternFont(64, 64).SaveFont(path, 3);
  const TFontHandler small(8, 8);
  small.SaveFont(path, 1);
  EXPECT_EQ(ReadWholeFile(path), small.FontImage(1));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

}  // namespace
