#include "model/u8g2font.h"
#include "export/u8g2export.h"
#include "importtestsupport.h"
#include "model/fontimport.h"
#include "support/tempdir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

// Font bytes as a source text, every byte a three-digit octal escape so
// that none runs on, 16 bytes per line after the declaration's line.
std::string U8g2SourceOf(const ByteArray& bytes, const std::string& size = "") {
  std::string text = "const uint8_t u8g2_font_t[" + size + "] U8G2_FONT_SECTION(\"u8g2_font_t\") =\n  \"";
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    char escape[8];
    std::snprintf(escape, sizeof escape, "\\%03o", bytes[i]);
    text += escape;
    if ((i + 1) % 16 == 0) text += "\"\n  \"";
  }
  return text + "\";\n";
}

// Each byte a literal of its own, "\xNN", which C joins.
std::string HexLiterals(const ByteArray& bytes) {
  std::string text = "static const uint8_t u8g2_font_t[] U8G2_FONT_SECTION(\"u8g2_font_t\") =";
  for (const std::uint8_t b : bytes) {
    char literal[12];
    std::snprintf(literal, sizeof literal, " \"\\x%02X\"", b);
    text += literal;
  }
  return text + ";\n";
}

ImportedFont ReadFontBytes(const ByteArray& bytes, CodePage page = CodePage::Latin1) {
  return ReadU8g2Source(Bytes(U8g2SourceOf(bytes)), page);
}

