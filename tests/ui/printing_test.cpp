#include "views/printing.h"

#include "model/fonthandler.h"
#include "ui/mainformfixture.h"
#include "ui/scriptedwindowdialogs.h"
#include "version.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstring>
#include <memory>

namespace {

// The charset picture of a W x H font: 16 cells of W + 2 plus a 2-pixel margin each way.
QSize CharsetSize(QSize cell) { return QSize(16 * (cell.width() + 2) + 2, 16 * (cell.height() + 2) + 2); }

TEST(PrintLayoutTest, FollowsTheWorkedExamples) {
  struct Row {
    const char* name;
    PrintPage page;
    QSize cell;
    int scale;
    const char* ratio;
  };
  const Row rows[] = {
      {"8x8 at 600 dpi, limited to one point per pixel", {600, false, {4800, 6800}}, {8, 8}, 8, "1:1,0"},
      {"64x64 at 300 dpi fits only once", {300, false, {2400, 3400}}, {64, 64}, 1, "1:4,2"},
      {"300 dpi allows at most 4", {300, false, {2400, 3400}}, {8, 8}, 4, "1:1,0"},
      {"72 dpi allows at most 1", {72, false, {576, 792}}, {8, 8}, 1, "1:1,0"},
      {"16x16 at 600 dpi in landscape", {600, true, {6800, 4800}}, {16, 16}, 8, "1:1,0"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const QSize picture = CharsetSize(row.cell);
    const int th = 100;
    const PrintLayout layout = LayoutPrint(row.page, picture, th);
    EXPECT_EQ(layout.Scale, row.scale);
    EXPECT_FALSE(layout.Clipped);
    EXPECT_EQ(layout.Picture.size(), picture * row.scale);
    const int left = row.page.Landscape ? 0 : row.page.Dpi;
    const int top = row.page.Landscape ? row.page.Dpi : 0;
    EXPECT_EQ(layout.Left, left);
    EXPECT_EQ(layout.Top, top);
    const QSize area = row.page.Printable;
    EXPECT_EQ(layout.Picture.left(), (area.width() - left - picture.width() * row.scale) / 2 + left);
    EXPECT_EQ(layout.Picture.top(), (area.height() - top - 5 * th - picture.height() * row.scale) / 2 + top + 2 * th);
    EXPECT_TRUE(PrintTitle("/fonts/lcd.fnt", row.cell, row.page.Dpi, layout).endsWith(row.ratio));
  }
  // The 8x8 example: 1296 pixels square.
  EXPECT_EQ(LayoutPrint({600, false, {4800, 6800}}, CharsetSize({8, 8}), 100).Picture.size(), QSize(1296, 1296));
}

TEST(PrintLayoutTest, TitleNamesTheFileWithoutItsFolder) {
  const PrintLayout layout = LayoutPrint({600, false, {4800, 6800}}, CharsetSize({8, 12}), 100);
  EXPECT_EQ(PrintTitle("/fonts/lcd8x12.fnt", {8, 12}, 600, layout).toStdString(), "lcd8x12.fnt (8x12 Pixel) 1:1,0");
  EXPECT_EQ(PrintTitle("", {8, 12}, 600, layout).toStdString(), " (8x12 Pixel) 1:1,0");
}

TEST(PrintLayoutTest, APictureLargerThanThePageIsPrintedAtOneToOneFromTheCornerAndSaysSo) {
  // 64x64 needs 1058 pixels; at 150 dpi the width right of the margin is 1000.
  const PrintPage rows[] = {{150, false, {1150, 2000}}, {150, false, {2000, 1000}}, {50, true, {1000, 800}}};
  for (const PrintPage& page : rows) {
    const PrintLayout layout = LayoutPrint(page, CharsetSize({64, 64}), 40);
    EXPECT_TRUE(layout.Clipped);
    EXPECT_EQ(layout.Scale, 1);
    EXPECT_EQ(layout.Picture.size(), CharsetSize({64, 64}));
    EXPECT_GE(layout.Picture.left(), layout.Band.left());
    EXPECT_GE(layout.Picture.top(), layout.Band.top());
    const QString title = PrintTitle("big.fnt", {64, 64}, page.Dpi, layout);
    EXPECT_TRUE(title.startsWith(QStringLiteral("big.fnt (64x64 Pixel) 1:"))) << title.toStdString();
    EXPECT_TRUE(title.contains(QStringLiteral("abgeschnitten"))) << title.toStdString();
  }
}

TEST(PrintLayoutTest, BelowSeventyTwoDpiAPixelIsNeverPrintedAtScaleZero) {
  const PrintLayout layout = LayoutPrint({50, false, {400, 550}}, CharsetSize({1, 1}), 10);
  EXPECT_EQ(layout.Scale, 1);
  EXPECT_FALSE(layout.Clipped);
  EXPECT_TRUE(PrintTitle("", {1, 1}, 50, layout).endsWith(QStringLiteral("1:0,7")));
}

// A font whose glyphs show any scaling or smoothing: a checkerboard in each
// glyph, and widths that leave part of many cells highlighted.
std::unique_ptr<TFontHandler> PatternFont(QSize cell) {
  auto font = std::make_unique<TFontHandler>(cell.width(), cell.height());
  for (int c = 0; c < kGlyphCount; ++c) {
    for (int y = 0; y < cell.height(); ++y)
      for (int x = 0; x < cell.width(); ++x) font->SetPixel(c, x, y, (x + y + c) % 2 == 0);
    font->SetCharSize(c, c % (cell.width() + 1));
  }
  return font;
}

TEST(PrintedCharsetTest, IsTheCharsetTableOnWhite) {
  const auto font = PatternFont({8, 8});
  const QImage picture = PrintedCharset(*font, true);
  ASSERT_EQ(picture.size(), CharsetSize({8, 8}));
  // Glyph 1 lies in the second cell, from (12, 2), and is 1 pixel wide.
  EXPECT_EQ(picture.pixel(0, 0), qRgb(255, 255, 255));
  EXPECT_EQ(picture.pixel(12, 2), qRgb(255, 255, 255));
  EXPECT_EQ(picture.pixel(12, 3), qRgb(0, 0, 0));
  EXPECT_EQ(picture.pixel(13, 2), qRgb(255, 0, 0));
  EXPECT_EQ(PrintedCharset(*font, false).pixel(13, 2), qRgb(255, 255, 255));
}

class PrintToPdfTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (QStandardPaths::findExecutable("pdftoppm").isEmpty() || QStandardPaths::findExecutable("pdftotext").isEmpty())
      GTEST_SKIP() << "poppler-utils are not installed";
  }

