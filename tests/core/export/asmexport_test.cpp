#include "export/asmexport.h"
#include "model/fileio.h"
#include "model/ioerror.h"
#include "support/tempdir.h"
#include "workedexamplefont.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <cstdio>
#include <regex>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

const std::string kAsmFrame(";" + std::string(89, '-') + ";");

// Splits the file at CR LF and fails on any other line end.
Lines ReadLines(const std::filesystem::path& path) {
  const ByteArray bytes = ReadWholeFile(path.string());
  const std::string text(bytes.begin(), bytes.end());
  Lines lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << "text after the last line end";
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  for (const auto& line : lines) EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
  return lines;
}

class AsmExport : public testing::Test {
 protected:
  Lines Export(const TFontHandler& font, int format) {
    ExportAssembler(font, ftarget.string(), format);
    return ReadLines(ftarget);
  }

  // The lines from glyph c's title up to the next glyph's title or the frame.
  Lines GlyphLines(const Lines& lines, int c) {
    char title[16];
    std::snprintf(title, sizeof title, "; char %03dd/", c);
    auto first = std::find_if(lines.begin(), lines.end(), [&](const auto& l) { return l.starts_with(title); });
    if (first == lines.end()) return {};
    auto last = std::find_if(first + 1, lines.end(), [](const auto& l) { return l.starts_with(";"); });
    return Lines(first, last);
  }

  TempDir fdir;
  std::filesystem::path ftarget = fdir / "font.inc";
};

TEST_F(AsmExport, WorkedExampleTypeThreeIntel) {
  const Lines lines = Export(WorkedExampleFont(), 0);
  ASSERT_EQ(lines.size(), 10 + 256 * 7 + 3u);
  const Lines head = {
      kAsmFrame,
      lines[1],
      kAsmFrame,
      "; <kelvaront>-Fontfile Assembler Include - Format:  type 3 as intel db statements         ;",
      "; FontID",
      "\tdb\t019h,03Ch,06Bh,065h,06Ch,076h,061h,072h,06Fh,06Eh,074h,03Eh,02Dh,046h,04Fh,04Eh",
      "\tdb\t054h,020h,030h,030h,033h,020h,020h,020h,020h,000h",
      "\tdb\t008h,000h\t; baseline",
      "\tdb\t005h,000h\t; width",
      "\tdb\t00Ah,000h\t; height",
      "; char 000d/00h",
  };
  EXPECT_EQ(Lines(lines.begin(), lines.begin() + head.size()), head);
  EXPECT_EQ(GlyphLines(lines, 'b'), (Lines{
                                        "; char 098d/62h",
                                        "\tdb\t005h\t; charwidth",
                                        "\tdb\t000h,000h\t; NW Kerning",
                                        "\tdb\t001h,003h\t; NO Kerning",
                                        "\tdb\t000h,000h\t; SW Kerning",
                                        "\tdb\t000h,000h\t; SO Kerning",
                                        "\tdb\t080h,080h,080h,0F0h,088h,088h,088h,0F0h,000h,020h",
                                    }));
  const Lines tail = {kAsmFrame, "; End of File" + std::string(77, ' ') + ";", kAsmFrame};
  EXPECT_EQ(Lines(lines.end() - 3, lines.end()), tail);
}

TEST_F(AsmExport, NoticeLineNamesTheProgramInsideTheFrame) {
  const std::string notice = Export(WorkedExampleFont(), 0)[1];
  EXPECT_EQ(notice.size(), 91u);
  EXPECT_TRUE(notice.starts_with("; ")) << notice;
  EXPECT_TRUE(notice.ends_with(" ;")) << notice;
  EXPECT_NE(notice.find("Glyphwright"), std::string::npos) << notice;
  EXPECT_NE(notice.find("enerated"), std::string::npos) << notice;
}

TEST_F(AsmExport, WorkedExampleMotorolaMirroredLsbTop) {
  EXPECT_EQ(GlyphLines(Export(WorkedExampleFont(), 9), 'b'), (Lines{
                                                                 "; char 098d/62h",
                                                                 "\tdc.b\t$05\t; charwidth",
                                                                 "\tdc.b\t$00,$00\t; NW Kerning",
                                                                 "\tdc.b\t$01,$03\t; NO Kerning",
                                                                 "\tdc.b\t$00,$00\t; SW Kerning",
                                                                 "\tdc.b\t$00,$00\t; SO Kerning",
                                                                 "\tdc.b\t$00,$FF,$00,$88,$02,$88,$00,$88,$00,$70",
                                                             }));
}

