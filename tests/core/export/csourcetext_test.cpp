#include "export/csourcetext.h"
#include "export/gfxexport.h"
#include "export/tftexport.h"
#include "exporttestsupport.h"
#include "model/ioerror.h"
#include "workedexamplefont.h"

#include <gtest/gtest.h>
#include <functional>

namespace {

struct WriterCase {
  const char* label;
  std::function<void(const TFontHandler&, const std::string&)> writer;
};

void PrintTo(const WriterCase& test, std::ostream* out) { *out << test.label; }

class SourceWriter : public ::testing::TestWithParam<WriterCase> {};

TEST_P(SourceWriter, RefusesAnInvalidFontAndWritesNothing) {
  TFontHandler font = WorkedExampleFont();
  font.Clear();
  TempDir dir;
  EXPECT_THROW(GetParam().writer(font, dir.File("Demo.h")), FontError);
  EXPECT_TRUE(dir.Names().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Writers, SourceWriter,
    ::testing::Values(
        WriterCase{"Gfx127", [](const auto& font, const auto& name) { ExportGFX(font, name, GfxCodes::UpTo127); }},
        WriterCase{"Gfx255", [](const auto& font, const auto& name) { ExportGFX(font, name, GfxCodes::UpTo255); }},
        WriterCase{"TftPlain", [](const auto& font, const auto& name) { ExportTFT(font, name, TftCoding::Plain); }},
        WriterCase{"TftRunLength",
                   [](const auto& font, const auto& name) { ExportTFT(font, name, TftCoding::RunLength); }}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(CIdentifier, ReplacesWhatCDoesNotAllowAndKeepsValidNames) {
  struct Case {
    const char* name;
    const char* identifier;
  };
  for (const Case& k : {Case{"Demo5x10", "Demo5x10"}, Case{"font_8x8", "font_8x8"}, Case{"8x8", "8x8"},
                        Case{"my-font", "my_font"}, Case{"my font", "my_font"}, Case{"My.Font", "My_Font"},
                        Case{"\xC3\xBC", "_"}, Case{"\xE6\x97\xA5\xE6\x9C\xAC", "__"}, Case{"\xFC", "_"}})
    EXPECT_EQ(CIdentifier(k.name), k.identifier) << k.name;
}

}  // namespace
