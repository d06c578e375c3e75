#include "formats/exporttable.h"
#include "core/export/exporttestsupport.h"
#include "core/export/workedexamplefont.h"
#include "model/ioerror.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <filesystem>
#include <utility>

namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

struct EntryText {
  int number;
  const char* name;
  const char* caption;
  const char* mask;
  const char* extension;
};

// The dialog's entries, as the user sees and picks them and scripts
// name them.
constexpr EntryText kDialogEntries[] = {
    {1, "png", "Dot-Matrix-Demo (PNG)", "*.png", ".png"},
    {2, "bmp", "Dot-Matrix-Demo (BMP)", "*.bmp", ".bmp"},
    {3, "db", "DB - Include (intel)", "*.inc", ".inc"},
    {4, "dcb", "DC.B - Include (Motorola)", "*.inc", ".inc"},
    {5, "db-msb", "DB - Include (MSB top)", "*.inc", ".inc"},
    {6, "db-lsb", "DB - Include (LSB top)", "*.inc", ".inc"},
    {7, "dcb-msb", "DC.B - Include (MSB top)", "*.inc", ".inc"},
    {8, "dcb-lsb", "DC.B - Include (LSB top)", "*.inc", ".inc"},
    {9, "db-msb-mirror", "DB - Include (MSB top mirrored byte order)", "*.inc", ".inc"},
    {10, "db-lsb-mirror", "DB - Include (LSB top mirrored byte order)", "*.inc", ".inc"},
    {11, "dcb-msb-mirror", "DC.B - Include (MSB top mirrored byte order)", "*.inc", ".inc"},
    {12, "dcb-lsb-mirror", "DC.B - Include (LSB top mirrored byte order)", "*.inc", ".inc"},
    {13, "gas", "gnu-as - Include", "*.S", ".S"},
    {14, "gas-msb", "gnu-as - Include (MSB top)", "*.S", ".S"},
    {15, "gas-lsb", "gnu-as - Include (LSB top)", "*.S", ".S"},
    {16, "gas-msb-mirror", "gnu-as - Include (MSB top mirrored byte order)", "*.S", ".S"},
    {17, "gas-lsb-mirror", "gnu-as - Include (LSB top mirrored byte order)", "*.S", ".S"},
    {18, "gfx127", "GFX Arduino Font - Include (max.127 Zeichen)", "*.h", ".h"},
    {19, "gfx255", "GFX Arduino Font - Include (max.255 Zeichen)", "*.h", ".h"},
    {20, "tft", "TFT_eSPI Font (uncompressed)", "*.c", ".inc"},
    {21, "tft-rle", "TFT_eSPI Font (RLE)", "*.c", ".inc"},
    {22, "bdf", "BDF - Bitmap Distribution Format (*.bdf)", "*.bdf", ".bdf"},
    {23, "u8g2", "u8g2 Font (*.h)", "*.h", ".h"},
    {24, "lvgl", "LVGL Font (*.c)", "*.c", ".c"},
    {25, "c", "C - Array", "*.h", ".h"},
    {26, "c-msb", "C - Array (MSB top)", "*.h", ".h"},
    {27, "c-lsb", "C - Array (LSB top)", "*.h", ".h"},
    {28, "c-msb-mirror", "C - Array (MSB top mirrored byte order)", "*.h", ".h"},
    {29, "c-lsb-mirror", "C - Array (LSB top mirrored byte order)", "*.h", ".h"},
    {30, "gfx127-compact", "GFX Arduino Font kompakt - Include (max.127 Zeichen)", "*.h", ".h"},
    {31, "gfx255-compact", "GFX Arduino Font kompakt - Include (max.255 Zeichen)", "*.h", ".h"},
};

TEST(ExportEntries, EveryEntryInDialogOrder) {
  const auto entries = ExportEntries();
  ASSERT_EQ(entries.size(), std::size(kDialogEntries));
  for (std::size_t i = 0; i < entries.size(); ++i) {
    SCOPED_TRACE("entry " + std::to_string(kDialogEntries[i].number));
    EXPECT_EQ(entries[i].number, kDialogEntries[i].number);
    EXPECT_EQ(entries[i].name, kDialogEntries[i].name);
    EXPECT_EQ(entries[i].caption, kDialogEntries[i].caption);
    EXPECT_EQ(entries[i].mask, kDialogEntries[i].mask);
    EXPECT_EQ(entries[i].extension, kDialogEntries[i].extension);
    EXPECT_EQ(ExportExtension(entries[i].number), kDialogEntries[i].extension);
  }
  // Scripts and the dialog count on numbers without gaps.
  for (std::size_t i = 0; i < entries.size(); ++i) EXPECT_EQ(entries[i].number, static_cast<int>(i) + 1);
}

