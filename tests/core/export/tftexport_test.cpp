#include "export/tftexport.h"
#include "export/csourcetext.h"
#include "exporttestsupport.h"
#include "model/ioerror.h"
#include "workedexamplefont.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <functional>
#include <map>

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

const std::string kTftFrame = "/*----------------------------------------------------------------------------*/";
const std::string kCreator = "/* TTFT_eSPI-Font created with <kelvaront>-Rastermeister                      */";
const std::string kTftEof = "/*- EOF ----------------------------------------------------------------------*/";

std::string JoinCrLf(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

const std::string kWorkedExampleHeader =
    JoinCrLf({kTftFrame, kCreator, kTftFrame, "", "// FontDemo5x10 (5 x 10 Pixel)", "#include <Fonts/Demo5x10.c>",
              "#define nr_chrs_Demo5x10 96", "#define chr_hgt_Demo5x10 10", "#define baseline_Demo5x10 8",
              "#define data_size_Demo5x10 8", "#define firstchr_Demo5x10 32", "",
              "extern const unsigned char widtbl_Demo5x10[96];",
              "extern const unsigned char* const chrtbl_Demo5x10[96];", "", kTftEof});

struct WorkedExampleCase {
  const char* label;
  TftCoding coding;
  std::map<int, std::string> blocks;
  int memory;
};

// The Demo5x10.c of the worked example: the arrays of 32, 33, 44 and 98, the
// other glyphs pointing at the space.
std::string WorkedExampleSource(const WorkedExampleCase& example) {
  std::vector<std::string> lines = {kTftFrame, kCreator, kTftFrame, "// FontDemo5x10 (5 x 10 Pixel)"};
  if (example.coding == TftCoding::RunLength) lines.push_back("// RLE compressed");
  for (const auto& [code, block] : example.blocks) {
    lines.push_back("");
    lines.push_back(Printf("PROGMEM const unsigned char chr_Demo5x10_%2.2X[] = { // %3d = '%c'", code, code, code));
    lines.push_back(block);
    lines.push_back("};");
  }
  const auto own = [&](int c) { return example.blocks.count(c) ? c : 32; };
  const std::map<int, int> widths = {{32, 3}, {33, 2}, {44, 3}, {98, 5}};
  std::string widthTable = "// character width table\rPROGMEM const unsigned char widtbl_Demo5x10[96] = {\r";
  std::string pointerTable = "// character pointer table\rPROGMEM const unsigned char* const chrtbl_Demo5x10[96] = {\r";
  for (int c = 32; c < 128; ++c) {
    const char* separator = c == 127 ? "  " : ", ";
    widthTable += (c % 8 == 0 ? "  " : "") + Printf("%3d", widths.at(own(c))) + separator;
    if (c % 8 == 7) widthTable += Printf("// char %2.2X - %2.2X '%c' - '%c'\r", c - 7, c, c - 7, c);
    pointerTable += (c % 4 == 0 ? "  " : "") + Printf("chr_Demo5x10_%2.2X", own(c)) + separator;
    if (c % 4 == 3) pointerTable += "\r";
  }
  for (const std::string& line : {widthTable + "};", std::string(), pointerTable + "};", std::string(),
                                  Printf("// needs %d bytes of Memory", example.memory), kTftEof})
    lines.push_back(line);
  return JoinCrLf(lines);
}

void PrintTo(const WorkedExampleCase& example, std::ostream* out) { *out << example.label; }

class TftWorkedExample : public ::testing::TestWithParam<WorkedExampleCase> {};

TEST_P(TftWorkedExample, WritesBothFilesByteForByte) {
  TempDir dir;
  ExportTFT(WorkedExampleFont(), dir.File("Demo5x10.c"), GetParam().coding);
  EXPECT_EQ(ReadBytes(dir.File("Demo5x10.h")), kWorkedExampleHeader);
  EXPECT_EQ(ReadBytes(dir.File("Demo5x10.c")), WorkedExampleSource(GetParam()));
  EXPECT_THAT(dir.Names(), ElementsAre("Demo5x10.c", "Demo5x10.h"));
}

const std::string kTenZeros = "  0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00";

INSTANTIATE_TEST_SUITE_P(
    Codings, TftWorkedExample,
    ::testing::Values(WorkedExampleCase{"Plain",
                                        TftCoding::Plain,
                                        {{32, kTenZeros},
                                         {33, "  0x80, 0x80, 0x80, 0x80, 0x80, 0x00, 0x80, 0x00, 0x00, 0x00"},
                                         {44, "  0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x40, 0x80"},
                                         {98, "  0x80, 0x80, 0x80, 0xF0, 0x88, 0x88, 0x88, 0xF0, 0x00, 0x20"}},
                                        1440},
                      // The break follows the byte that brings the file's byte count to 12, 24, 84 and 96.
                      WorkedExampleCase{
                          "RunLength",
                          TftCoding::RunLength,
                          {{32, "  0x1D"},
                           {33, "  0x80, 0x00, 0x80, 0x00, 0x80, 0x00, 0x80, 0x00, 0x80, 0x02, 0x80, \r  0x06"},
                           {44, "  0x18, \r  0x80, 0x00, 0x80, 0x01"},
                           {98,
                            "  0x80, 0x03, 0x80, \r  0x03, 0x80, 0x03, 0x83, 0x00, 0x80, 0x02, 0x81, 0x02, 0x81, "
                            "0x02, 0x84, \r  0x07, 0x80, 0x01"}},
                          608}),
    [](const auto& info) { return std::string(info.param.label); });

// Exports into a fresh folder and returns the .c text.
std::string ExportedSource(const TFontHandler& font, TftCoding coding) {
  TempDir dir;
  ExportTFT(font, dir.File("Font.c"), coding);
  return ReadBytes(dir.File("Font.c"));
}

// The byte-list lines of array chr_Font_XX, or nothing when there is none.
std::optional<std::string> ArrayOf(const std::string& source, int c) {
  const std::vector<std::string> lines = CrLfLines(source);
  const std::string head = Printf("PROGMEM const unsigned char chr_Font_%2.2X[] = {", c);
  for (std::size_t i = 0; i + 2 < lines.size(); ++i)
    if (lines[i].rfind(head, 0) == 0 && lines[i + 2] == "};") return lines[i + 1];
  return std::nullopt;
}

struct GlyphCase {
  const char* label;
  TftCoding coding;
  int cellWidth;
  int cellHeight;
  int code;
  int width;
  std::function<bool(int x, int y)> ink;
  std::string bytes;
};

void PrintTo(const GlyphCase& glyph, std::ostream* out) { *out << glyph.label; }

class TftGlyphCoding : public ::testing::TestWithParam<GlyphCase> {};

TEST_P(TftGlyphCoding, CodesTheGlyph) {
  const GlyphCase& glyph = GetParam();
  TFontHandler font(glyph.cellWidth, glyph.cellHeight);
  font.SetCharSize(glyph.code, glyph.width);
  for (int y = 0; y < glyph.cellHeight; ++y)
    for (int x = 0; x < glyph.cellWidth; ++x) font.SetPixel(glyph.code, x, y, glyph.ink(x, y));
  EXPECT_EQ(ArrayOf(ExportedSource(font, glyph.coding), glyph.code), glyph.bytes);
}

const auto kAll = [](int, int) { return true; };
const auto kNone = [](int, int) { return false; };

INSTANTIATE_TEST_SUITE_P(
    Cases, TftGlyphCoding,
    ::testing::Values(
        GlyphCase{"Run128ClearThenSet", TftCoding::RunLength, 16, 16, '!', 16,
                  [](int x, int y) { return x == 0 && y == 8; }, "  0x7F, 0x80, 0x7E"},
        GlyphCase{"Exactly128Clear", TftCoding::RunLength, 8, 16, ' ', 8, kNone, "  0x7F"},
        GlyphCase{"Run129Clear", TftCoding::RunLength, 8, 17, ' ', 8, [](int x, int y) { return x == 1 && y == 16; },
                  "  0x7F, 0x00, 0x80, 0x05"},
        GlyphCase{"Run200Set", TftCoding::RunLength, 10, 20, '#', 10, kAll, "  0xFF, 0xC7"},
        GlyphCase{"Run256Set", TftCoding::RunLength, 16, 16, '#', 16, kAll, "  0xFF, 0xFF"},
        GlyphCase{"BlankSpaceInFullAndPartRuns", TftCoding::RunLength, 16, 10, ' ', 16, kNone, "  0x7F, 0x1F"},
        GlyphCase{"RunLengthWidth0", TftCoding::RunLength, 8, 8, ' ', 0, kAll, ""},
        GlyphCase{"RunLengthInkBeyondWidth", TftCoding::RunLength, 8, 2, '#', 1, [](int x, int) { return x != 1; },
                  "  0x81"},
        GlyphCase{"PlainWidth0", TftCoding::Plain, 8, 8, ' ', 0, kAll, ""},
        // TFT_eSPI counts one column of spacing into the width: (w + 6) / 8 bytes a row.
        GlyphCase{"PlainWidth1StoresNoColumn", TftCoding::Plain, 8, 2, '#', 1, kAll, ""},
        GlyphCase{"PlainWidth2", TftCoding::Plain, 8, 2, '#', 2, kAll, "  0xC0, 0xC0"},
        GlyphCase{"PlainWidth8", TftCoding::Plain, 8, 2, '#', 8, kAll, "  0xFF, 0xFF"},
        GlyphCase{"PlainWidth9DropsTheSpacingColumn", TftCoding::Plain, 16, 2, '#', 9, kAll, "  0xFF, 0xFF"},
        GlyphCase{"PlainWidth10", TftCoding::Plain, 16, 2, '#', 10, [](int x, int) { return x >= 7; },
                  "  0x01, 0xC0, 0x01, 0xC0"},
        GlyphCase{"PlainWidth17", TftCoding::Plain, 24, 1, '#', 17, kAll, "  0xFF, 0xFF"},
        GlyphCase{"PlainWidth18", TftCoding::Plain, 24, 1, '#', 18, kAll, "  0xFF, 0xFF, 0xC0"},
        GlyphCase{"PlainBreaksAfter12Bytes", TftCoding::Plain, 8, 13, '#', 8, kAll,
                  "  0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, \r  0xFF"},
        GlyphCase{"PlainNoBreakAfterTheLastByte", TftCoding::Plain, 8, 12, '#', 8, kAll,
                  "  0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(TftExport, RunLengthBreaksCountTheBytesOfBlankGlyphs) {
  // Every glyph is 8 x 16 and blank but '+': one byte each, so 11 bytes come before '+'.
  TFontHandler font(8, 16);
  for (int x = 0; x < 8; ++x) font.SetPixel('+', x, 15, true);
  const std::string source = ExportedSource(font, TftCoding::RunLength);
  EXPECT_EQ(ArrayOf(source, ' '), "  0x7F");
  EXPECT_EQ(ArrayOf(source, '+'), "  0x77, \r  0x87");
}

TEST(TftExport, BlankGlyphsBorrowTheSpaceArrayAndWidth) {
  TFontHandler font = WorkedExampleFont();
  font.SetCharSize(' ', 4);
  font.SetCharSize('A', 2);
  PaintGlyph(font, 'A', {"..###"});  // ink only beyond its width
  const std::string source = ExportedSource(font, TftCoding::Plain);
  EXPECT_EQ(ArrayOf(source, 'A'), std::nullopt);
  EXPECT_THAT(source, HasSubstr("\r    4,   4,   4,   4,   4,   4,   4,   4, // char 40 - 47 '@' - 'G'\r"));
  EXPECT_THAT(source, HasSubstr("\r  chr_Font_20, chr_Font_20, chr_Font_20, chr_Font_20, \r  chr_Font_20,"));
}

TEST(TftExport, CodesOutside32To127AreNeverWritten) {
  TFontHandler font = WorkedExampleFont();
  const std::string before = ExportedSource(font, TftCoding::RunLength);
  for (const int c : {0, 31, 128, 255}) PaintGlyph(font, c, {"###", "###"});
  EXPECT_EQ(ExportedSource(font, TftCoding::RunLength), before);
}

TEST(TftExport, WritesTheHeaderAndSourceBesideTheNamedFile) {
  TempDir dir;
  ExportTFT(WorkedExampleFont(), dir.File("Demo.tft"), TftCoding::Plain);
  EXPECT_THAT(dir.Names(), ElementsAre("Demo.c", "Demo.h"));
  EXPECT_THAT(ReadBytes(dir.File("Demo.h")), HasSubstr("#include <Fonts/Demo.c>\r\n"));
}

TEST(TftExport, AFailedWriteReplacesNeitherFile) {
  TempDir dir;
  WriteBytes(dir.File("Demo.h"), "old header");
  WriteBytes(dir.File("Demo.c"), "old source");
  {
    // The header fits, the source does not.
    const FileSizeCap cap(2000);
    EXPECT_THROW(ExportTFT(WorkedExampleFont(), dir.File("Demo.c"), TftCoding::Plain), IoError);
  }
  EXPECT_EQ(ReadBytes(dir.File("Demo.h")), "old header");
  EXPECT_EQ(ReadBytes(dir.File("Demo.c")), "old source");
  EXPECT_THAT(dir.Names(), ElementsAre("Demo.c", "Demo.h"));
}

}  // namespace

namespace {

// The source's name is found to be a folder before anything is written.
TEST(TftExport, ASourceThatCannotBeWrittenKeepsTheOldHeader) {
  TempDir dir;
  WriteBytes(dir.File("f.h"), "old header");
  std::filesystem::create_directory(dir.Path() / "f.c");
  EXPECT_THROW(ExportTFT(WorkedExampleFont(), dir.File("f.inc"), TftCoding::Plain), IoError);
  EXPECT_EQ(ReadBytes(dir.File("f.h")), "old header");
  EXPECT_THAT(dir.Names(), ElementsAre("f.c", "f.h"));
}

// The identifiers are made fit for C; the include names the file as it is.
TEST(TftExport, IncludesTheSourceFileByItsOwnName) {
  TempDir dir;
  ExportTFT(WorkedExampleFont(), dir.File("my f\xC3\xBCnt.inc"), TftCoding::Plain);
  const std::string header = ReadBytes(dir.File("my f\xC3\xBCnt.h"));
  EXPECT_THAT(header, HasSubstr("#include <Fonts/my f\xC3\xBCnt.c>\r\n"));
  EXPECT_THAT(header, HasSubstr("#define nr_chrs_my_f_nt 96\r\n"));
  EXPECT_THAT(ReadBytes(dir.File("my f\xC3\xBCnt.c")), HasSubstr("PROGMEM const unsigned char widtbl_my_f_nt[96]"));
}

}  // namespace