  // Prints to a PDF of the given page size in points at 600 dpi, without margins.
  void Print(QSizeF pagePoints, QPageLayout::Orientation orientation, const TFontHandler& font, const QString& file) {
    fdialogs.ExpectPrinter([&](QPrinter& printer) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(Pdf());
      printer.setResolution(600);
      printer.setPageLayout(QPageLayout(QPageSize(pagePoints, QPageSize::Point), orientation, QMarginsF()));
      return true;
    });
    TPrintCommand command(fdialogs);
    command.PrintExecute(font, file, true);
  }

  QString Pdf() const { return fdir.filePath("page.pdf"); }

  QString Text() const {
    QProcess process;
    process.start("pdftotext", {"-layout", Pdf(), "-"});
    EXPECT_TRUE(process.waitForFinished());
    return QString::fromUtf8(process.readAllStandardOutput());
  }

  // The columns x .. x + width - 1 of the page, rendered at the printer's 600 dpi.
  QImage RenderedColumns(int x, int width) const {
    QProcess process;
    process.start("pdftoppm", {"-r", "600", "-x", QString::number(x), "-y", "0", "-W", QString::number(width), "-H",
                               "100000", "-png", "-singlefile", Pdf(), fdir.filePath("strip")});
    EXPECT_TRUE(process.waitForFinished(60000));
    return QImage(fdir.filePath("strip.png")).convertToFormat(QImage::Format_RGB32);
  }

  QTemporaryDir fdir;
  ScriptedWindowDialogs fdialogs;
};

