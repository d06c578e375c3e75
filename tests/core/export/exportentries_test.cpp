#include "export/exportentries.h"
#include "exporttestsupport.h"
#include "model/ioerror.h"
#include "workedexamplefont.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

struct EntryText {
  const char* label;
  const char* mask;
  const char* extension;
};

// The dialog's entries 1..22, as the user sees and picks them.
constexpr EntryText kDialogEntries[] = {
    {"Dot-Matrix-Demo (PNG)", "*.png", ".png"},
    {"Dot-Matrix-Demo (BMP)", "*.bmp", ".bmp"},
    {"DB - Include (intel)", "*.inc", ".inc"},
    {"DC.B - Include (Motorola)", "*.inc", ".inc"},
    {"DB - Include (MSB top)", "*.inc", ".inc"},
    {"DB - Include (LSB top)", "*.inc", ".inc"},
    {"DC.B - Include (MSB top)", "*.inc", ".inc"},
    {"DC.B - Include (LSB top)", "*.inc", ".inc"},
    {"DB - Include (MSB top mirrored byte order)", "*.inc", ".inc"},
    {"DB - Include (LSB top mirrored byte order)", "*.inc", ".inc"},
    {"DC.B - Include (MSB top mirrored byte order)", "*.inc", ".inc"},
    {"DC.B - Include (LSB top mirrored byte order)", "*.inc", ".inc"},
    {"gnu-as - Include", "*.S", ".S"},
    {"gnu-as - Include (MSB top)", "*.S", ".S"},
    {"gnu-as - Include (LSB top)", "*.S", ".S"},
    {"gnu-as - Include (MSB top mirrored byte order)", "*.S", ".S"},
    {"gnu-as - Include (LSB top mirrored byte order)", "*.S", ".S"},
    {"GFX Arduino Font - Include (max.127 Zeichen)", "*.h", ".h"},
    {"GFX Arduino Font - Include (max.255 Zeichen)", "*.h", ".h"},
    {"TFT_eSPI Font (uncompressed)", "*.c", ".inc"},
    {"TFT_eSPI Font (RLE)", "*.c", ".inc"},
    {"BDF - Bitmap Distribution Format (*.bdf)", "*.bdf", ".bdf"},
};

TEST(ExportEntries, EveryEntryInDialogOrder) {
  const auto entries = ExportEntries();
  ASSERT_EQ(entries.size(), std::size(kDialogEntries));
  for (std::size_t i = 0; i < entries.size(); ++i) {
    SCOPED_TRACE("entry " + std::to_string(i + 1));
    EXPECT_EQ(entries[i].number, static_cast<int>(i) + 1);
    EXPECT_EQ(entries[i].label, kDialogEntries[i].label);
    EXPECT_EQ(entries[i].mask, kDialogEntries[i].mask);
    EXPECT_EQ(entries[i].extension, kDialogEntries[i].extension);
    EXPECT_EQ(ExportExtension(entries[i].number), kDialogEntries[i].extension);
  }
}

TEST(ExportEntries, NumbersWithoutAnEntryGetIncludeExtension) {
  for (const int number : {-1, 0, 23, 1000}) EXPECT_EQ(ExportExtension(number), ".inc") << number;
}

// What each entry leaves in an empty folder when the user typed font.txt,
// and a line of its first file (the .c of a pair) that tells its writer and
// format apart.
struct EntryOutput {
  int number;
  std::vector<std::string> files;
  std::string marker;
};

void PrintTo(const EntryOutput& output, std::ostream* out) { *out << "entry " << output.number; }

class ExportEntryFiles : public ::testing::TestWithParam<EntryOutput> {};

TEST_P(ExportEntryFiles, WritesItsFormatUnderItsExtension) {
  const EntryOutput& expected = GetParam();
  TempDir dir;
  ExportEntryFile(WorkedExampleFont(), expected.number, dir.File("font.txt"), true);
  EXPECT_EQ(dir.Names(), expected.files);
  EXPECT_THAT(ReadBytes(dir.File(expected.files.front())), HasSubstr(expected.marker));
}

std::string AsmFormat(const std::string& description) {
  return "; <kelvaront>-Fontfile Assembler Include - Format: " + description + "\r\n";
}

