#include "commands/fontimport.h"

#include "model/fonthandler.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QRawFont>

#include <string>

namespace {

const QString kMono = QStringLiteral("DejaVu Sans Mono");

int LineHeight(const QFont& font) {
  const QFontMetrics metrics(font);
  return metrics.ascent() + metrics.descent();
}

bool HasInk(const TFontHandler& font, int c) {
  for (int y = 0; y < font.FontHeight(); ++y)
    for (int x = 0; x < font.FontWidth(); ++x)
      if (font.GetPixel(c, x, y)) return true;
  return false;
}

int RightmostInk(const TFontHandler& font, int c) {
  for (int x = font.FontWidth() - 1; x >= 0; --x)
    for (int y = 0; y < font.FontHeight(); ++y)
      if (font.GetPixel(c, x, y)) return x;
  return -1;
}

// The lowest row of glyph c with ink, -1 for none.
int LowestInk(const TFontHandler& font, int c) {
  for (int y = font.FontHeight() - 1; y >= 0; --y)
    for (int x = 0; x < font.FontWidth(); ++x)
      if (font.GetPixel(c, x, y)) return y;
  return -1;
}

// '#' for ink, '.' for none.
std::string GlyphRows(const TFontHandler& font, int c) {
  std::string rows;
  for (int y = 0; y < font.FontHeight(); ++y) {
    for (int x = 0; x < font.FontWidth(); ++x) rows += font.GetPixel(c, x, y) ? '#' : '.';
    rows += '\n';
  }
  return rows;
}

// Every glyph's width follows from its ink, the baseline is the row under the
// capitals, and the cell carries nothing else.
void ExpectImportedFont(const TFontHandler& font, int height) {
  EXPECT_EQ(font.FontHeight(), height);
  EXPECT_GE(font.FontWidth(), 1);
  EXPECT_LE(font.FontWidth(), 64);
  for (const int capital : {'A', 'H', 'Z'}) EXPECT_EQ(font.BaseLine(), LowestInk(font, capital) + 1) << capital;
  EXPECT_LT(LowestInk(font, 'g'), height) << "descenders fit the cell";
  EXPECT_EQ(font.fonttype(), 3);
  for (int c = 0; c < kGlyphCount; ++c) {
    EXPECT_EQ(font.GetCharSize(c), ImportedWidth(RightmostInk(font, c), font.FontWidth())) << c;
    EXPECT_EQ(font.GetKerning(c), TKerning()) << c;
  }
}

class FontImportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!QFontDatabase::families().contains(kMono)) GTEST_SKIP() << "fonts-dejavu-core is not installed";
  }
};

TEST(ImportedWidthTest, FollowsTheRightmostInkedColumn) {
  // W = 10: ink up to column 6 gives 8, only column 0 gives 5, none keeps 10.
  const std::tuple<int, int, int> rows[] = {{6, 10, 8},  {0, 10, 5}, {-1, 10, 10}, {9, 10, 10},
                                            {8, 10, 10}, {1, 10, 3}, {0, 1, 0},    {-1, 64, 64}};
  for (const auto& [ink, cell, width] : rows) EXPECT_EQ(ImportedWidth(ink, cell), width) << ink << " in " << cell;
}

TEST(ImportCharacterTest, AnsiTakesTheDosCodePageExceptForCodeZero) {
  EXPECT_EQ(ImportCharacter(0x84, true), U'ä');
  EXPECT_EQ(ImportCharacter(0x84, false), U'\u0084');
  EXPECT_EQ(ImportCharacter(0, true), U'\0');
  EXPECT_EQ(ImportCharacter('A', true), U'A');
  EXPECT_EQ(ImportCharacter(0xE1, true), U'ß');
  EXPECT_EQ(ImportCharacter(0xE1, false), U'á');
}

TEST_F(FontImportTest, CellFontHasTheLineHeightAsked) {
  for (int height = kMinImportHeight; height <= kMaxImportHeight; ++height) {
    const QFont font = CellFont(kMono, height, QFont::Normal, false);
    EXPECT_EQ(QFontInfo(font).family(), kMono);
    // Rounding may skip a height; the next pixel size would be too high.
    EXPECT_LE(LineHeight(font), height);
    EXPECT_GE(LineHeight(font), height - 1);
    QFont larger = font;
    larger.setPixelSize(font.pixelSize() + 1);
    EXPECT_GT(LineHeight(larger), height);
  }
}