// Types 1 and 2 carry no kerning and put the width after the bytes; type 1
// has no identification either.
TEST_F(AsmExport, TypesWithoutKerning) {
  const struct {
    int type, format;
    Lines head;
    int glyph;
    Lines glyphLines;
  } cases[] = {
      {2,
       10,
       {"; <kelvaront>-Fontfile Assembler Include - Format:  type 2 as gnu-as .byte statements    ;", "; FontID",
        "\t.byte\t0x19,0x3C,0x6B,0x65,0x6C,0x76,0x61,0x72,0x6F,0x6E,0x74,0x3E,0x2D,0x46,0x4F,0x4E",
        "\t.byte\t0x54,0x20,0x30,0x30,0x32,0x20,0x20,0x20,0x20,0x00", "\t.byte\t0x08,0x00\t; baseline",
        "\t.byte\t0x05,0x00\t; width", "\t.byte\t0x0A,0x00\t; height"},
       'b',
       {"; char 098d/62h", "\t.byte\t0x80,0x80,0x80,0xF0,0x88,0x88,0x88,0xF0,0x00,0x20", "\t.byte\t0x05\t; charwidth"}},
      {1,
       1,
       {"; <kelvaront>-Fontfile Assembler Include - Format:  type 1 as motorola dc.b statements    ;", "; FontID",
        "\tdc.b\t$08,$00\t; baseline", "\tdc.b\t$05,$00\t; width", "\tdc.b\t$0A,$00\t; height"},
       '!',
       {"; char 033d/21h", "\tdc.b\t$80,$80,$80,$80,$80,$00,$80,$00,$00,$00", "\tdc.b\t$02\t; charwidth"}},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE("type " + std::to_string(row.type));
    TFontHandler font = WorkedExampleFont();
    font.Setfonttype(row.type);
    const Lines lines = Export(font, row.format);
    ASSERT_EQ(lines.size(), 3 + row.head.size() + 256 * 3 + 3);
    EXPECT_EQ(Lines(lines.begin() + 3, lines.begin() + 3 + static_cast<std::ptrdiff_t>(row.head.size())), row.head);
    EXPECT_EQ(GlyphLines(lines, row.glyph), row.glyphLines);
  }
}

TEST_F(AsmExport, TypeOutsideOneToThreeCountsAsTheNearestType) {
  const struct { int odd, nearest; } cases[] = {{0, 1}, {-5, 1}, {4, 3}};
  for (const auto& row : cases) {
    TFontHandler font = WorkedExampleFont();
    font.Setfonttype(row.nearest);
    const Lines expected = Export(font, 5);
    font.Setfonttype(row.odd);
    EXPECT_EQ(Export(font, 5), expected) << row.odd;
  }
}

// Each format: its heading, and every line either a comment or a data line
// in the format's own syntax.
TEST_F(AsmExport, EveryFormatWritesItsOwnSyntax) {
  const struct {
    int format;
    const char* description;
    const char* directive;
    const char* value;
  } cases[] = {
      {0, " type 3 as intel db statements         ;", "db", "0[0-9A-F]{2,}h"},
      {1, " type 3 as motorola dc.b statements    ;", "dc\\.b", "\\$[0-9A-F]{2,}"},
      {2, " MSB top 2 as intel db statements      ;", "db", "0[0-9A-F]{2,}h"},
      {3, " LSB top 2 as intel db statements      ;", "db", "0[0-9A-F]{2,}h"},
      {4, " MSB top 2 as motorola dc.b statements ;", "dc\\.b", "\\$[0-9A-F]{2,}"},
      {5, " LSB top 2 as motorola dc.b statements ;", "dc\\.b", "\\$[0-9A-F]{2,}"},
      {6, " MSB top mirror as intel db statements ;", "db", "0[0-9A-F]{2,}h"},
      {7, " LSB top mirror as intel db statements ;", "db", "0[0-9A-F]{2,}h"},
      {8, " MSB top mirror as motorola dc.b       ;", "dc\\.b", "\\$[0-9A-F]{2,}"},
      {9, " LSB top mirror as motorola dc.b       ;", "dc\\.b", "\\$[0-9A-F]{2,}"},
      {10, " type 3 as gnu-as .byte statements    ;", "\\.byte", "0x[0-9A-F]{2,}"},
      {11, " MSB top 2 as gnu-as .byte statements ;", "\\.byte", "0x[0-9A-F]{2,}"},
      {12, " LSB top 2 as gnu-as .byte statements ;", "\\.byte", "0x[0-9A-F]{2,}"},
      {13, " MSB top mirror as gnu-as .byte       ;", "\\.byte", "0x[0-9A-F]{2,}"},
      {14, " LSB top mirror as gnu-as .byte       ;", "\\.byte", "0x[0-9A-F]{2,}"},
  };
  const TFontHandler font = WorkedExampleFont();
  for (const auto& row : cases) {
    SCOPED_TRACE("format " + std::to_string(row.format));
    const Lines lines = Export(font, row.format);
    EXPECT_EQ(lines[3], std::string("; <kelvaront>-Fontfile Assembler Include - Format: ") + row.description);
    const std::regex dataLine(std::string("\t") + row.directive + "\t" + row.value + "(," + row.value +
                              ")*(\t; [A-Za-z ]+)?");
    for (const auto& line : lines)
      if (!line.starts_with(";")) {
        ASSERT_TRUE(std::regex_match(line, dataLine)) << line;
      }
  }
}