INSTANTIATE_TEST_SUITE_P(
    AllEntries, ExportEntryFiles,
    ::testing::Values(
        EntryOutput{1, {"font.png"}, "\x89PNG\r\n"}, EntryOutput{2, {"font.bmp"}, "BM"},
        EntryOutput{3, {"font.inc"}, AsmFormat(" type 3 as intel db statements         ;")},
        EntryOutput{4, {"font.inc"}, AsmFormat(" type 3 as motorola dc.b statements    ;")},
        EntryOutput{5, {"font.inc"}, AsmFormat(" MSB top 2 as intel db statements      ;")},
        EntryOutput{6, {"font.inc"}, AsmFormat(" LSB top 2 as intel db statements      ;")},
        EntryOutput{7, {"font.inc"}, AsmFormat(" MSB top 2 as motorola dc.b statements ;")},
        EntryOutput{8, {"font.inc"}, AsmFormat(" LSB top 2 as motorola dc.b statements ;")},
        EntryOutput{9, {"font.inc"}, AsmFormat(" MSB top mirror as intel db statements ;")},
        EntryOutput{10, {"font.inc"}, AsmFormat(" LSB top mirror as intel db statements ;")},
        EntryOutput{11, {"font.inc"}, AsmFormat(" MSB top mirror as motorola dc.b       ;")},
        EntryOutput{12, {"font.inc"}, AsmFormat(" LSB top mirror as motorola dc.b       ;")},
        EntryOutput{13, {"font.S"}, AsmFormat(" type 3 as gnu-as .byte statements    ;")},
        EntryOutput{14, {"font.S"}, AsmFormat(" MSB top 2 as gnu-as .byte statements ;")},
        EntryOutput{15, {"font.S"}, AsmFormat(" LSB top 2 as gnu-as .byte statements ;")},
        EntryOutput{16, {"font.S"}, AsmFormat(" MSB top mirror as gnu-as .byte       ;")},
        EntryOutput{17, {"font.S"}, AsmFormat(" LSB top mirror as gnu-as .byte       ;")},
        EntryOutput{18, {"font.h"}, "\r\n// Fontfont (5 x 10 Pixel) max. 127 characters\r\n"},
        EntryOutput{19, {"font.h"}, "\r\n// Fontfont (5 x 10 Pixel) max. 255 characters\r\n"},
        EntryOutput{
            20,
            {"font.c", "font.h"},
            "(5 x 10 Pixel)\r\n\r\nPROGMEM const unsigned char chr_font_20[] = { //  32 = ' '\r\n  0x00, 0x00, "},
        EntryOutput{
            21,
            {"font.c", "font.h"},
            "// RLE compressed\r\n\r\nPROGMEM const unsigned char chr_font_20[] = { //  32 = ' '\r\n  0x1D\r\n"},
        EntryOutput{22, {"font.bdf"}, "STARTFONT 2.1\nFONT -Glyphwright-font-"}));

TEST(ExportFont, FileTypesOutsideZeroToNineteenWriteNothing) {
  TempDir dir;
  for (const int filetype : {-1, 20, 100}) WorkedExampleFont().ExportFont(dir.File("font.inc"), filetype);
  EXPECT_TRUE(dir.Names().empty());
}

TEST(ExportFont, FileTypesReachTheirWriters) {
  const struct {
    int filetype;
    std::vector<std::string> files;
    std::string start;
  } cases[] = {
      {0, {"font.inc"}, ";---"},
      {14, {"font.inc"}, ";---"},
      {15, {"font.inc"}, "/*---"},
      {16, {"font.inc"}, "/*---"},
      {17, {"font.c", "font.h"}, "/*---"},
      {18, {"font.c", "font.h"}, "/*---"},
      {19, {"font.inc"}, "STARTFONT 2.1\n"},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE("filetype " + std::to_string(row.filetype));
    TempDir dir;
    WorkedExampleFont().ExportFont(dir.File("font.inc"), row.filetype);
    EXPECT_EQ(dir.Names(), row.files);
    EXPECT_THAT(ReadBytes(dir.File(row.files.front())), StartsWith(row.start));
  }
}

// Replacing the extension of "outdir/" would write a hidden "outdir/.inc".
TEST(ExportEntryFile, NamesWithoutAFilePartAreRefusedAndWriteNothing) {
  TempDir dir;
  std::filesystem::create_directory(dir.Path() / "outdir");
  for (const int entry : {1, 3, 18, 20})
    for (const std::string& name : {std::string(), dir.File("outdir/"), dir.File("."), dir.File("..")})
      EXPECT_THROW(ExportEntryFile(WorkedExampleFont(), entry, name, true), IoError) << entry << " '" << name << "'";
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"outdir"});
  EXPECT_TRUE(std::filesystem::is_empty(dir.Path() / "outdir"));
}

TEST(ExportEntryFile, LongNamesAreWritten) {
  TempDir dir;
  const std::string base = std::string(246, 'x');
  for (const int entry : {1, 2, 3, 13, 18, 21})
    ExportEntryFile(WorkedExampleFont(), entry, dir.File(base + ".fnt"), true);
  EXPECT_EQ(dir.Names(), (std::vector<std::string>{base + ".S", base + ".bmp", base + ".c", base + ".h", base + ".inc",
                                                   base + ".png"}));
}

}  // namespace
