#include "export/bdfexport.h"
#include "core/model/importtestsupport.h"
#include "exporttestsupport.h"
#include "model/bdffont.h"
#include "model/ioerror.h"

#include <gtest/gtest.h>

namespace {

class BdfRoundTrip : public testing::TestWithParam<CellSize> {};

// Pixels beyond a glyph's width are the font's too: they must come back.
TEST_P(BdfRoundTrip, KeepsEveryPixelWidthAndTheBaseline) {
  const auto [w, h] = GetParam();
  for (const unsigned seed : {1u, 2u, 3u}) {
    const TFontHandler font = RandomFont(w, h, seed);
    const ImportedFont back = ReadBdf(Bytes(BdfText(font, "Round")));
    EXPECT_EQ(back.dropped, 0);
    // A type-2 image holds the cell, the baseline, every pixel and every width.
    EXPECT_TRUE(back.font->FontImage(2) == font.FontImage(2)) << "seed " << seed << ", baseline " << font.BaseLine();
  }
}

INSTANTIATE_TEST_SUITE_P(Cells, BdfRoundTrip, testing::ValuesIn(RoundTripCells()));

TEST(BdfExport, WritesTheHeaderAConsumerNeedsAndEachGlyphCutToItsInk) {
  TFontHandler font(10, 12);
  font.SetBaseLine(9);
  for (int c = 0; c < kGlyphCount; ++c) font.SetCharSize(c, 6);
  font.SetPixel('T', 1, 2, true);
  font.SetPixel('T', 9, 2, true);  // beyond the width of 6
  font.SetPixel('T', 5, 10, true);
  const std::string text = BdfText(font, "My-Font");
  EXPECT_EQ(text.substr(0, text.find("STARTCHAR")),
            "STARTFONT 2.1\n"
            "FONT -Glyphwright-My Font-Medium-R-Normal--12-120-72-72-M-60-ISO8859-1\n"
            "SIZE 12 72 72\n"
            "FONTBOUNDINGBOX 10 12 0 -3\n"
            "STARTPROPERTIES 5\n"
            "FONT_ASCENT 9\n"
            "FONT_DESCENT 3\n"
            "DEFAULT_CHAR 32\n"
            "CHARSET_REGISTRY \"ISO8859\"\n"
            "CHARSET_ENCODING \"1\"\n"
            "ENDPROPERTIES\n"
            "CHARS 256\n");
  // Rows 2..10 and columns 1..9; the box's lowest row lies 2 rows below the baseline.
  const std::string t = text.substr(text.find("STARTCHAR uni0054"));
  EXPECT_EQ(t.substr(0, t.find("ENDCHAR") + 8),
            "STARTCHAR uni0054\nENCODING 84\nSWIDTH 500 0\nDWIDTH 6 0\nBBX 9 9 1 -2\nBITMAP\n"
            "8080\n0000\n0000\n0000\n0000\n0000\n0000\n0000\n0800\nENDCHAR\n");
  EXPECT_NE(text.find("STARTCHAR uni0000\nENCODING 0\nSWIDTH 500 0\nDWIDTH 6 0\nBBX 0 0 0 0\nBITMAP\nENDCHAR\n"),
            std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 16), "ENDCHAR\nENDFONT\n");
  EXPECT_EQ(text.find('\r'), std::string::npos) << "BDF readers expect plain line feeds";
}

TEST(BdfExport, FontNameTellsProportionalFontsApart) {
  TFontHandler font(8, 8);
  font.SetCharSize('i', 3);
  EXPECT_NE(BdfText(font, "x").find("-P-80-ISO8859-1\n"), std::string::npos);
}

