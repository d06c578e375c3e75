// Assembles exported include files with real assemblers and compares the
// bytes they produce with the font.
#include "export/asmexport.h"
#include "export/bytelayouts.h"
#include "layoutreference.h"
#include "model/fileio.h"
#include "support/tempdir.h"
#include "workedexamplefont.h"

#include <gtest/gtest.h>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <tuple>

namespace {

struct Toolchain {
  const char* assembler;
  const char* options;
  // Empty when the assembler writes the plain binary itself.
  const char* objcopy;
};

constexpr Toolchain kNasm{"nasm", "-f bin", ""};
constexpr Toolchain kMotorolaAs{"m68k-linux-gnu-as", "-M", "m68k-linux-gnu-objcopy"};
constexpr Toolchain kAvrAs{"avr-as", "", "avr-objcopy"};

const Toolchain& ToolchainOf(int format) {
  switch (format) {
    case 1:
    case 4:
    case 5:
    case 8:
    case 9:
      return kMotorolaAs;
    case 10:
    case 11:
    case 12:
    case 13:
    case 14:
      return kAvrAs;
    default:
      return kNasm;
  }
}

bool OnPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::istringstream dirs(path ? path : "");
  for (std::string dir; std::getline(dirs, dir, ':');)
    if (!dir.empty() && std::filesystem::exists(std::filesystem::path(dir) / program)) return true;
  return false;
}

std::string Quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

void AppendWord(ByteArray& out, int value) {
  out.push_back(static_cast<std::uint8_t>(value % 256));
  out.push_back(static_cast<std::uint8_t>(value / 256));
}

// The bytes the include file stands for, built from the font's values and
// the reference layouts.
ByteArray ExpectedBytes(const TFontHandler& font, int format) {
  ByteArray out;
  const int type = font.fonttype();
  if (type != 1) {
    const std::string id = std::string("\x19<kelvaront>-FONT 00") + static_cast<char>('0' + type) + std::string(4, ' ');
    out.assign(id.begin(), id.end());
    out.push_back(0);
  }
  AppendWord(out, font.BaseLine());
  AppendWord(out, font.FontWidth());
  AppendWord(out, font.FontHeight());
  for (int c = 0; c < kGlyphCount; ++c) {
    if (type == 3) {
      out.push_back(static_cast<std::uint8_t>(font.GetCharSize(c)));
      const TKerning& k = font.GetKerning(c);
      for (const TPoint& zone : {k.NWKerning, k.NOKerning, k.SWKerning, k.SOKerning}) {
        out.push_back(static_cast<std::uint8_t>(zone.X));
        out.push_back(static_cast<std::uint8_t>(zone.Y));
      }
    }
    const ByteArray glyph = ReferenceGlyphBytes(font, c, LayoutOfFormat(format));
    out.insert(out.end(), glyph.begin(), glyph.end());
    if (type != 3) out.push_back(static_cast<std::uint8_t>(font.GetCharSize(c)));
  }
  return out;
}

struct FontCase {
  const char* name;
  TFontHandler (*make)();
};

const FontCase kFonts[] = {
    {"WorkedExample5x10Type3", [] { return WorkedExampleFont(); }},
    {"Random9x17Type2", [] { return RandomFont(9, 17, 2, 917); }},
    {"Random16x8Type1", [] { return RandomFont(16, 8, 1, 168); }},
    {"Random1x1Type3", [] { return RandomFont(1, 1, 3, 11); }},
    {"Random64x64Type3", [] { return RandomFont(64, 64, 3, 6464); }},
};

class AssembledExport : public testing::TestWithParam<std::tuple<int, int>> {
 protected:
  // Runs a command in the scratch folder; its messages go to a file so that
  // a clean run can be told from one with warnings.
  void Run(const std::string& command) {
    const auto messages = fdir / "messages.txt";
    const int status = std::system((command + " 2> " + Quoted(messages)).c_str());
    const ByteArray text = ReadWholeFile(messages.string());
    EXPECT_EQ(status, 0) << command;
    EXPECT_TRUE(text.empty()) << command << ":\n" << std::string(text.begin(), text.end());
  }

  TempDir fdir;
};

TEST_P(AssembledExport, AssemblesCleanlyToTheFontBytes) {
  const auto [fontIndex, format] = GetParam();
  const Toolchain& tools = ToolchainOf(format);
  if (!OnPath(tools.assembler)) GTEST_SKIP() << tools.assembler << " is not installed";
  if (*tools.objcopy && !OnPath(tools.objcopy)) GTEST_SKIP() << tools.objcopy << " is not installed";

  const TFontHandler font = kFonts[fontIndex].make();
  const auto source = fdir / "font.inc";
  const auto object = fdir / "font.o";
  const auto binary = fdir / "font.bin";
  ExportAssembler(font, source.string(), format);
  const auto assembled = *tools.objcopy ? object : binary;
  Run(std::string(tools.assembler) + " " + tools.options + " -o " + Quoted(assembled) + " " + Quoted(source));
  if (*tools.objcopy) Run(std::string(tools.objcopy) + " -O binary " + Quoted(object) + " " + Quoted(binary));
  ASSERT_FALSE(HasFailure());
  const ByteArray bytes = ReadWholeFile(binary.string());
  EXPECT_EQ(bytes, ExpectedBytes(font, format));
  // Rows of a type-2 or type-3 font assemble to the FNT file itself.
  if (LayoutOfFormat(format) == ByteLayout::Rows && font.fonttype() != 1) {
    EXPECT_EQ(bytes, font.FontImage(font.fonttype()));
  }
}

INSTANTIATE_TEST_SUITE_P(Formats, AssembledExport,
                         testing::Combine(testing::Range(0, static_cast<int>(std::size(kFonts))),
                                          testing::Range(kMinByteFormat, kMaxByteFormat + 1)),
                         [](const auto& info) {
                           return std::string(kFonts[std::get<0>(info.param)].name) + "Format" +
                                  std::to_string(std::get<1>(info.param));
                         });

}  // namespace
