// The C array exports are compiled as C and as C++ into a program that prints
// what the arrays and defines hold, and the bytes are compared with the DB
// include of the same layout, which the assembler tests check against the font.

#include "export/carrayexport.h"
#include "exporttestsupport.h"
#include "formats/exporttable.h"
#include "layoutreference.h"
#include "workedexamplefont.h"

#include <gtest/gtest.h>
#include <functional>
#include <sstream>

namespace {

// Each C entry and the DB entry whose glyph bytes it holds.
struct ArrayEntry {
  const char* name;
  int dbNumber;
};
constexpr ArrayEntry kArrayEntries[] = {
    {"c", 3}, {"c-msb", 5}, {"c-lsb", 6}, {"c-msb-mirror", 9}, {"c-lsb-mirror", 10},
};

struct ArrayContent {
  std::vector<int> cell;  // width, height, baseline, bytes per glyph
  std::vector<int> bitmaps;
  std::vector<int> widths;
};

// Prints, for each header, its defines, then the bitmap bytes and the widths
// after their counts; written in the common subset of C and C++.
std::string Driver() {
  std::string text = "#include <stdio.h>\n";
  for (const ArrayEntry& entry : kArrayEntries) text += "#include \"" + std::string(entry.name) + ".h\"\n";
  text += R"(
static void dump(int w, int h, int b, int n, const uint8_t *bytes, size_t size, const uint8_t *widths, size_t count) {
  size_t i;
  printf("%d %d %d %d\n%u", w, h, b, n, (unsigned)size);
  for (i = 0; i < size; ++i) printf(" %d", bytes[i]);
  printf("\n%u", (unsigned)count);
  for (i = 0; i < count; ++i) printf(" %d", widths[i]);
  printf("\n");
}
#define DUMP(id) dump(id##_WIDTH, id##_HEIGHT, id##_BASELINE, id##_BYTES_PER_GLYPH, id##Bitmaps, \
                      sizeof id##Bitmaps, id##Widths, sizeof id##Widths)
int main(void) {
  DUMP(Fontc);
  DUMP(Fontc_msb);
  DUMP(Fontc_lsb);
  DUMP(Fontc_msb_mirror);
  DUMP(Fontc_lsb_mirror);
  return 0;
}
)";
  return text;
}

std::vector<int> CountedValues(std::istream& in) {
  std::size_t count = 0;
  in >> count;
  std::vector<int> values(count);
  for (int& value : values) in >> value;
  return values;
}

std::vector<ArrayContent> ParseDump(const std::string& output) {
  std::istringstream in(output);
  std::vector<ArrayContent> contents(std::size(kArrayEntries));
  for (ArrayContent& content : contents) {
    content.cell.resize(4);
    for (int& value : content.cell) in >> value;
    content.bitmaps = CountedValues(in);
    content.widths = CountedValues(in);
  }
  return contents;
}

// Compiles the driver with the compiler and runs it.
std::vector<ArrayContent> CompileAndDump(const TempDir& dir, const std::string& compiler) {
  const std::string source = dir.File(compiler == "gcc" ? "driver.c" : "driver.cpp");
  WriteBytes(source, Driver());
  const std::string program = dir.File("driver-" + compiler);
  std::string output;
  const std::string standard = compiler == "gcc" ? "-std=c99" : "-std=c++17";
  const int status = RunCommand(compiler + " " + standard + " -Wall -Wextra -Wpedantic -Werror -I'" +
                                    dir.Path().string() + "' '" + source + "' -o '" + program + "'",
                                &output);
  EXPECT_EQ(status, 0) << output;
  if (status != 0) return {};
  EXPECT_EQ(RunCommand("'" + program + "'", &output), 0) << output;
  return ParseDump(output);
}

// The glyph bytes and widths of a DB include: the value lines after each
// glyph's title, the width being the one line marked "charwidth" and the
// kerning lines carrying their own marks.
ArrayContent DbContent(const std::string& text) {
  ArrayContent content;
  bool inGlyph = false;
  for (const std::string& line : CrLfLines(text)) {
    if (line.starts_with("; char ")) inGlyph = true;
    if (!inGlyph || !line.starts_with("\tdb\t")) continue;
    const std::size_t comment = line.find("\t;");
    std::istringstream values(line.substr(4, comment == std::string::npos ? std::string::npos : comment - 4));
    std::vector<int> bytes;
    for (std::string value; std::getline(values, value, ',');) bytes.push_back(std::stoi(value, nullptr, 16));
    if (comment == std::string::npos)
      content.bitmaps.insert(content.bitmaps.end(), bytes.begin(), bytes.end());
    else if (line.ends_with("charwidth"))
      content.widths.push_back(bytes.at(0));
  }
  return content;
}

