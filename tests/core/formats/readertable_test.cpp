#include "formats/readertable.h"
#include "core/model/testfiles.h"
#include "model/dosfont.h"
#include "model/fontfileerror.h"
#include "model/fontimport.h"
#include "model/ioerror.h"

#include <gtest/gtest.h>

namespace {

// The filters the open and import dialogs show, in their order.
TEST(FontReaders, DialogsOfferTheirFiltersInOrder) {
  EXPECT_EQ(DialogFilters(ReaderDialog::Open), std::vector<std::string_view>{"<kelvaront>-Fontfile (*.FNT *.fnt)"});
  EXPECT_EQ(DialogFilters(ReaderDialog::Import),
            (std::vector<std::string_view>{"DOS-OEM-Fontdatei (*.fnt *.FNT)", "BDF-Font (*.bdf *.BDF *.bdf.gz)",
                                           "PSF-Konsolenfont (*.psf *.psfu *.psf.gz *.psfu.gz)",
                                           "GFX-Header für Arduino (*.h *.H)", "u8g2-Font-Quelltext (*.c *.h)",
                                           "LVGL-Font (*.c *.C)"}));
}

TEST(FontReaders, EachFilterLeadsToItsReader) {
  for (const ReaderDialog dialog : {ReaderDialog::Open, ReaderDialog::Import}) {
    const auto filters = DialogFilters(dialog);
    for (std::size_t i = 0; i < filters.size(); ++i) {
      const FontReader* reader = DialogReader(dialog, static_cast<int>(i) + 1);
      ASSERT_NE(reader, nullptr) << filters[i];
      EXPECT_EQ(reader->filter, filters[i]);
    }
    EXPECT_EQ(DialogReader(dialog, 0), nullptr);
    EXPECT_EQ(DialogReader(dialog, static_cast<int>(filters.size()) + 1), nullptr);
  }
}

// Only a format without a mark may lack a recogniser; every reader reads.
TEST(FontReaders, OnlyTheDosDumpIsNotRecognisedByContent) {
  for (const FontReader& reader : FontReaders()) {
    EXPECT_NE(reader.read, nullptr) << reader.name;
    EXPECT_EQ(reader.recognise == nullptr, reader.name == "DOS OEM dump") << reader.name;
  }
}

class ChosenReader : public testing::Test {
 protected:
  std::string Written(const ByteArray& data) const {
    WriteBytes(fdir.File("font.fnt"), data);
    return fdir.File("font.fnt");
  }
  TempDir fdir;
};

TEST_F(ChosenReader, TheDosEntryReadsRawRows) {
  ByteArray rows(256 * 10, 0);
  rows['A' * 10] = 0x80;
  const ImportedFont imported = ImportChosenFontFile(Written(rows), DialogReader(ReaderDialog::Import, 1));
  EXPECT_EQ(imported.format, FontFileFormat::DosDump);
  EXPECT_EQ(imported.font->FontWidth(), 8);
  EXPECT_EQ(imported.font->FontHeight(), 10);
  EXPECT_TRUE(imported.font->GetPixel('A', 0, 0));
}

TEST_F(ChosenReader, TheDosEntryRefusesFilesBeyondItsSize) {
  try {
    ImportChosenFontFile(Written(ByteArray(kDosFontMaxSize + 1, 0)), DialogReader(ReaderDialog::Import, 1));
    FAIL() << "no error";
  } catch (const IoError& error) {
    EXPECT_EQ(error.reason(), IoError::Reason::TooLarge);
    EXPECT_EQ(error.Limit(), kDosFontMaxSize);
  }
}

// Rows of a DOS dump have no mark: chosen as BDF, or with no filter, they
// are no font.
TEST_F(ChosenReader, OtherEntriesGoByContent) {
  const std::string path = Written(ByteArray(256 * 10, 0));
  EXPECT_THROW(ImportChosenFontFile(path, DialogReader(ReaderDialog::Import, 2)), FontFileError);
  EXPECT_THROW(ImportChosenFontFile(path, nullptr), FontFileError);
}

}  // namespace
