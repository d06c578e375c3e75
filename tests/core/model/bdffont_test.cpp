#include "model/bdffont.h"
#include "importtestsupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::HasSubstr;

// A proportional font as BDF editors write it: glyph boxes cut to the ink,
// a descender reaching left of the pen, a space without a box, and glyphs
// the font model cannot hold (a code above 255, an unencoded glyph and a
// second 'A').
constexpr std::string_view kSmallBdf = R"(STARTFONT 2.1
COMMENT a hand-made test font
FONT -Test-Small-Medium-R-Normal--10-100-75-75-P-50-ISO10646-1
SIZE 10 75 75
FONTBOUNDINGBOX 5 9 -1 -2
STARTPROPERTIES 3
FONT_ASCENT 8
FONT_DESCENT 2
COPYRIGHT "none"
ENDPROPERTIES
CHARS 6
STARTCHAR space
ENCODING 32
SWIDTH 300 0
DWIDTH 3 0
BBX 0 0 0 0
BITMAP
ENDCHAR
STARTCHAR A
ENCODING 65
SWIDTH 500 0
DWIDTH 5 0
BBX 4 5 0 0
BITMAP
60
90
F0
90
90
ENDCHAR
STARTCHAR j
ENCODING 106
SWIDTH 400 0
DWIDTH 3 0
BBX 3 7 -1 -2
BITMAP
20
00
20
20
20
A0
40
ENDCHAR
STARTCHAR Euro
ENCODING 8364
DWIDTH 5 0
BBX 80 1 0 0
BITMAP
FFFFFFFFFFFFFFFFFFFF
ENDCHAR
STARTCHAR unencoded
ENCODING -1 200
DWIDTH 5 0
BBX 1 1 0 0
BITMAP
80
ENDCHAR
STARTCHAR A.alt
ENCODING 65
DWIDTH 5 0
BBX 1 1 0 0
BITMAP
80
ENDCHAR
ENDFONT
)";

ByteArray SmallBdf() { return Bytes(kSmallBdf); }

// The small font with one piece of text replaced.
ByteArray SmallBdfWith(std::string_view from, std::string_view to) { return Replaced(kSmallBdf, from, to); }

TEST(BdfFont, GlyphsLandOnACellAroundTheBaseline) {
  const ImportedFont imported = ReadBdf(SmallBdf());
  const TFontHandler& font = *imported.font;
  EXPECT_EQ(imported.format, FontFileFormat::Bdf);
  // FONT_ASCENT 8 above the baseline, the descent of 2 below it; the 'j'
  // reaches one column left of the pen, so every glyph moves right by one.
  EXPECT_EQ(font.FontWidth(), 5);
  EXPECT_EQ(font.FontHeight(), 10);
  EXPECT_EQ(font.BaseLine(), 8);
  EXPECT_EQ(GlyphPicture(font, 'A'),
            ".....\n"
            ".....\n"
            ".....\n"
            "..##.\n"
            ".#..#\n"
            ".####\n"
            ".#..#\n"
            ".#..#\n"
            ".....\n"
            ".....\n");
  EXPECT_EQ(GlyphPicture(font, 'j'),
            ".....\n"
            ".....\n"
            ".....\n"
            "..#..\n"
            ".....\n"
            "..#..\n"
            "..#..\n"
            "..#..\n"
            "#.#..\n"
            ".#...\n");
  EXPECT_EQ(font.GetCharSize('A'), 5);
  EXPECT_EQ(font.GetCharSize('j'), 3);
  EXPECT_EQ(font.GetCharSize(' '), 3);
  EXPECT_EQ(GlyphPicture(font, ' ').find('#'), std::string::npos);
  EXPECT_EQ(font.GetCharSize('B'), 0) << "a code the file lacks stays empty with width 0";
  EXPECT_EQ(imported.dropped, 3) << "code 8364, the unencoded glyph and the second 'A'";
}

TEST(BdfFont, TakesTheCommonSubsetOfVersionTwoPointTwo) {
  // A font-wide DWIDTH instead of per glyph, and keywords of vertical writing.
  const ImportedFont imported =
      ReadBdf(Bytes("STARTFONT 2.2\nMETRICSSET 0\nFONTBOUNDINGBOX 3 3 0 0\nDWIDTH 2 0\nSWIDTH1 0 1000\nCHARS 1\n"
                    "STARTCHAR x\nENCODING 120\nVVECTOR 1 1\nBBX 2 2 0 0\nBITMAP\n\t80  \r\n40\r\nENDCHAR\nENDFONT\n"));
  EXPECT_EQ(imported.font->GetCharSize('x'), 2);
  EXPECT_EQ(GlyphPicture(*imported.font, 'x'), "...\n#..\n.#.\n");
}

