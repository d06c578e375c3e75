#include "clifixture.h"
#include "formats/exporttable.h"
#include "model/fonthandler.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

namespace {

namespace fs = std::filesystem;

std::string FileText(const std::string& path) {
  const ByteArray bytes = ReadWholeFile(path);
  return {bytes.begin(), bytes.end()};
}

class CliExport : public CliFixture {
 protected:
  CliExport() {
    TFontHandler font(6, 9);
    for (int c = 32; c < 128; ++c) {
      for (int y = 0; y < 9; ++y) font.SetPixel(c, (c + y) % 6, y, true);
      font.SetCharSize(c, 1 + c % 6);
    }
    font.SaveFont(File("font.fnt"), 3);
  }

  int Status(const std::vector<std::string>& args, std::string* err = nullptr) const {
    const Result result = Run(args);
    if (err) *err = result.err;
    return result.status;
  }
};

TEST_F(CliExport, EveryEntryByNumberAndByNameWritesTheSameFiles) {
  for (const ExportEntry& entry : ExportEntries()) {
    // The same base name in two folders: the C writers put the name into identifiers.
    const std::string number = std::to_string(entry.number);
    fs::create_directories(fdir.Path() / "by-number" / number);
    fs::create_directories(fdir.Path() / "by-name" / number);
    const std::string byNumber = File("by-number/" + number + "/font.txt");
    const std::string byName = File("by-name/" + number + "/font.txt");
    std::string err;
    ASSERT_EQ(Status({"export", "--entry", std::to_string(entry.number), File("font.fnt"), byNumber}, &err), 0) << err;
    ASSERT_EQ(Status({"export", File("font.fnt"), byName, "--entry", std::string(entry.name)}, &err), 0) << err;
    const bool tft = entry.number == 20 || entry.number == 21;
    const std::vector<std::string> extensions =
        tft ? std::vector<std::string>{".h", ".c"} : std::vector{std::string(entry.extension)};
    for (const std::string& ext : extensions) {
      const fs::path a = fs::path(byNumber).replace_extension(ext), b = fs::path(byName).replace_extension(ext);
      ASSERT_TRUE(fs::exists(a)) << a;
      EXPECT_GT(fs::file_size(a), 0u);
      EXPECT_TRUE(ReadWholeFile(a.string()) == ReadWholeFile(b.string())) << entry.name;
    }
  }
}

TEST_F(CliExport, TheChosenNamesExtensionIsReplaced) {
  ASSERT_EQ(Status({"export", "--entry", "20", File("font.fnt"), File("x")}), 0);
  ASSERT_EQ(Status({"export", "--entry", "1", File("font.fnt"), File("font.txt")}), 0);
  ASSERT_EQ(Status({"export", "--entry", "gas", File("font.fnt"), File("glyphs.inc")}), 0);
  EXPECT_EQ(fdir.Names(), (std::vector<std::string>{"font.fnt", "font.png", "glyphs.S", "x.c", "x.h"}));
}

TEST_F(CliExport, HighlightSizeChangesTheDemoAndDefaultsToOn) {
  ASSERT_EQ(Status({"export", "--entry", "bmp", File("font.fnt"), File("default")}), 0);
  ASSERT_EQ(Status({"export", "--entry", "bmp", "--highlight-size", "on", File("font.fnt"), File("on")}), 0);
  ASSERT_EQ(Status({"export", "--entry", "bmp", "--highlight-size", "off", File("font.fnt"), File("off")}), 0);
  EXPECT_EQ(ReadWholeFile(File("default.bmp")), ReadWholeFile(File("on.bmp")));
  EXPECT_NE(ReadWholeFile(File("on.bmp")), ReadWholeFile(File("off.bmp")));
}

TEST_F(CliExport, CodePageMapsTheCodesOfUnicodeFormatsAndNotesWhatItLeavesOut) {
  const struct {
    const char* page;
    const char* encoding;  // of code 0xB0
    const char* note;
  } cases[] = {
      {"latin1", "ENCODING 176\n", ""},
      {"cp437", "ENCODING 9617\n", ""},
      {"cp1252", "ENCODING 176\n", "note: 5 glyphs left out: no character in cp1252\n"},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.page);
    const Result result = Run({"export", "--entry", "bdf", "--codepage", row.page, File("font.fnt"), File(row.page)});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, row.note);
    EXPECT_NE(FileText(File(std::string(row.page) + ".bdf")).find(row.encoding), std::string::npos);
  }
  // Without the option, in another folder, as the file names the font.
  fs::create_directory(fdir.Path() / "default");
  ASSERT_EQ(Status({"export", "--entry", "bdf", File("font.fnt"), File("default/latin1")}), 0);
  EXPECT_EQ(ReadWholeFile(File("default/latin1.bdf")), ReadWholeFile(File("latin1.bdf")));
}