struct ArrayFontCase {
  const char* label;
  std::function<TFontHandler()> font;
};

class CArrayExport : public testing::TestWithParam<ArrayFontCase> {};

TEST_P(CArrayExport, CompilesAsCAndCppToTheBytesOfTheDbInclude) {
  const TFontHandler font = GetParam().font();
  TempDir dir;
  for (const ArrayEntry& entry : kArrayEntries) {
    ExportEntryFile(font, FindExportEntry(entry.name)->number, dir.File(std::string(entry.name) + ".h"), {});
    ExportEntryFile(font, entry.dbNumber, dir.File(std::string(entry.name) + ".inc"), {});
  }
  for (const std::string compiler : {"gcc", "g++"}) {
    SCOPED_TRACE(compiler);
    const std::vector<ArrayContent> compiled = CompileAndDump(dir, compiler);
    ASSERT_EQ(compiled.size(), std::size(kArrayEntries));
    for (std::size_t i = 0; i < compiled.size(); ++i) {
      const ArrayEntry& entry = kArrayEntries[i];
      SCOPED_TRACE(entry.name);
      const ArrayContent db = DbContent(ReadBytes(dir.File(std::string(entry.name) + ".inc")));
      const int bytesPerGlyph = LayoutBytesPerGlyph(font, LayoutOfFormat(entry.dbNumber - 3));
      EXPECT_EQ(compiled[i].cell,
                (std::vector<int>{font.FontWidth(), font.FontHeight(), font.BaseLine(), bytesPerGlyph}));
      ASSERT_EQ(db.bitmaps.size(), static_cast<std::size_t>(bytesPerGlyph) * kGlyphCount);
      EXPECT_EQ(compiled[i].bitmaps, db.bitmaps);
      ASSERT_EQ(db.widths.size(), static_cast<std::size_t>(kGlyphCount));
      EXPECT_EQ(compiled[i].widths, db.widths);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Fonts, CArrayExport,
                         testing::Values(ArrayFontCase{"WorkedExample5x10Type3", WorkedExampleFont},
                                         ArrayFontCase{"Random9x17Type2", [] { return RandomFont(9, 17, 2, 917); }},
                                         ArrayFontCase{"Random1x1Type1", [] { return RandomFont(1, 1, 1, 11); }},
                                         ArrayFontCase{"Random24x20Type3", [] { return RandomFont(24, 20, 3, 2420); }}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(CArrayExport, HeadNamesTheLayoutAndDefinesPlainProgmem) {
  TempDir dir;
  ExportCArray(WorkedExampleFont(), dir.File("tiny.h"), ByteLayout::ColumnsLsbTopMirrored);
  const std::vector<std::string> lines = CrLfLines(ReadBytes(dir.File("tiny.h")));
  ASSERT_GT(lines.size(), 18u);
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 3, lines.begin() + 18),
            (std::vector<std::string>{
                "// Fonttiny (5 x 10 Pixel), codes 0 to 255 of 10 bytes each",
                "// Glyph c starts at byte c * Fonttiny_BYTES_PER_GLYPH of FonttinyBitmaps; FonttinyWidths[c] is its "
                "advance.",
                "// Each glyph is 5 columns of 2 bytes, left column first; a column's bytes run from its bottom to its "
                "top.",
                "// In each byte bit 0 is the upper pixel; a column is padded to 16 pixels at its bottom.",
                "#include <stdint.h>",
                "",
                "#ifndef PROGMEM",
                "#define PROGMEM",
                "#endif",
                "",
                "#define Fonttiny_WIDTH 5",
                "#define Fonttiny_HEIGHT 10",
                "#define Fonttiny_BASELINE 8",
                "#define Fonttiny_BYTES_PER_GLYPH 10",
                "",
            }));
}

}  // namespace