TEST_F(PrintToPdfTest, TheEightByEightExamplePrintsTitleFooterAndTheCrispPictureOnOnePage) {
  const auto font = PatternFont({8, 8});
  // 4800 x 6800 printer pixels at 600 dpi.
  Print(QSizeF(576, 816), QPageLayout::Portrait, *font, "/fonts/lcd8x8.fnt");
  const QString text = Text();
  EXPECT_TRUE(text.contains(QStringLiteral("lcd8x8.fnt (8x8 Pixel) 1:1,0"))) << text.toStdString();
  EXPECT_TRUE(
      text.contains(QStringLiteral("<kelvaront>-Rastermeister (Version %1)").arg(FileVersionString(ProgramFile()))))
      << text.toStdString();
  EXPECT_EQ(text.count('\f'), 1) << "one page";

  // Centred right of the one-inch margin: 600 + (4200 - 1296) / 2; each
  // picture pixel a sharp 8 x 8 block, somewhere down the page.
  const QImage charset = PrintedCharset(*font, true);
  const QImage expected = charset.scaled(charset.size() * 8, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  const QImage strip = RenderedColumns(2052, 1296);
  ASSERT_EQ(strip.size(), QSize(1296, 6800));
  // Found by its first row that differs from the white margin above it.
  int inked = 1;
  while (expected.copy(0, inked, 1296, 1) == expected.copy(0, 0, 1296, 1)) ++inked;
  int top = -1;
  for (int y = inked; y + expected.height() - inked <= strip.height() && top < 0; ++y)
    if (std::memcmp(strip.constScanLine(y), expected.constScanLine(inked), 1296 * 4) == 0) top = y - inked;
  ASSERT_GE(top, 0) << "no row of the picture printed at x = 2052, 8 pixels per pixel";
  EXPECT_EQ(strip.copy(0, top, 1296, 1296), expected);
}

TEST_F(PrintToPdfTest, APictureLargerThanThePageIsCutOffAndTheTitleSaysSo) {
  // 3600 x 1200 printer pixels: the band between title and footer is lower than 1058 pixels.
  Print(QSizeF(432, 144), QPageLayout::Portrait, TFontHandler(64, 64), "big.fnt");
  EXPECT_TRUE(Text().contains(QStringLiteral("abgeschnitten")));
}

TEST_F(PrintToPdfTest, CancellingThePrintDialogPrintsNothing) {
  fdialogs.ExpectPrinter([](QPrinter&) { return false; });
  TPrintCommand command(fdialogs);
  command.PrintExecute(TFontHandler(8, 8), "a.fnt", true);
  EXPECT_FALSE(QFile::exists(Pdf()));
}

}  // namespace

namespace {

class PrintActionTest : public MainFormTest {};

TEST_F(PrintActionTest, PrintsTheWindowsFontUnderItsFileName) {
  if (QStandardPaths::findExecutable("pdftotext").isEmpty()) GTEST_SKIP() << "poppler-utils are not installed";
  Start();
  WriteFontFile(Path("lcd.fnt"), 3, 8, 12);
  fdialogs.ExpectOpenFile(Path("lcd.fnt"));
  Trigger("OpenFont");
  fdialogs.ExpectPrinter([&](QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(Path("page.pdf"));
    return true;
  });
  Trigger("Print");
  QProcess text;
  text.start("pdftotext", {Path("page.pdf"), "-"});
  ASSERT_TRUE(text.waitForFinished());
  EXPECT_TRUE(QString::fromUtf8(text.readAllStandardOutput()).contains(QStringLiteral("lcd.fnt (8x12 Pixel) 1:")));
}

}  // namespace