TEST_F(FontImportTest, MaxWidthIsTheWidestAdvancePlusOneAndAtMost64) {
  const QFont font = CellFont(kMono, 16, QFont::Normal, false);
  // Every character of a monospaced face advances the same.
  EXPECT_EQ(MaxWidth(font), QFontMetrics(font).horizontalAdvance(QChar('M')) + 1);
  QFont huge(kMono);
  huge.setPixelSize(150);
  EXPECT_EQ(MaxWidth(huge), 64);
  QFont bold = font;
  bold.setWeight(QFont::Black);
  EXPECT_GE(MaxWidth(bold), MaxWidth(font));
}

TEST_F(FontImportTest, ImportsAtSeveralHeightsWithWidthsFromTheInk) {
  for (int height : {8, 12, 16, 33, 64}) {
    SCOPED_TRACE(height);
    TImportChoice choice{kMono, QFont::Normal, false, height, true};
    const auto font = ImportInstalledFont(choice);
    ExpectImportedFont(*font, height);
    EXPECT_EQ(font->FontWidth(), MaxWidth(CellFont(choice)));
    EXPECT_FALSE(HasInk(*font, ' '));
    EXPECT_EQ(font->GetCharSize(' '), font->FontWidth());
    for (int c : {int{'A'}, int{'g'}, int{'M'}, int{'0'}, int{'|'}, 0x84, 0xDB}) EXPECT_TRUE(HasInk(*font, c)) << c;
    // The space of a monospaced face is as wide as any letter.
    EXPECT_LE(font->GetCharSize('i'), font->FontWidth());
  }
}

TEST_F(FontImportTest, AnsiRendersCode0x84AsTheDosCodePagesUmlaut) {
  TImportChoice choice{kMono, QFont::Normal, false, 16, true};
  const auto ansi = ImportInstalledFont(choice);
  choice.Ansi = false;
  const auto unicode = ImportInstalledFont(choice);
  EXPECT_EQ(GlyphRows(*ansi, 0x84), GlyphRows(*unicode, 0xE4)) << "ä";
  EXPECT_NE(GlyphRows(*ansi, 0x84), GlyphRows(*unicode, 0x84));
  EXPECT_EQ(GlyphRows(*ansi, 0), GlyphRows(*unicode, 0));
  EXPECT_EQ(GlyphRows(*ansi, 'A'), GlyphRows(*unicode, 'A'));
}

TEST_F(FontImportTest, HeightIsLimitedTo8To64) {
  for (const auto& [asked, used] : {std::pair{5, 8}, std::pair{0, 8}, std::pair{65, 64}, std::pair{1000, 64}}) {
    const auto font = ImportInstalledFont({kMono, QFont::Normal, false, asked, true});
    EXPECT_EQ(font->FontHeight(), used) << asked;
  }
}

TEST_F(FontImportTest, WeightAndItalicsChangeTheRendering) {
  const auto normal = ImportInstalledFont({kMono, QFont::Normal, false, 24, true});
  const auto bold = ImportInstalledFont({kMono, QFont::Bold, false, 24, true});
  const auto italic = ImportInstalledFont({kMono, QFont::Normal, true, 24, true});
  EXPECT_NE(GlyphRows(*normal, 'l'), GlyphRows(*bold, 'l'));
  EXPECT_NE(GlyphRows(*normal, 'l'), GlyphRows(*italic, 'l'));
}

TEST_F(FontImportTest, ReportsEachCodeWithItsRenderingInOrder) {
  int expected = 0;
  ImportInstalledFont({kMono, QFont::Normal, false, 16, true}, [&](int code, const QImage& rendering) {
    EXPECT_EQ(code, expected++);
    EXPECT_EQ(rendering.size(), QSize(kRenderSize, kRenderSize));
  });
  EXPECT_EQ(expected, kGlyphCount);
}