TEST(BdfFont, ACellAboveSixtyFourPixelsIsRefusedNamingTheDimension) {
  struct Case {
    ByteArray file;
    std::string german, english;
  };
  const Case cases[] = {
      {SmallBdfWith("FONTBOUNDINGBOX 5 9 -1 -2", "FONTBOUNDINGBOX 65 9 0 -2"),
       "BDF-Datei, Zeile 5: Die Zeichenzelle würde hier 65 Pixel breit",
       "BDF file, line 5: the cell would grow to 65 pixels in width here"},
      {SmallBdfWith("FONT_ASCENT 8", "FONT_ASCENT 63"), "Zeile 7: Die Zeichenzelle würde hier 65 Pixel hoch",
       "line 7: the cell would grow to 65 pixels in height here"},
      {SmallBdfWith("BBX 4 5 0 0", "BBX 4 5 61 0"), "Zeile 23: Die Zeichenzelle würde hier 65 Pixel breit",
       "line 23: the cell would grow to 65 pixels in width"},
      {SmallBdfWith("BBX 3 7 -1 -2", "BBX 3 70 -1 -2"), "Zeile 35: Die Zeichenzelle würde hier 70 Pixel hoch",
       "line 35: the cell would grow to 70 pixels in height"},
  };
  for (const Case& k : cases) {
    const Refusal refusal = RefusalOf([](const ByteArray& data) { return ReadBdf(data); }, k.file);
    EXPECT_THAT(refusal.german, HasSubstr(k.german));
    EXPECT_THAT(refusal.english, HasSubstr(k.english));
  }
}

// An advance is space, not ink: one beyond 64 columns is cut, not refused.
TEST(BdfFont, AWideAdvanceIsCutToTheLargestCell) {
  const ImportedFont imported = ReadBdf(SmallBdfWith("DWIDTH 5 0\nBBX 4 5", "DWIDTH 90 0\nBBX 4 5"));
  EXPECT_EQ(imported.font->FontWidth(), 64);
  EXPECT_EQ(imported.font->GetCharSize('A'), 64);
}

TEST(BdfFont, BrokenFilesAreRefusedNamingTheLine) {
  struct Case {
    const char* what;
    ByteArray file;
    std::string english;
  };
  const std::string small(kSmallBdf);
  const Case cases[] = {
      {"no BDF at all", Bytes("FONT x\n"), "line 1: the file does not begin with STARTFONT"},
      {"ends inside a bitmap", Bytes(small.substr(0, small.find("F0\n"))), "line 26: the file ends before ENDCHAR"},
      {"ends before ENDFONT", Bytes(small.substr(0, small.rfind("ENDFONT"))), "line 65: the file ends before ENDFONT"},
      {"ends in the header", Bytes("STARTFONT 2.1\nFONTBOUNDINGBOX 1 1 0 0\n"), "line 2: the file ends before CHARS"},
      {"CHARS lies", SmallBdfWith("CHARS 6", "CHARS 7"), "line 11: CHARS announces 7 but 6 follow"},
      {"property count lies", SmallBdfWith("STARTPROPERTIES 3", "STARTPROPERTIES 2"),
       "line 6: STARTPROPERTIES announces 2 but 3 follow"},
      {"row too short", SmallBdfWith("A0\n40", "A\n40"), "line 42: the bitmap row needs 2 hexadecimal digits"},
      {"row not hexadecimal", SmallBdfWith("F0\n", "FG\n"), "line 27: the bitmap row needs 2 hexadecimal digits"},
      {"too few rows", SmallBdfWith("90\n90\nENDCHAR", "90\nENDCHAR"), "line 29: the bitmap row needs"},
      {"too many rows", SmallBdfWith("90\n90\nENDCHAR", "90\n90\n90\nENDCHAR"),
       "line 30: expected ENDCHAR, found \"90\""},
      {"no ENDCHAR", SmallBdfWith("40\nENDCHAR\n", "40\n"), "line 44: expected ENDCHAR, found \"STARTCHAR\""},
      {"no ENCODING", SmallBdfWith("ENCODING 65\n", ""), "line 23: ENCODING is missing before BITMAP"},
      {"no BBX", SmallBdfWith("BBX 4 5 0 0\n", ""), "line 23: BBX is missing before BITMAP"},
      {"no bounding box", SmallBdfWith("FONTBOUNDINGBOX 5 9 -1 -2\n", ""),
       "line 10: FONTBOUNDINGBOX is missing before CHARS"},
      {"a word for a number", SmallBdfWith("BBX 4 5 0 0", "BBX 4 five 0 0"), "line 23: BBX needs 4 integers"},
      {"a number too large", SmallBdfWith("DWIDTH 3 0", "DWIDTH 30000000000 0"), "line 15: DWIDTH needs 2 integers"},
      {"a negative box", SmallBdfWith("BBX 4 5 0 0", "BBX 4 -5 0 0"), "line 23: BBX needs a width and height of 0"},
      {"garbage between glyphs", SmallBdfWith("STARTCHAR j", "junk\nSTARTCHAR j"),
       "line 31: expected STARTCHAR or ENDFONT, found \"junk\""},
  };
  for (const Case& k : cases) {
    const Refusal refusal = RefusalOf([](const ByteArray& data) { return ReadBdf(data); }, k.file);
    EXPECT_THAT(refusal.english, HasSubstr(k.english)) << k.what;
    EXPECT_THAT(refusal.german, HasSubstr("BDF-Datei, Zeile ")) << k.what;
  }
}

TEST(BdfFont, RecognisedByItsFirstKeyword) {
  EXPECT_TRUE(IsBdfFile(SmallBdf()));
  EXPECT_TRUE(IsBdfFile(Bytes("\n  STARTFONT 2.1\n")));
  EXPECT_FALSE(IsBdfFile(Bytes("FONT x\nSTARTFONT 2.1\n")));
  EXPECT_FALSE(IsBdfFile(Bytes("STARTFONTS\n")));
  EXPECT_FALSE(IsBdfFile({}));
}

}  // namespace
