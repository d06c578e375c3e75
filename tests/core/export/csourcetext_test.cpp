#include "export/csourcetext.h"
#include "export/gfxexport.h"
#include "export/tftexport.h"
#include "exporttestsupport.h"
#include "model/ioerror.h"
#include "workedexamplefont.h"

#include <gtest/gtest.h>

namespace {

struct WriterCase {
  void (*writer)(const TFontHandler&, const std::string&, int);
  int filetype;
};

void PrintTo(const WriterCase& test, std::ostream* out) { *out << "filetype " << test.filetype; }

class SourceWriter : public ::testing::TestWithParam<WriterCase> {};

TEST_P(SourceWriter, RefusesAnInvalidFontAndWritesNothing) {
  TFontHandler font = WorkedExampleFont();
  font.Clear();
  TempDir dir;
  EXPECT_THROW(GetParam().writer(font, dir.File("Demo.h"), GetParam().filetype), FontError);
  EXPECT_TRUE(dir.Names().empty());
}

INSTANTIATE_TEST_SUITE_P(Filetypes, SourceWriter,
                         ::testing::Values(WriterCase{ExportGFX, 15}, WriterCase{ExportGFX, 16},
                                           WriterCase{ExportTFT, 17}, WriterCase{ExportTFT, 18}));

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