TEST_F(CliExport, CodePageReadsUnicodeInputs) {
  std::ofstream(File("euro.bdf"), std::ios::binary)
      << "STARTFONT 2.1\nFONTBOUNDINGBOX 2 2 0 0\nCHARS 1\nSTARTCHAR Euro\nENCODING 8364\nDWIDTH 2 0\n"
         "BBX 2 2 0 0\nBITMAP\n80\n40\nENDCHAR\nENDFONT\n";
  ASSERT_EQ(Status({"export", "--entry", "db", "--codepage", "cp1252", File("euro.bdf"), File("cp1252")}), 0);
  ASSERT_EQ(Status({"export", "--entry", "db", File("euro.bdf"), File("latin1")}), 0);
  const std::string euro = FileText(File("cp1252.inc"));
  const std::string glyph = euro.substr(euro.find("; char 128d/80h"), 200);
  EXPECT_NE(glyph.find("\tdb\t080h,040h\r\n"), std::string::npos) << glyph;
  const std::string dropped = FileText(File("latin1.inc"));
  EXPECT_EQ(dropped.find("080h,040h"), std::string::npos);
}

TEST_F(CliExport, UnknownCodePageIsRefused) {
  const Result result = Run({"export", "--entry", "bdf", "--codepage", "koi8", File("font.fnt"), File("out")});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "glyphwright-cli: --codepage must be latin1, cp1252 or cp437, not 'koi8'\n");
  EXPECT_FALSE(fs::exists(File("out.bdf")));
}

// Each entry shows the extensions of the files it really writes, in columns
// that line up however long an extension is.
TEST_F(CliExport, ListShowsEveryEntryWithTheExtensionsItWrites) {
  const Result result = Run({"export", "--list"});
  ASSERT_EQ(result.status, 0);
  const std::string& out = result.out;
  for (const char* line :
       {" 1  png              .png   Dot-Matrix-Demo (PNG)\n", "13  gas              .S     gnu-as - Include\n",
        "20  tft              .h .c  TFT_eSPI Font (uncompressed)\n",
        "21  tft-rle          .h .c  TFT_eSPI Font (RLE)\n",
        "22  bdf              .bdf   BDF - Bitmap Distribution Format (*.bdf)\n"})
    EXPECT_NE(out.find(line), std::string::npos) << line << out;
  std::set<std::size_t> captionColumns;
  std::size_t lineStart = 0;
  for (const ExportEntry& entry : ExportEntries()) {
    const std::size_t caption = out.find(std::string(entry.caption) + "\n", lineStart);
    ASSERT_NE(caption, std::string::npos) << entry.caption;
    captionColumns.insert(caption - lineStart);
    lineStart = caption + entry.caption.size() + 1;
  }
  EXPECT_EQ(lineStart, out.size());
  EXPECT_EQ(captionColumns.size(), 1u) << out;
}

