#include "clifixture.h"
#include "model/fontimport.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kBdf =
    "STARTFONT 2.1\nFONTBOUNDINGBOX 3 4 0 -1\nSTARTPROPERTIES 2\nFONT_ASCENT 3\nFONT_DESCENT 1\nENDPROPERTIES\n"
    "CHARS 2\nSTARTCHAR a\nENCODING 97\nDWIDTH 2 0\nBBX 2 2 0 0\nBITMAP\n80\n40\nENDCHAR\n"
    "STARTCHAR Euro\nENCODING 8364\nDWIDTH 3 0\nBBX 1 1 0 0\nBITMAP\n80\nENDCHAR\nENDFONT\n";
constexpr std::string_view kGfx =
    "const uint8_t B[] PROGMEM = {0x90};\nconst GFXglyph G[] PROGMEM = {{0, 2, 2, 2, 0, -2}};\n"
    "const GFXfont F PROGMEM = {(uint8_t *)B, (GFXglyph *)G, 97, 97, 4};\n";

// A PSF 2 font of one 10 x 4 glyph.
ByteArray Psf2() {
  return ByteArray{0x72, 0xB5, 0x4A, 0x86, 0, 0, 0, 0, 32, 0, 0, 0, 0,    0,    0,    0,    1,    0,    0,    0,
                   8,    0,    0,    0,    4, 0, 0, 0, 10, 0, 0, 0, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x40};
}

class CliImport : public CliFixture {
 protected:
  CliImport() {
    Write("font.bdf", ByteArray(kBdf.begin(), kBdf.end()));
    Write("font.h", ByteArray(kGfx.begin(), kGfx.end()));
    Write("font.psf", Psf2());
  }

  void Write(const std::string& name, const ByteArray& bytes) const {
    std::ofstream(File(name), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
};

TEST_F(CliImport, ConvertWritesEachFormatAsAnFntFont) {
  for (const char* name : {"font.bdf", "font.h", "font.psf"}) {
    SCOPED_TRACE(name);
    const Result r = Run({"convert", "--type", "2", File(name), File("out.fnt")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out + r.err, "");
    EXPECT_EQ(ReadWholeFile(File("out.fnt")), ImportFontFile(File(name)).font->FontImage(2));
  }
}

TEST_F(CliImport, InfoNamesTheFormatAndTheDroppedGlyphs) {
  const Result bdf = Run({"info", File("font.bdf")});
  ASSERT_EQ(bdf.status, 0) << bdf.err;
  EXPECT_EQ(bdf.out,
            "format: BDF\nglyphs dropped: 1\ntype: 3\nwidth: 3\nheight: 4\nbaseline: 3\nglyphs with ink: 1\n"
            "smallest width: 0\nlargest width: 2\n");
  const std::string psf = Run({"info", File("font.psf")}).out;
  EXPECT_EQ(psf.rfind("format: PSF 2\nglyphs dropped: 0\ntype: 3\nwidth: 10\nheight: 4\n", 0), 0u) << psf;
  const std::string gfx = Run({"info", File("font.h")}).out;
  EXPECT_EQ(gfx.rfind("format: GFX header\nglyphs dropped: 0\n", 0), 0u) << gfx;
}

TEST_F(CliImport, ExportTakesTheOtherFormatsToo) {
  const Result r = Run({"export", "--entry", "bdf", File("font.h"), File("again")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(ImportFontFile(File("again.bdf")).font->FontImage(2), ImportFontFile(File("font.h")).font->FontImage(2));
}

TEST_F(CliImport, ABrokenFileGivesOneEnglishLineAndWritesNothing) {
  std::string cut(kBdf.substr(0, kBdf.find("40\n")));
  Write("cut.bdf", ByteArray(cut.begin(), cut.end()));
  ByteArray psf = Psf2();
  psf[28] = 65;
  Write("wide.psf", psf);
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const Case cases[] = {
      {{"convert", "--type", "3", File("cut.bdf"), File("o.fnt")},
       "cannot import '" + File("cut.bdf") + "': BDF file, line 13: the file ends before ENDCHAR"},
      {{"info", File("wide.psf")},
       "cannot import '" + File("wide.psf") +
           "': PSF file, offset 28: the glyphs are 65 pixels wide; 1 to 64 are "
           "possible"},
      {{"export", "--entry", "gfx127", File("cut.bdf"), File("o")},
       "cannot import '" + File("cut.bdf") + "': BDF file, line 13: the file ends before ENDCHAR"},
  };
  for (const Case& k : cases) {
    const Result r = Run(k.args);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "glyphwright-cli: " + k.message + "\n");
  }
  EXPECT_FALSE(fs::exists(File("o.fnt")));
  EXPECT_FALSE(fs::exists(File("o.h")));
}

TEST_F(CliImport, HelpNamesTheInputFormats) {
  const Result r = Run({"--help"});
  EXPECT_NE(r.out.find("FNT, BDF, PSF 1 or 2 (also gzip-compressed) or Arduino GFX header"), std::string::npos)
      << r.out;
}

}  // namespace
