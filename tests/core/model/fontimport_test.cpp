#include "model/fontimport.h"
#include "core/export/exporttestsupport.h"
#include "importtestsupport.h"
#include "model/fntformat.h"
#include "model/fontfileerror.h"
#include "model/gfxfont.h"
#include "model/ioerror.h"
#include "model/psffont.h"
#include "testfiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <filesystem>

namespace {

using ::testing::HasSubstr;

constexpr std::string_view kTinyBdf =
    "STARTFONT 2.1\nFONTBOUNDINGBOX 2 2 0 0\nCHARS 1\nSTARTCHAR a\nENCODING 97\nDWIDTH 2 0\nBBX 2 2 0 0\nBITMAP\n"
    "80\n40\nENDCHAR\nENDFONT\n";
constexpr std::string_view kTinyGfx =
    "const uint8_t B[] = {0x90};\nconst GFXglyph G[] = {{0, 2, 2, 2, 0, -2}};\nconst GFXfont F = {B, G, 97, 97, 2};\n";

ByteArray TinyPsf() {
  ByteArray psf{0x36, 0x04, 0x00, 0x02};
  psf.resize(4 + 256 * 2, 0);
  psf[4 + 97 * 2] = 0x80;
  psf[4 + 97 * 2 + 1] = 0x40;
  return psf;
}

class FontImport : public testing::Test {
 protected:
  std::string Gzipped(const std::string& name, const ByteArray& data) const {
    WriteBytes(fdir.File(name), data);
    const std::string packed = fdir.File(name + ".gz");
    EXPECT_EQ(RunCommand("gzip -c '" + fdir.File(name) + "' > '" + packed + "'"), 0);
    return packed;
  }

  TempDir fdir;
};

// The name says nothing: each file carries another format's extension.
TEST_F(FontImport, RecognisesEachFormatByContent) {
  TFontHandler fnt(2, 2);
  fnt.SetPixel('a', 0, 0, true);
  fnt.SetPixel('a', 1, 1, true);
  fnt.SetCharSize('a', 2);
  struct Case {
    std::string name;
    ByteArray data;
    std::string_view format;
  };
  const Case cases[] = {
      {"font.psf", Bytes(kTinyBdf), FontFileFormat::Bdf},
      {"font.bdf", Bytes(kTinyGfx), FontFileFormat::GfxHeader},
      {"font.h", TinyPsf(), FontFileFormat::Psf1},
      {"font.gz", fnt.FontImage(2), FontFileFormat::Fnt},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    WriteBytes(fdir.File(k.name), k.data);
    for (const std::string& path : {fdir.File(k.name), Gzipped(k.name + "-packed", k.data)}) {
      const ImportedFont imported = ImportFontFile(path);
      EXPECT_EQ(imported.format, k.format);
      const std::string picture = GlyphPicture(*imported.font, 'a');
      EXPECT_EQ(std::count(picture.begin(), picture.end(), '#'), 2) << picture;
      EXPECT_TRUE(imported.font->GetPixel('a', 0, 0) && imported.font->GetPixel('a', 1, 1)) << picture;
    }
  }
}

TEST_F(FontImport, AnFntFileGetsTheWidthsOfTheProgramsStart) {
  TFontHandler font(8, 8);
  for (int x = 0; x <= 3; ++x) font.SetPixel('i', x, 0, true);
  font.SaveFont(fdir.File("t1.fnt"), 1);
  const ImportedFont imported = ImportFontFile(fdir.File("t1.fnt"));
  EXPECT_EQ(imported.font->GetCharSize('i'), 5);
  EXPECT_EQ(imported.font->GetCharSize('j'), 8) << "16 from the 16 x 16 start font, capped at 8";
}

TEST_F(FontImport, RefusesWhatItCannotRead) {
  ByteArray packed = ReadWholeFile(Gzipped("tiny.psf", TinyPsf()));
  ByteArray damaged = packed;
  damaged[damaged.size() / 2] ^= 0xFF;
  ByteArray fnt = TFontHandler(8, 8).FontImage(3);
  fnt.resize(fnt.size() - 1);
  struct Case {
    const char* what;
    ByteArray data;
    std::string english;
  };
  const Case cases[] = {
      {"text", Bytes("no font at all"), "not a font in a known format (FNT, BDF, PSF or GFX header)"},
      {"empty", ByteArray(), "not a font in a known format"},
      {"damaged gzip data", damaged, "gzip file, offset "},
      {"gzip data cut short", ByteArray(packed.begin(), packed.end() - 12),
       "gzip file, offset " + std::to_string(packed.size() - 12) + ": the compressed data ends early"},
      {"an FNT file one byte short", fnt, "the FNT file is incomplete, or its cell is not 1 to 64 pixels"},
  };
  for (const Case& k : cases) {
    const Refusal refusal = RefusalOf([](const ByteArray& data) { return ImportFont(data); }, k.data);
    EXPECT_THAT(refusal.english, HasSubstr(k.english)) << k.what;
    EXPECT_FALSE(refusal.german.empty()) << k.what;
  }
  EXPECT_THROW(ImportFontFile(fdir.File("missing.bdf")), IoError);
}

// Neither a huge file nor a small one that unpacks to a huge one is read whole.
TEST_F(FontImport, RefusesFilesBeyondTheSizeLimit) {
  const std::string huge = fdir.File("huge.bdf");
  WriteText(huge, "STARTFONT 2.1\n");
  std::filesystem::resize_file(huge, kMaxFontFileSize + 1);
  try {
    ImportFontFile(huge);
    ADD_FAILURE() << "a file beyond the limit was read";
  } catch (const IoError& error) {
    EXPECT_EQ(error.reason(), IoError::Reason::TooLarge);
    EXPECT_EQ(error.Size(), kMaxFontFileSize + 1);
    EXPECT_EQ(error.Limit(), kMaxFontFileSize);
  }
  const std::string bomb = fdir.File("bomb.gz");
  ASSERT_EQ(RunCommand("head -c " + std::to_string(kMaxFontFileSize + 1) + " /dev/zero | gzip -c > '" + bomb + "'"), 0);
  EXPECT_THAT(RefusalOf([](const ByteArray& data) { return ImportFont(data); }, ReadWholeFile(bomb)).english,
              HasSubstr("the data unpacks to more than " + std::to_string(kMaxFontFileSize) + " bytes"));
}

}  // namespace