std::vector<std::size_t> ValuesPerDataLine(const Lines& glyphLines) {
  std::vector<std::size_t> counts;
  for (const auto& line : glyphLines)
    if (!line.starts_with(";") && line.find("; ") == std::string::npos)
      counts.push_back(static_cast<std::size_t>(std::count(line.begin(), line.end(), ',')) + 1);
  return counts;
}

TEST_F(AsmExport, GlyphBytesComeSixteenToALine) {
  const struct {
    int w, h, format;
    std::vector<std::size_t> counts;
  } cases[] = {
      {16, 8, 2, {16}},
      {8, 17, 0, {16, 1}},
      {16, 16, 10, {16, 16}},
      {5, 10, 0, {10}},
      {1, 1, 13, {1}},
      {9, 9, 5, {16, 2}},
      {64, 64, 1, std::vector<std::size_t>(32, 16)},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(std::to_string(row.w) + "x" + std::to_string(row.h) + " format " + std::to_string(row.format));
    const Lines lines = Export(TFontHandler(row.w, row.h), row.format);
    for (const int c : {0, 200, 255}) EXPECT_EQ(ValuesPerDataLine(GlyphLines(lines, c)), row.counts) << c;
  }
}

TEST_F(AsmExport, ValuesArePrintedAsTheFontHoldsThem) {
  TFontHandler font(64, 64);
  font.SetBaseLine(64);
  font.GetKerning(0).NWKerning = {300, -1};
  const struct {
    int format;
    const char* baseline;
    const char* kerning;
  } cases[] = {
      {0, "\tdb\t040h,000h\t; baseline", "\tdb\t012Ch,0FFFFFFFFh\t; NW Kerning"},
      {1, "\tdc.b\t$40,$00\t; baseline", "\tdc.b\t$12C,$FFFFFFFF\t; NW Kerning"},
      {10, "\t.byte\t0x40,0x00\t; baseline", "\t.byte\t0x12C,0xFFFFFFFF\t; NW Kerning"},
  };
  for (const auto& row : cases) {
    const Lines lines = Export(font, row.format);
    EXPECT_EQ(lines[7], row.baseline);
    EXPECT_EQ(GlyphLines(lines, 0)[2], row.kerning);
  }
}

TEST_F(AsmExport, ReplacesAnExistingFile) {
  WriteFileSafely(ftarget.string(), ByteArray(100000, 'x'));
  const Lines lines = Export(WorkedExampleFont(), 3);
  EXPECT_EQ(lines.front(), kAsmFrame);
  EXPECT_EQ(lines.back(), kAsmFrame);
}

TEST_F(AsmExport, InvalidFontIsRefusedAndNothingWritten) {
  TFontHandler font(5, 10);
  font.Clear();
  try {
    ExportAssembler(font, ftarget.string(), 0);
    FAIL() << "no error";
  } catch (const FontError& error) {
    EXPECT_STREQ(error.what(), "Der Font enthält keine gültigen Daten und kann nicht exportiert werden.");
  }
  EXPECT_FALSE(std::filesystem::exists(ftarget));
}

TEST_F(AsmExport, InvalidFontLeavesAnExistingFileAlone) {
  const ByteArray old = {'o', 'l', 'd'};
  WriteFileSafely(ftarget.string(), old);
  TFontHandler font(5, 10);
  font.Clear();
  EXPECT_THROW(ExportAssembler(font, ftarget.string(), 0), FontError);
  EXPECT_EQ(ReadWholeFile(ftarget.string()), old);
}

TEST_F(AsmExport, UnknownFormatWritesNothing) {
  for (const int format : {-1, 15, 19}) {
    EXPECT_THROW(ExportAssembler(WorkedExampleFont(), ftarget.string(), format), std::invalid_argument) << format;
    EXPECT_FALSE(std::filesystem::exists(ftarget));
  }
}

TEST_F(AsmExport, UnwritableTargetRaisesIoErrorAndLeavesNothing) {
  const auto target = fdir / "missing" / "font.inc";
  EXPECT_THROW(ExportAssembler(WorkedExampleFont(), target.string(), 0), IoError);
  EXPECT_FALSE(std::filesystem::exists(fdir / "missing"));
  EXPECT_TRUE(std::filesystem::is_empty(fdir.Path()));
}

}  // namespace