// Only pure black counts as ink: the rendering has no grey edges, and the
// background is no ink.
TEST_F(FontImportTest, RendersWithoutAntialiasingOnANonBlackBackground) {
  TGlyphRenderer renderer(CellFont(kMono, 32, QFont::Normal, true));
  const QImage& picture = renderer.Render(U'@');
  const QRgb background = picture.pixel(kRenderSize - 1, kRenderSize - 1);
  EXPECT_NE(background & 0xFFFFFF, 0u);
  int black = 0;
  for (int y = 0; y < kRenderSize; ++y)
    for (int x = 0; x < kRenderSize; ++x) {
      const QRgb pixel = picture.pixel(x, y);
      EXPECT_TRUE(pixel == background || (pixel & 0xFFFFFF) == 0) << x << "," << y;
      black += (pixel & 0xFFFFFF) == 0;
    }
  EXPECT_GT(black, 20);
}

// The fast read-back against the obvious one, pixel by pixel, over cells of
// several widths and characters of much and little ink.
TEST_F(FontImportTest, ReadsBackExactlyThePureBlackPixelsOfTheCell) {
  for (int width : {1, 7, 8, 33, 63, 64}) {
    TGlyphRenderer renderer(CellFont(kMono, 64, QFont::Black, false));
    TFontHandler font(width, 64);
    int c = 0;
    for (char32_t character : {U'@', U'█', U'▒', U'.', U' ', U'W'}) {
      QImage picture = renderer.Render(character).copy();
      renderer.ReadGlyph(font, c);
      std::string expected;
      int rightmost = -1;
      for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < width; ++x) {
          const bool black = (picture.pixel(x, y) & 0xFFFFFF) == 0;
          expected += black ? '#' : '.';
          if (black) rightmost = std::max(rightmost, x);
        }
        expected += '\n';
      }
      EXPECT_EQ(GlyphRows(font, c), expected) << width << " " << c;
      EXPECT_EQ(font.GetCharSize(c), ImportedWidth(rightmost, width));
      ++c;
    }
  }
}

// Whatever the system lists must import: TrueType, OpenType, Type 1 and bitmap faces.
TEST(InstalledFontsTest, EveryListedFamilyImportsWithSensibleResults) {
  const QStringList families = QFontDatabase::families();
  ASSERT_FALSE(families.isEmpty());
  for (const QString& family : families) {
    SCOPED_TRACE(family.toStdString());
    const auto font = ImportInstalledFont({family, QFont::Normal, false, 20, true});
    ExpectImportedFont(*font, 20);
    // A face whose character A can be drawn shows ink for it.
    const QFont cell = CellFont(family, 20, QFont::Normal, false);
    if (QFontMetrics(cell).inFont(QChar('A')) && QFontInfo(cell).family() == family) {
      EXPECT_TRUE(HasInk(*font, 'A')) << GlyphRows(*font, 'A');
    }
  }
}

TEST(InstalledFontsTest, BitmapFacesImportCrisply) {
  const QString file = QStringLiteral("/usr/share/fonts/X11/misc/ter-u16n_unicode.pcf.gz");
  if (!QFile::exists(file)) GTEST_SKIP() << "xfonts-terminus is not installed";
  const int id = QFontDatabase::addApplicationFont(file);
  ASSERT_GE(id, 0);
  const QString family = QFontDatabase::applicationFontFamilies(id).value(0);
  const auto font = ImportInstalledFont({family, QFont::Normal, false, 16, true});
  QFontDatabase::removeApplicationFont(id);
  ExpectImportedFont(*font, 16);
  // Terminus 16 draws its letters in an 8 x 16 cell, plus the column the width adds.
  EXPECT_EQ(font->FontWidth(), 9);
  EXPECT_EQ(
      GlyphRows(*font, 'H'),
      ".........\n.........\n"
      ".#....#..\n.#....#..\n.#....#..\n.#....#..\n.######..\n.#....#..\n.#....#..\n.#....#..\n.#....#..\n.#....#..\n"
      ".........\n.........\n.........\n.........\n");
}

}  // namespace
