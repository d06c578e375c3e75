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

}  // namespace