ByteArray FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return ByteArray(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every pixel and width of the codes the export holds, the cell and the
// baseline; the codes it leaves out come back empty with width 0.
void ExpectSameFont(const TFontHandler& original, const TFontHandler& read, CodePage page) {
  ASSERT_EQ(read.FontWidth(), original.FontWidth());
  ASSERT_EQ(read.FontHeight(), original.FontHeight());
  EXPECT_EQ(read.BaseLine(), original.BaseLine());
  const std::string empty = GlyphPicture(TFontHandler(original.FontWidth(), original.FontHeight()), 0);
  for (int c = 0; c < kGlyphCount; ++c) {
    const bool kept = c > 0 && CodePointOf(page, static_cast<std::uint8_t>(c)) &&
                      (original.GetCharSize(c) > 0 || GlyphPicture(original, c).find('#') != std::string::npos);
    EXPECT_EQ(read.GetCharSize(c), kept ? original.GetCharSize(c) : 0) << "code " << c;
    EXPECT_EQ(GlyphPicture(read, c), kept ? GlyphPicture(original, c) : empty) << "code " << c;
  }
}

class U8g2RoundTrip : public ::testing::TestWithParam<CodePage> {};

TEST_P(U8g2RoundTrip, KeepsEveryPixelWidthAndTheBaseline) {
  const CodePage page = GetParam();
  for (const CellSize cell : RoundTripCells()) {
    SCOPED_TRACE(testing::PrintToString(cell));
    TFontHandler font = RandomFont(cell.w, cell.h, static_cast<unsigned>(cell.w * 100 + cell.h));
    // Busy large glyphs pass u8g2's record size: keep ink in four rows.
    for (int c = 0; c < kGlyphCount && cell.w * cell.h > 1024; ++c)
      for (int y = 4; y < cell.h; ++y)
        for (int x = 0; x < cell.w; ++x) font.SetPixel(c, x, y, false);
    TempDir dir;
    ExportU8g2(font, dir.File("font.h"), page);
    const ImportedFont read = ReadU8g2Source(FileBytes(dir.File("font.h")), page);
    EXPECT_EQ(read.format, FontFileFormat::U8g2Source);
    EXPECT_EQ(read.dropped, 0);
    ExpectSameFont(font, *read.font, page);
  }
}

INSTANTIATE_TEST_SUITE_P(CodePages, U8g2RoundTrip,
                         ::testing::Values(CodePage::Latin1, CodePage::Windows1252, CodePage::Cp437),
                         [](const auto& info) { return std::string(CodePageName(info.param)); });

// The widths the export picks give the smallest font of all widths bdfconv
// tries, and every one of them decodes to the same font.
TEST(U8g2Font, ChosenRunWidthsGiveTheSmallestFontOfAll) {
  for (unsigned seed = 1; seed <= 4; ++seed) {
    const TFontHandler font = RandomFont(3 + static_cast<int>(seed) * 3, 4 + static_cast<int>(seed) * 2, seed);
    const U8g2Font chosen = MakeU8g2Font(font, CodePage::Windows1252);
    std::size_t smallest = chosen.data.size() + 1;
    for (int zeros = kU8g2MinZeroBits; zeros <= kU8g2MaxZeroBits; ++zeros)
      for (int ones = kU8g2MinOneBits; ones <= kU8g2MaxOneBits; ++ones) {
        const U8g2Font fixed = MakeU8g2Font(font, CodePage::Windows1252, U8g2RunBits{zeros, ones});
        EXPECT_EQ(fixed.data[U8g2Format::ZeroRunBits], zeros);
        EXPECT_EQ(fixed.data[U8g2Format::OneRunBits], ones);
        smallest = std::min(smallest, fixed.data.size());
        ExpectSameFont(font, *ReadFontBytes(fixed.data, CodePage::Windows1252).font, CodePage::Windows1252);
      }
    EXPECT_EQ(chosen.data.size(), smallest) << "seed " << seed;
  }
}

// The style of u8g2's own font files: a comment, the size in brackets, lines
// of 32 bytes with octal escapes and plain characters, the closing zero
// left to the literal; and the same bytes written other ways.
TEST(U8g2Font, ReadsTheArrayAsACompilerDoes) {
  const TFontHandler font = RandomFont(6, 9, 3);
  TempDir dir;
  ExportU8g2(font, dir.File("font.h"), CodePage::Latin1);
  const ByteArray file = FileBytes(dir.File("font.h"));
  const std::string exported(file.begin(), file.end());
  const ByteArray data = MakeU8g2Font(font, CodePage::Latin1).data;
  const std::string declared = std::to_string(data.size());
  const ByteArray shorter(data.begin(), data.end() - 1);
  const std::string styles[] = {
      "/*\n  Fontname: -x-\n  Glyphs: 1/1\n*/\nextern const uint8_t other[];\n#ifdef U8G2_USE_LARGE_FONTS\n" +
          exported + "#endif\n",
      U8g2SourceOf(shorter),
      U8g2SourceOf(shorter, declared),
      U8g2SourceOf(ByteArray(shorter.begin(), shorter.end() - 1), declared) + "// the rest is zero\n",
      HexLiterals(shorter),
  };
  for (const std::string& style : styles) {
    const ImportedFont read = ReadU8g2Source(Bytes(style), CodePage::Latin1);
    ExpectSameFont(font, *read.font, CodePage::Latin1);
  }
}

TEST(U8g2Font, IsRecognisedByItsSection) {
  const TFontHandler font = RandomFont(5, 7, 2);
  const ByteArray source = Bytes(U8g2SourceOf(MakeU8g2Font(font, CodePage::Latin1).data));
  EXPECT_TRUE(IsU8g2Source(source));
  EXPECT_FALSE(IsU8g2Source(Bytes("const GFXfont F = {};")));
  EXPECT_EQ(ImportFont(source).format, FontFileFormat::U8g2Source);
}

// Code points the code page lacks are dropped and counted; codes the font
// lacks come in empty with width 0.
TEST(U8g2Font, MapsCodePointsBackThroughTheCodePage) {
  TFontHandler font(4, 4);
  font.SetBaseLine(3);
  for (int c = 0; c < kGlyphCount; ++c) font.SetCharSize(c, 0);
  for (const int c : {0x41, 0xB0, 0xC4}) font.SetPixel(c, 1, 1, true);
  const ByteArray data = MakeU8g2Font(font, CodePage::Cp437).data;  // 0xB0 is U+2591, 0xC4 U+2500
  const ImportedFont asLatin1 = ReadFontBytes(data, CodePage::Latin1);
  EXPECT_EQ(asLatin1.dropped, 2);
  const ImportedFont asCp437 = ReadFontBytes(data, CodePage::Cp437);
  EXPECT_EQ(asCp437.dropped, 0);
  for (const int c : {0x41, 0xB0, 0xC4}) EXPECT_TRUE(asCp437.font->GetPixel(c, 1, 1)) << c;
  EXPECT_EQ(asCp437.font->GetCharSize(0x42), 0);
}

struct BrokenU8g2 {
  const char* label;
  std::function<std::string(ByteArray)> source;  // from the bytes of a good font
  std::string english;
};

ByteArray With(ByteArray data, std::size_t at, const std::vector<std::uint8_t>& bytes) {
  for (const std::uint8_t b : bytes) data.at(at++) = b;
  return data;
}

std::string SourceWithout(const ByteArray& data) { return U8g2SourceOf(ByteArray(data.begin(), data.end() - 1)); }

// The good font: 'A' (three rows), 'B', and U+2591 from cp437.
ByteArray GoodFont() {
  TFontHandler font(5, 6);
  font.SetBaseLine(5);
  for (int c = 0; c < kGlyphCount; ++c) font.SetCharSize(c, 0);
  for (const int c : {int{'A'}, int{'B'}, 0xB0})
    for (int y = 1; y < 4; ++y) font.SetPixel(c, y, y, true);
  font.SetCharSize('B', 4);
  return MakeU8g2Font(font, CodePage::Cp437).data;
}

// Offsets in the good font: 'A' at 23 (6 bytes, its fields 2, 2, 2, 2 and
// 4 bits wide), 'B' at 29, the closing pair at 35, the jump table at 37,
// U+2591 at 41, its closing pair at 48.
class U8g2Broken : public ::testing::TestWithParam<BrokenU8g2> {};

TEST_P(U8g2Broken, IsRefusedWithItsPlace) {
  const ByteArray good = GoodFont();
  ASSERT_EQ(good.size(), 50u);
  ASSERT_EQ(good[36], 0);
  ASSERT_EQ(good[41], 0x25);
  const Refusal refusal = RefusalOf([](const ByteArray& data) { return ReadU8g2Source(data, CodePage::Cp437); },
                                    Bytes(GetParam().source(good)));
  EXPECT_THAT(refusal.english, StartsWith("u8g2 font, line "));
  EXPECT_THAT(refusal.english, HasSubstr(GetParam().english));
  EXPECT_THAT(refusal.german, StartsWith("u8g2-Font, Zeile "));
}

// Each fault made in the good font's bytes, or in the text around them.
using Change = std::function<std::string(ByteArray)>;
Change Changed(std::size_t at, std::vector<std::uint8_t> bytes) {
  return [at, bytes](const ByteArray& data) { return SourceWithout(With(data, at, bytes)); };
}
Change Cut(std::size_t size) {
  return [size](const ByteArray& data) { return U8g2SourceOf(ByteArray(data.begin(), data.begin() + size)); };
}
Change Text(std::string text) {
  return [text](const ByteArray&) { return text; };
}

INSTANTIATE_TEST_SUITE_P(
    Faults, U8g2Broken,
    ::testing::Values(
        BrokenU8g2{"NoSection", Text("const uint8_t f[] = \"\";"), "line 1: the file holds no U8G2_FONT_SECTION array"},
        BrokenU8g2{"NoString", Text("uint8_t f[] U8G2_FONT_SECTION(\"f\") = {1};"),
                   "line 1: expected a string literal, found \"{\""},
        BrokenU8g2{"OpenString", Text("uint8_t f[] U8G2_FONT_SECTION(\"f\") =\n \"\\1"),
                   "line 2: the string literal does not end on its line"},
        BrokenU8g2{"BadEscape", Text("uint8_t f[] U8G2_FONT_SECTION(\"f\") = \"\\q\";"),
                   "the escape sequence \"\\q\" is malformed"},
        BrokenU8g2{"LongerThanDeclared", Text("uint8_t f[2] U8G2_FONT_SECTION(\"f\") = \"abc\";"),
                   "the string literals hold 3 bytes, more than the array's 2"},
        BrokenU8g2{"ShorterThanHeader", Cut(20), "line 2: font byte 0: the font is shorter than its header"},
        BrokenU8g2{"NoRunBits", Changed(2, {0}), "line 2: font byte 2: the bit width 0 is not within 1...8"},
        BrokenU8g2{"WideField", Changed(7, {9}), "font byte 7: the bit width 9 is not within 1...8"},
        BrokenU8g2{"RecordPastTheEnd", Changed(30, {200}), "line 3: font byte 29: the glyph record runs past"},
        BrokenU8g2{"TinyRecord", Changed(24, {2}), "font byte 23: the glyph record is only 2 bytes long"},
        BrokenU8g2{"NoListEnd", Cut(35), "font byte 35: the glyph list has no end"},
        BrokenU8g2{"ShortMetrics", Changed(24, {3}), "font byte 25: the glyph ends before its metrics"},
        BrokenU8g2{"ShortGlyphBits", Changed(24, {4}), "font byte 25: the glyph's bits end before its box is full"},
        BrokenU8g2{"StartMissesA", Changed(17, {0, 6}), "font byte 17: the start position of 'A' misses glyphs"},
        BrokenU8g2{"StartOffGlyph", Changed(19, {0, 3}), "font byte 19: the start position of 'a' misses glyphs"},
        BrokenU8g2{"JumpOffGlyph", Changed(37, {0, 5}),
                   "font byte 37: the jump table does not lead to the first glyph"},
        BrokenU8g2{"UnicodeAtLowCode", Changed(41, {0, 0x41}),
                   "font byte 41: the encoding 65 does not follow in ascending order above 255"},
        BrokenU8g2{"NegativeAdvance", Changed(26, {0x80}), "font byte 25: the glyph has a negative advance"},
        BrokenU8g2{"InkBelowTheBox", Changed(25, {0xF7}), "font byte 25: the glyph draws below its box"}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