TEST(ExportEntries, FoundByNumberAndByName) {
  for (const ExportEntry& entry : ExportEntries()) {
    for (const std::string& key : {std::to_string(entry.number), std::string(entry.name)}) {
      const auto found = FindExportEntry(key);
      ASSERT_TRUE(found) << key;
      EXPECT_EQ(found->number, entry.number) << key;
    }
  }
  for (const std::string_view key : {"0", "99", "", "DB", "gfx"}) EXPECT_FALSE(FindExportEntry(key)) << key;
}

TEST(ExportEntries, NumbersWithoutAnEntryGetIncludeExtension) {
  for (const int number : {-1, 0, 99, 1000}) EXPECT_EQ(ExportExtension(number), ".inc") << number;
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
  ExportEntryFile(WorkedExampleFont(), expected.number, dir.File("font.txt"), {.highlightSize = true});
  EXPECT_EQ(dir.Names(), expected.files);
  // The converter names these files when writing them fails.
  std::vector<std::string> named;
  for (const std::string& file : ExportedFiles(dir.File("font.txt"), expected.number))
    named.push_back(std::filesystem::path(file).filename().string());
  std::sort(named.begin(), named.end());
  EXPECT_EQ(named, expected.files);
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
        EntryOutput{22, {"font.bdf"}, "STARTFONT 2.1\nFONT -Glyphwright-font-"},
        EntryOutput{23, {"font.h"}, "\r\n// u8g2_font_font (5 x 10 Pixel) baseline 8, 255 glyphs, 1063 bytes\r\n"},
        EntryOutput{24, {"font.c"}, "\r\nconst lv_font_t lv_font_font = {\r\n"},
        EntryOutput{30,
                    {"font.h"},
                    "max. 127 characters\r\nconst uint8_t FontfontBitmaps[] PROGMEM = {\r\n  // 0x20 ' '\r\n  \r\n"},
        EntryOutput{31,
                    {"font.h"},
                    "max. 255 characters\r\nconst uint8_t FontfontBitmaps[] PROGMEM = {\r\n  // 0x20 ' '\r\n  \r\n"},
        EntryOutput{25, {"font.h"}, "\r\n// Each glyph is 10 rows of 1 bytes, top row first;"},
        EntryOutput{26,
                    {"font.h"},
                    "\r\n// In each byte bit 7 is the upper pixel; a column is padded to 16 pixels at its top.\r\n"},
        EntryOutput{27,
                    {"font.h"},
                    "\r\n// In each byte bit 0 is the upper pixel; a column is padded to 16 pixels at its bottom.\r\n"},
        EntryOutput{28, {"font.h"}, "; a column's bytes run from its bottom to its top.\r\n// In each byte bit 7 "},
        EntryOutput{29, {"font.h"}, "; a column's bytes run from its bottom to its top.\r\n// In each byte bit 0 "}));

TEST(ExportFont, FileTypesOutsideZeroToNineteenWriteNothing) {
  TempDir dir;
  for (const int filetype : {-3, -2, -1, 20, 100}) ExportFont(WorkedExampleFont(), dir.File("font.inc"), filetype);
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
    ExportFont(WorkedExampleFont(), dir.File("font.inc"), row.filetype);
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
      EXPECT_THROW(ExportEntryFile(WorkedExampleFont(), entry, name, {.highlightSize = true}), IoError)
          << entry << " '" << name << "'";
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"outdir"});
  EXPECT_TRUE(std::filesystem::is_empty(dir.Path() / "outdir"));
}

TEST(ExportEntryFile, LongNamesAreWritten) {
  TempDir dir;
  const std::string base = std::string(246, 'x');
  for (const int entry : {1, 2, 3, 13, 18, 21})
    ExportEntryFile(WorkedExampleFont(), entry, dir.File(base + ".fnt"), {.highlightSize = true});
  EXPECT_EQ(dir.Names(), (std::vector<std::string>{base + ".S", base + ".bmp", base + ".c", base + ".h", base + ".inc",
                                                   base + ".png"}));
}

}  // namespace