// The X font compiler reads the file; turned back into BDF by another tool,
// it still holds the font.
TEST(BdfExport, TheXFontToolsReadIt) {
  if (RunCommand("command -v bdftopcf") != 0 || RunCommand("command -v pcf2bdf") != 0)
    GTEST_SKIP() << "bdftopcf (xfonts-utils) or pcf2bdf is not installed";
  TempDir dir;
  for (const CellSize cell : {CellSize{6, 12}, CellSize{17, 9}, CellSize{64, 64}}) {
    SCOPED_TRACE(std::to_string(cell.w) + " x " + std::to_string(cell.h));
    const TFontHandler font = RandomFont(cell.w, cell.h, 7);
    ExportBDF(font, dir.File("font.bdf"));
    std::string output;
    ASSERT_EQ(RunCommand("bdftopcf -o '" + dir.File("font.pcf") + "' '" + dir.File("font.bdf") + "'", &output), 0)
        << output;
    ASSERT_EQ(RunCommand("pcf2bdf -o '" + dir.File("back.bdf") + "' '" + dir.File("font.pcf") + "'", &output), 0)
        << output;
    const ImportedFont back = ReadBdf(Bytes(ReadBytes(dir.File("back.bdf"))));
    EXPECT_TRUE(back.font->FontImage(2) == font.FontImage(2));
  }
}

class BdfCodePages : public testing::TestWithParam<CodePage> {};

// Codes the page has no character for are left out, and counted unless the
// glyph is blank; every other glyph comes back under its code when read
// through the same page.
TEST_P(BdfCodePages, EncodeCodePointsAndReadBackTheSameCodes) {
  const CodePage page = GetParam();
  TFontHandler font = RandomFont(7, 9, 5);
  // One blank glyph among the codes Windows-1252 lacks.
  font.SetCharSize(0x81, 0);
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 7; ++x) font.SetPixel(0x81, x, y, false);
  TempDir dir;
  const int leftOut = ExportBDF(font, dir.File("font.bdf"), page);
  const std::string text = ReadBytes(dir.File("font.bdf"));
  const ImportedFont back = ReadBdf(Bytes(text), page);
  EXPECT_EQ(back.dropped, 0);
  int mapped = 0;
  int unmappedWithContent = 0;
  for (int c = 0; c < kGlyphCount; ++c) {
    SCOPED_TRACE("code " + std::to_string(c));
    const auto point = CodePointOf(page, static_cast<std::uint8_t>(c));
    if (point) {
      ++mapped;
      EXPECT_NE(text.find("\nENCODING " + std::to_string(*point) + "\n"), std::string::npos);
      EXPECT_EQ(back.font->GetCharSize(c), font.GetCharSize(c));
      EXPECT_EQ(InkWithin(*back.font, c, 7), InkWithin(font, c, 7));
    } else {
      EXPECT_EQ(back.font->GetCharSize(c), 0);
      EXPECT_TRUE(InkWithin(*back.font, c, back.font->FontWidth()).empty());
      if (c != 0x81) ++unmappedWithContent;
    }
  }
  EXPECT_NE(text.find("\nCHARS " + std::to_string(mapped) + "\n"), std::string::npos);
  EXPECT_EQ(leftOut, unmappedWithContent);
  const bool latin1 = page == CodePage::Latin1;
  EXPECT_NE(text.find(latin1 ? "CHARSET_REGISTRY \"ISO8859\"\n" : "CHARSET_REGISTRY \"ISO10646\"\n"),
            std::string::npos);
  EXPECT_NE(text.find(latin1 ? "-ISO8859-1\n" : "-ISO10646-1\n"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Pages, BdfCodePages, testing::Values(CodePage::Latin1, CodePage::Windows1252, CodePage::Cp437),
                         [](const auto& info) { return std::string(CodePageName(info.param)); });

TEST(BdfExport, TheEuroOfWindows1252IsItsCodePoint) {
  TFontHandler font(4, 4);
  font.SetPixel(0x80, 1, 1, true);
  const std::string text = BdfText(font, "Euro", CodePage::Windows1252);
  EXPECT_NE(text.find("STARTCHAR uni20AC\nENCODING 8364\n"), std::string::npos);
  EXPECT_EQ(text.find("ENCODING 128\n"), std::string::npos);
  const ImportedFont back = ReadBdf(Bytes(text), CodePage::Windows1252);
  EXPECT_TRUE(back.font->GetPixel(0x80, 1, 1));
}

TEST(BdfExport, RefusesAnInvalidFont) {
  TempDir dir;
  TFontHandler font(8, 8);
  font.Clear();
  EXPECT_THROW(ExportBDF(font, dir.File("x.bdf")), FontError);
  EXPECT_TRUE(dir.Names().empty());
}

}  // namespace
