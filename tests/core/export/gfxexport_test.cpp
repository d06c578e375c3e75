#include "export/gfxexport.h"
#include "export/csourcetext.h"
#include "exporttestsupport.h"
#include "model/ioerror.h"
#include "workedexamplefont.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <map>

namespace {

using ::testing::HasSubstr;

const std::string kGfxFrame = "/*----------------------------------------------------------------------------*/";
const std::string kGfxEof = "/*- EOF ----------------------------------------------------------------------*/";

std::string Comment(int c) { return Printf("  // 0x%2.2X '%c'", c, static_cast<char>(c)); }

// The Demo5x10.h of the worked example, line by line.
std::string WorkedExampleHeader() {
  const std::map<int, std::string> blocks = {{32, "  0x00, "},
                                             {33, "  0xAA, 0x88, "},
                                             {44, "  0x0A, 0x00, "},
                                             {98, "  0x84, 0x21, 0xE8, 0xC6, 0x3E, 0x01, 0x00, "}};
  const std::map<int, std::string> rows = {{32, "  {     0,  3,  1,  3,  0,  -1}, // 0x20 ' '"},
                                           {33, "  {     1,  2,  7,  2,  0,  -8}, // 0x21 '!'"},
                                           {44, "  {     3,  3,  3,  3,  0,  -1}, // 0x2C ','"},
                                           {98, "  {     5,  5, 10,  5,  0,  -8}  // 0x62 'b'"}};
  std::vector<std::string> lines = {
      kGfxFrame, "/* Arduino GFX-Font created with <kelvaront>-Rastermeister                    */", kGfxFrame,
      "// FontDemo5x10 (5 x 10 Pixel) max. 127 characters", "const uint8_t FontDemo5x10Bitmaps[] PROGMEM = {"};
  for (int c = 32; c <= 127; ++c) {
    const auto block = blocks.find(c);
    if (block == blocks.end()) {
      lines.push_back(Comment(c) + " not defined");
      continue;
    }
    lines.push_back(Comment(c));
    lines.push_back(block->second);
  }
  for (const char* line : {"  0x00", "};", "", "const GFXglyph FontDemo5x10Glyphs[] PROGMEM = {"})
    lines.push_back(line);
  std::string table;
  for (int c = 32; c <= 98; ++c) table += (c > 32 ? "\r" : "") + (rows.count(c) ? rows.at(c) : rows.at(32));
  lines.push_back(table);
  for (const char* line : {"};", "", "const GFXfont FontDemo5x10 PROGMEM = {", "  (uint8_t  *) FontDemo5x10Bitmaps,",
                           "  (GFXglyph *) FontDemo5x10Glyphs,", "  //ASCII start, ASCII stop,y Advance",
                           "  32, 98, 10 // 0x20=' ' - 0x62='b' ", "};", "// needs 42 bytes of Memory"})
    lines.push_back(line);
  lines.push_back(kGfxEof);
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

TEST(GfxExport, WritesTheWorkedExampleByteForByte) {
  TempDir dir;
  ExportGFX(WorkedExampleFont(), dir.File("Demo5x10.h"), GfxCodes::UpTo127);
  const std::string text = ReadBytes(dir.File("Demo5x10.h"));
  EXPECT_EQ(text, WorkedExampleHeader());
  for (const std::string& line : CrLfLines(text))
    if (line.rfind("/*", 0) == 0) {
      EXPECT_EQ(line.size(), 80u) << line;
    }
  EXPECT_THAT(dir.Names(), ::testing::ElementsAre("Demo5x10.h"));
}

std::string ExportedText(const TFontHandler& font, GfxCodes codes, const std::string& name = "Font.h",
                         GfxBitmaps bitmaps = GfxBitmaps::FullWidth) {
  TempDir dir;
  ExportGFX(font, dir.File(name), codes, bitmaps);
  return ReadBytes(dir.File(name));
}

// The bitmap lines and comments of the glyph of code c.
std::vector<std::string> BitmapLinesOf(const std::string& text, int c) {
  const std::vector<std::string> lines = CrLfLines(text);
  const std::string comment = Printf("  // 0x%2.2X ", c);
  for (std::size_t i = 0; i + 1 < lines.size(); ++i)
    if (lines[i].rfind(comment, 0) == 0) return {lines[i], lines[i + 1]};
  return {};
}

std::vector<std::string> GlyphTableRows(const std::string& text) {
  const std::vector<std::string> lines = CrLfLines(text);
  for (std::size_t i = 0; i + 1 < lines.size(); ++i)
    if (lines[i].find("GFXglyph Font") != std::string::npos) return CrParts(lines[i + 1]);
  return {};
}

std::string FontLine(const std::string& text) {
  const std::vector<std::string> lines = CrLfLines(text);
  return lines.size() >= 5 ? lines[lines.size() - 4] : "";
}

TEST(GfxExport, AnAllEmptyFontDefinesOnlyTheSpace) {
  TFontHandler font(16, 12);
  font.SetBaseLine(10);
  const std::string text = ExportedText(font, GfxCodes::UpTo127);
  EXPECT_THAT(GlyphTableRows(text), ::testing::ElementsAre("  {     0, 16,  1, 16,  0,  -1}  // 0x20 ' '"));
  EXPECT_THAT(BitmapLinesOf(text, 32), ::testing::ElementsAre("  // 0x20 ' '", "  0x00, 0x00, "));
  EXPECT_EQ(FontLine(text), "  32, 32, 12 // 0x20=' ' - 0x20=' ' ");
  EXPECT_THAT(text, HasSubstr("// needs 32 bytes of Memory\r\n"));
  EXPECT_THAT(text, HasSubstr("  // 0x7F '\x7F' not defined\r\n  0x00\r\n};\r\n"));
  EXPECT_THAT(text, ::testing::Not(HasSubstr("// 0x1F")));
}

TEST(GfxExport, InkBeyondTheWidthDoesNotDefineAGlyph) {
  TFontHandler font = WorkedExampleFont();
  PaintGlyph(font, 'A', {"...##", "...##"});
  const std::string text = ExportedText(font, GfxCodes::UpTo127);
  EXPECT_THAT(BitmapLinesOf(text, 'A'),
              ::testing::ElementsAre("  // 0x41 'A' not defined", "  // 0x42 'B' not defined"));
  EXPECT_EQ(GlyphTableRows(text)['A' - 32], GlyphTableRows(text)[0]);
}

TEST(GfxExport, AGlyphBelowTheBaselineStartsOneRowAboveIt) {
  TFontHandler font = WorkedExampleFont();
  PaintGlyph(font, '_', {".....", ".....", ".....", ".....", ".....", ".....", ".....", ".....", ".....", "###.."});
  const std::string text = ExportedText(font, GfxCodes::UpTo127);
  // Rows 7..9 of width 3: two empty rows, then the ink.
  EXPECT_THAT(BitmapLinesOf(text, '_'), ::testing::ElementsAre("  // 0x5F '_'", "  0x03, 0x80, "));
  EXPECT_EQ(GlyphTableRows(text)['_' - 32], "  {     5,  3,  3,  3,  0,  -1}, // 0x5F '_'");
}

struct BlockCase {
  int inkedRows;
  std::vector<std::string> bytes;
};

void PrintTo(const BlockCase& block, std::ostream* out) { *out << block.inkedRows << " inked rows"; }

class GfxBitmapBlock : public ::testing::TestWithParam<BlockCase> {};

TEST_P(GfxBitmapBlock, BreaksAfterEveryTwelfthByte) {
  TFontHandler font(8, 16);
  font.SetBaseLine(16);
  font.SetCharSize('#', 8);
  for (int y = 0; y < GetParam().inkedRows; ++y) font.SetPixel('#', 0, y, true);
  std::string block;
  for (const std::string& line : GetParam().bytes) block += (block.empty() ? "" : "\r") + line;
  EXPECT_THAT(BitmapLinesOf(ExportedText(font, GfxCodes::UpTo127), '#'),
              ::testing::ElementsAre("  // 0x23 '#'", block));
}

const std::string kTwelveBytes = "  0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, ";

INSTANTIATE_TEST_SUITE_P(ByteCounts, GfxBitmapBlock,
                         ::testing::Values(BlockCase{1, {"  0x80, "}}, BlockCase{12, {kTwelveBytes}},
                                           BlockCase{13, {kTwelveBytes, "  0x80, "}},
                                           BlockCase{16, {kTwelveBytes, "  0x80, 0x80, 0x80, 0x80, "}}));

TEST(GfxExport, Filetype15IgnoresCodesAbove127) {
  TFontHandler font = WorkedExampleFont();
  PaintGlyph(font, 0xE4, {"#"});
  const std::string text = ExportedText(font, GfxCodes::UpTo127);
  EXPECT_THAT(text, ::testing::Not(HasSubstr("0x80")));
  EXPECT_THAT(text, HasSubstr("  // 0x7F '\x7F' not defined\r\n  0x00\r\n"));
  EXPECT_EQ(GlyphTableRows(text).size(), 98u - 32 + 1);
}

TEST(GfxExport, Filetype16WritesCodesUpTo255InWindows1252) {
  TFontHandler font = WorkedExampleFont();
  PaintGlyph(font, 0xE4, {"#"});
  const std::string text = ExportedText(font, GfxCodes::UpTo255);
  // U+0080 is no Windows-1252 character; U+00E4 is the byte E4.
  EXPECT_THAT(text, HasSubstr("  // 0x80 '?' not defined\r\n"));
  EXPECT_THAT(BitmapLinesOf(text, 0xE4), ::testing::ElementsAre("  // 0xE4 '\xE4'", "  0x80, "));
  EXPECT_THAT(text, HasSubstr("  // 0xFF '\xFF' not defined\r\n  0x00\r\n"));
  EXPECT_EQ(GlyphTableRows(text).back(), "  {    12,  3,  1,  3,  0,  -8}  // 0xE4 '\xE4'");
  EXPECT_EQ(FontLine(text), "  32, 228, 10 // 0x20=' ' - 0xE4='\xE4' ");
  EXPECT_THAT(text, HasSubstr("max. 255 characters"));
}

TEST(GfxExport, ASpaceOfWidthZeroHasAnEmptyBitmapLine) {
  TFontHandler font = WorkedExampleFont();
  font.SetCharSize(' ', 0);
  const std::string text = ExportedText(font, GfxCodes::UpTo127);
  EXPECT_THAT(BitmapLinesOf(text, ' '), ::testing::ElementsAre("  // 0x20 ' '", "  "));
  EXPECT_EQ(GlyphTableRows(text)[0], "  {     0,  0,  1,  0,  0,  -1}, // 0x20 ' '");
  EXPECT_EQ(GlyphTableRows(text)[1], "  {     0,  2,  7,  2,  0,  -8}, // 0x21 '!'");
}

TEST(GfxExport, ACodeBelow32ShowsNoCharacter) {
  TFontHandler font = WorkedExampleFont();
  PaintGlyph(font, 1, {"#"});
  const std::string text = ExportedText(font, GfxCodes::UpTo127);
  EXPECT_THAT(BitmapLinesOf(text, 1), ::testing::ElementsAre("  // 0x01 ", "  0x80, "));
  EXPECT_THAT(text, HasSubstr("  // 0x0D  not defined\r\n"));
  EXPECT_EQ(GlyphTableRows(text)[0], "  {     0,  3,  1,  3,  0,  -8}, // 0x01 ");
  EXPECT_EQ(GlyphTableRows(text)[1], "  {     1,  3,  1,  3,  0,  -1}, // 0x20 ' '");
  EXPECT_EQ(FontLine(text), "  1, 98, 10 // 0x01 - 0x62='b' ");
}

// The identifiers take the name made fit for C; the comment shows it as it is.
TEST(GfxExport, TheNameIsTheFileNameWithoutDirectoryAndLastExtension) {
  const std::string text = ExportedText(WorkedExampleFont(), GfxCodes::UpTo127, "My.Font.h");
  EXPECT_THAT(text, HasSubstr("// FontMy.Font (5 x 10 Pixel) max. 127 characters\r\n"));
  EXPECT_THAT(text, HasSubstr("const GFXfont FontMy_Font PROGMEM = {\r\n"));
}

// A 64 x 64 font with the first `inked` codes from 1 on 64 wide and inked in
// all rows of their first `columns` columns.
TFontHandler LargeFont(int inked, int columns = 64) {
  TFontHandler font(64, 64);
  for (int c = 1; c <= inked; ++c)
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < columns; ++x) font.SetPixel(c, x, y, true);
  return font;
}

TEST(GfxExport, AcceptsGlyphsUpToTheLast16BitOffset) {
  // 128 glyphs of 512 bytes end exactly at byte 65535.
  const std::vector<std::string> rows = GlyphTableRows(ExportedText(LargeFont(128), GfxCodes::UpTo255));
  ASSERT_EQ(rows.size(), 128u);
  EXPECT_EQ(rows.back(), "  { 65024, 64, 64, 64,  0, -64}  // 0x80 '?'");
}

TEST(GfxExport, RefusesAGlyphBeyondThe16BitOffsetAndKeepsTheOldFile) {
  TempDir dir;
  const std::string path = dir.File("Large.h");
  WriteBytes(path, "old");
  try {
    ExportGFX(LargeFont(200), path, GfxCodes::UpTo255);
    FAIL() << "a font past 65535 bitmap bytes was exported";
  } catch (const FontError& error) {
    EXPECT_THAT(error.what(), HasSubstr("Zeichen 129 (0x81)"));
    EXPECT_THAT(error.what(), HasSubstr("\"GFX Arduino Font - Include (max.127 Zeichen)\""));
  }
  EXPECT_EQ(ReadBytes(path), "old");
  EXPECT_THAT(dir.Names(), ::testing::ElementsAre("Large.h"));
  EXPECT_NO_THROW(ExportGFX(LargeFont(200), path, GfxCodes::UpTo127));
}

TEST(GfxExport, RefusesAGlyphThatWouldStraddleThe16BitLimit) {
  TFontHandler font = LargeFont(129);
  // 128 keeps its top row: 8 bytes up to byte 65031; 129 would run from 65032 past 65535.
  for (int y = 1; y < 64; ++y)
    for (int x = 0; x < 64; ++x) font.SetPixel(0x80, x, y, false);
  try {
    ExportGFX(font, TempDir().File("Large.h"), GfxCodes::UpTo255);
    FAIL() << "a glyph reaching past byte 65535 was exported";
  } catch (const FontError& error) {
    EXPECT_THAT(error.what(), HasSubstr("Zeichen 129 (0x81)"));
  }
}

// The compact layout takes the wider cut only when the ink fills the cell.
struct LimitCase {
  const char* label;
  int inkedColumns;
  GfxBitmaps bitmaps;
  const char* suggestedEntry;  // nothing when the font fits
};

void PrintTo(const LimitCase& limit, std::ostream* out) { *out << limit.label; }

class GfxBitmapLimit : public ::testing::TestWithParam<LimitCase> {};

TEST_P(GfxBitmapLimit, RefusesOnlyBitmapsBeyondThe16BitOffset) {
  const LimitCase& limit = GetParam();
  const TFontHandler font = LargeFont(200, limit.inkedColumns);
  TempDir dir;
  const std::string path = dir.File("Large.h");
  WriteBytes(path, "old");
  if (limit.suggestedEntry == nullptr) {
    ExportGFX(font, path, GfxCodes::UpTo255, limit.bitmaps);
    EXPECT_EQ(GlyphTableRows(ReadBytes(path)).size(), 200u);
    return;
  }
  try {
    ExportGFX(font, path, GfxCodes::UpTo255, limit.bitmaps);
    FAIL() << "a font past 65535 bitmap bytes was exported";
  } catch (const GfxLimitError& error) {
    EXPECT_EQ(error.reason(), GfxLimitError::Reason::BitmapOffset);
    EXPECT_EQ(error.value(), 129);
    EXPECT_THAT(error.what(), HasSubstr("Zeichen 129 (0x81)"));
    EXPECT_THAT(error.what(), HasSubstr(std::string("\"") + limit.suggestedEntry + "\""));
  }
  EXPECT_EQ(ReadBytes(path), "old");
  EXPECT_NO_THROW(ExportGFX(font, path, GfxCodes::UpTo127, limit.bitmaps));
}

INSTANTIATE_TEST_SUITE_P(Layouts, GfxBitmapLimit,
                         ::testing::Values(LimitCase{"FullWidthInkedCells", 64, GfxBitmaps::FullWidth,
                                                     "GFX Arduino Font - Include (max.127 Zeichen)"},
                                           LimitCase{"FullWidthHalfInked", 32, GfxBitmaps::FullWidth,
                                                     "GFX Arduino Font - Include (max.127 Zeichen)"},
                                           LimitCase{"CompactInkedCells", 64, GfxBitmaps::Compact,
                                                     "GFX Arduino Font kompakt - Include (max.127 Zeichen)"},
                                           LimitCase{"CompactHalfInked", 32, GfxBitmaps::Compact, nullptr}),
                         [](const auto& info) { return std::string(info.param.label); });

// ---- The compact layout

std::string CompactText(const TFontHandler& font, GfxCodes codes = GfxCodes::UpTo127) {
  return ExportedText(font, codes, "Font.h", GfxBitmaps::Compact);
}

// Each glyph cut to its ink box: '!' one column of seven rows, ',' two rows
// below the baseline, 'A' an x offset of 2 (its ink beyond the width of 4 left
// out), 'b' its whole cell; the blank space an empty box that still advances.
TEST(GfxCompact, CutsTheWorkedExampleToItsInk) {
  TFontHandler font = WorkedExampleFont();
  font.SetCharSize('A', 4);
  PaintGlyph(font, 'A', {".....", ".....", "..#.#", "...#."});
  const std::string text = CompactText(font);
  const std::vector<std::string> rows = GlyphTableRows(text);
  ASSERT_EQ(rows.size(), 98u - 32 + 1);
  EXPECT_EQ(rows[0], "  {     0,  0,  0,  3,  0,   0}, // 0x20 ' '");
  EXPECT_EQ(rows['!' - 32], "  {     0,  1,  7,  2,  0,  -8}, // 0x21 '!'");
  EXPECT_EQ(rows[',' - 32], "  {     1,  2,  2,  3,  0,   0}, // 0x2C ','");
  EXPECT_EQ(rows['A' - 32], "  {     2,  2,  2,  4,  2,  -6}, // 0x41 'A'");
  EXPECT_EQ(rows['b' - 32], "  {     3,  5, 10,  5,  0,  -8}  // 0x62 'b'");
  EXPECT_EQ(rows['"' - 32], rows[0]);
  EXPECT_THAT(BitmapLinesOf(text, ' '), ::testing::ElementsAre("  // 0x20 ' '", "  "));
  EXPECT_THAT(BitmapLinesOf(text, '!'), ::testing::ElementsAre("  // 0x21 '!'", "  0xFA, "));
  EXPECT_THAT(BitmapLinesOf(text, ','), ::testing::ElementsAre("  // 0x2C ','", "  0x60, "));
  EXPECT_THAT(BitmapLinesOf(text, 'A'), ::testing::ElementsAre("  // 0x41 'A'", "  0x90, "));
  EXPECT_THAT(BitmapLinesOf(text, 'b'),
              ::testing::ElementsAre("  // 0x62 'b'", "  0x84, 0x21, 0xE8, 0xC6, 0x3E, 0x01, 0x00, "));
  // No byte after the last glyph's: 10 bitmap bytes and the allowance of 30.
  EXPECT_THAT(text, HasSubstr("  // 0x7F '\x7F' not defined\r\n};\r\n"));
  EXPECT_THAT(text, HasSubstr("// needs 40 bytes of Memory\r\n"));
  EXPECT_EQ(FontLine(text), "  32, 98, 10 // 0x20=' ' - 0x62='b' ");
}

// C has no empty arrays, so a font without ink keeps the one closing byte.
TEST(GfxCompact, AnAllEmptyFontKeepsOneByte) {
  TFontHandler font(16, 12);
  font.SetBaseLine(10);
  const std::string text = CompactText(font);
  EXPECT_THAT(GlyphTableRows(text), ::testing::ElementsAre("  {     0,  0,  0, 16,  0,   0}  // 0x20 ' '"));
  EXPECT_THAT(text, HasSubstr("  // 0x7F '\x7F' not defined\r\n  0x00\r\n};\r\n"));
  EXPECT_THAT(text, HasSubstr("// needs 30 bytes of Memory\r\n"));
}

// Only the bitmaps and the glyph table differ from the full-width header.
TEST(GfxCompact, KeepsTheNamesRangeAndFontRecord) {
  TFontHandler font = WorkedExampleFont();
  PaintGlyph(font, 0xE4, {"", ".#"});
  const auto outside = [](const std::string& text) {
    std::vector<std::string> lines;
    for (const std::string& line : CrLfLines(text))
      if (line.rfind("  ", 0) != 0 && line.rfind("// needs", 0) != 0) lines.push_back(line);
    return lines;
  };
  for (const GfxCodes codes : {GfxCodes::UpTo127, GfxCodes::UpTo255}) {
    SCOPED_TRACE(static_cast<int>(codes));
    const std::string compact = CompactText(font, codes);
    const std::string full = ExportedText(font, codes);
    EXPECT_EQ(outside(compact), outside(full));
    EXPECT_EQ(FontLine(compact), FontLine(full));
    EXPECT_EQ(GlyphTableRows(compact).size(), GlyphTableRows(full).size());
  }
}

class GfxBaseLine : public ::testing::TestWithParam<int> {};

TEST_P(GfxBaseLine, OutsideTheCellIsRefused) {
  TFontHandler font = WorkedExampleFont();
  font.SetBaseLine(GetParam());
  TempDir dir;
  try {
    ExportGFX(font, dir.File("Demo.h"), GfxCodes::UpTo127);
    FAIL() << "baseline " << GetParam() << " was exported";
  } catch (const FontError& error) {
    EXPECT_THAT(error.what(), HasSubstr("Grundlinie " + std::to_string(GetParam())));
  }
  EXPECT_TRUE(dir.Names().empty());
}

INSTANTIATE_TEST_SUITE_P(Values, GfxBaseLine, ::testing::Values(0, -1, 11, 300));

TEST(GfxExport, AFailedWriteKeepsTheOldFileAndLeavesNoTemporaryFile) {
  TempDir dir;
  const std::string path = dir.File("Demo5x10.h");
  WriteBytes(path, "old");
  {
    const FileSizeCap cap(1000);
    EXPECT_THROW(ExportGFX(WorkedExampleFont(), path, GfxCodes::UpTo127), IoError);
  }
  EXPECT_EQ(ReadBytes(path), "old");
  EXPECT_THAT(dir.Names(), ::testing::ElementsAre("Demo5x10.h"));
}

TEST(GfxExport, AMissingFolderIsAnIoError) {
  TempDir dir;
  EXPECT_THROW(ExportGFX(WorkedExampleFont(), dir.File("missing/Demo.h"), GfxCodes::UpTo127), IoError);
}

}  // namespace