// An LVGL source is recognised by content and read back with every glyph
// LVGL holds: codes 32..127 here.
TEST_F(CliExport, AnLvglExportIsReadBack) {
  ASSERT_EQ(Run({"export", "--entry", "lvgl", File("font.fnt"), File("lvgl")}).status, 0);
  const Result info = Run({"info", File("lvgl.c")});
  ASSERT_EQ(info.status, 0) << info.out;
  EXPECT_NE(info.out.find("format: LVGL font\n"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("glyphs with ink: 96\n"), std::string::npos) << info.out;
}

TEST_F(CliExport, BadArgumentsAndInputsWriteNothing) {
  fs::create_directories(fdir.Path() / "sub");
  std::ofstream(File("text.fnt")) << "not a font";
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const Case cases[] = {
      {{"export", File("font.fnt"), File("o")}, "usage: glyphwright-cli export"},
      {{"export", "--entry", "99", File("font.fnt"), File("o")}, "unknown export entry '99'"},
      {{"export", "--entry", "gfx", File("font.fnt"), File("o")}, "unknown export entry 'gfx'"},
      {{"export", "--entry", "1", "--highlight-size", "maybe", File("font.fnt"), File("o")},
       "--highlight-size must be on or off, not 'maybe'"},
      {{"export", "--entry", "1", "--colour", "red", File("font.fnt"), File("o")}, "usage:"},
      {{"export", "--entry", "3", File("text.fnt"), File("o")},
       "cannot import '" + File("text.fnt") + "': not a font in a known format"},
      {{"export", "--entry", "3", File("font.fnt"), File("none/o")},
       "cannot write '" + File("none/o.inc") + "': No such file or directory"},
      {{"export", "--entry", "tft-rle", File("font.fnt"), File("none/o")},
       "cannot write '" + File("none/o.h") + "' and '" + File("none/o.c") + "': No such file or directory"},
  };
  for (const Case& k : cases) {
    std::string err;
    EXPECT_EQ(Status(k.args, &err), 1) << k.message;
    EXPECT_NE(err.find(k.message), std::string::npos) << err;
  }
  EXPECT_EQ(fdir.Names(), (std::vector<std::string>{"font.fnt", "sub", "text.fnt"}));
}

// Fonts the GFX header cannot hold are refused with an English reason.
TEST_F(CliExport, GfxLimitsAreReportedInEnglishAndWriteNothing) {
  TFontHandler baseline(5, 10);
  baseline.SetBaseLine(0);
  baseline.SaveFont(File("baseline.fnt"), 3);
  TFontHandler large(64, 64);
  for (int c = 1; c < 200; ++c)
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x) large.SetPixel(c, x, y, true);
  large.SaveFont(File("large.fnt"), 3);
  struct Case {
    std::string font, entry, reason;
  };
  const Case cases[] = {
      {"baseline.fnt", "gfx127", "its baseline 0 lies outside the cell height of 10 pixels (1 to 10 needed)"},
      {"large.fnt", "gfx255",
       "the bitmap of glyph 129 (0x81) would lie beyond the 65535 bytes a GFX font can address; "
       "export with entry gfx127 instead"},
      {"large.fnt", "gfx255-compact",
       "the bitmap of glyph 129 (0x81) would lie beyond the 65535 bytes a GFX font can address; "
       "export with entry gfx127-compact instead"},
  };
  for (const Case& k : cases) {
    std::string err;
    EXPECT_EQ(Status({"export", "--entry", k.entry, File(k.font), File("out")}, &err), 1) << k.entry;
    const std::string message = "cannot export '" + File(k.font) + "' as a GFX font: " + k.reason;
    EXPECT_NE(err.find(message), std::string::npos) << err;
  }
  EXPECT_FALSE(fs::exists(File("out.h")));
  ASSERT_EQ(Status({"export", "--entry", "gfx127", File("large.fnt"), File("out")}), 0);
}

// A glyph whose record passes u8g2's one-byte size is named in English.
TEST_F(CliExport, U8g2GlyphSizeIsReportedInEnglishAndWritesNothing) {
  TFontHandler busy(64, 64);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) busy.SetPixel(65, x, y, (x + y) % 2 == 0);
  busy.SaveFont(File("busy.fnt"), 3);
  std::string err;
  EXPECT_EQ(Status({"export", "--entry", "u8g2", File("busy.fnt"), File("out")}, &err), 1);
  EXPECT_NE(err.find("cannot export '" + File("busy.fnt") + "' as a u8g2 font: glyph 65 (0x41) needs "),
            std::string::npos)
      << err;
  EXPECT_NE(err.find(" bytes, more than the 255 bytes u8g2 holds per glyph"), std::string::npos) << err;
  EXPECT_FALSE(fs::exists(File("out.h")));
}

}  // namespace
