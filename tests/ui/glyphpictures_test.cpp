#include "commands/glyphpictures.h"

#include "commands/picturefiles.h"
#include "editor/editsetup.h"
#include "editor/metafilesamples.h"
#include "qimagecanvas.h"
#include "ui/mainformfixture.h"

#include <QFile>
#include <QImageWriter>

namespace {

TEST(GlyphPictureNameTest, ReplacesTheFontFilesExtensionByTheGlyphCode) {
  const std::tuple<const char*, int, const char*> rows[] = {
      {"/fonts/a.fnt", 255, "/fonts/a_CFF.bmp"},
      {"", 0, "_C00.bmp"},
      {"/fonts/x.y.fnt", 65, "/fonts/x.y_C41.bmp"},
      {"/fonts/lcd8x12.fnt", 10, "/fonts/lcd8x12_C0A.bmp"},
      // A dot in a folder's name is no extension.
      {"/my.fonts/plain", 171, "/my.fonts/plain_CAB.bmp"},
      {"C:\\my.fonts\\plain", 1, "C:\\my.fonts\\plain_C01.bmp"},
  };
  for (const auto& [font, code, proposed] : rows)
    EXPECT_EQ(ProposedPictureName(QString::fromUtf8(font), code).toStdString(), proposed) << font;
}

TEST(PictureFormatsTest, TheDialogOffersAllFormatsTogetherAndThenEachOnItsOwn) {
  const QStringList filters = PictureFilters(ReadablePictureFormats());
  const QStringList expected = {
      QStringLiteral("Alle Bilder (*.bmp *.jpg *.jpeg *.png *.tif *.tiff *.ico *.emf *.wmf)"),
      QStringLiteral("Bitmaps (*.bmp)"),
      QStringLiteral("JPEG-Bilder (*.jpg *.jpeg)"),
      QStringLiteral("PNG-Bilder (*.png)"),
      QStringLiteral("TIFF-Bilder (*.tif *.tiff)"),
      QStringLiteral("Symbole (*.ico)"),
      QStringLiteral("Erweiterte Metadateien (*.emf)"),
      QStringLiteral("Metadateien (*.wmf)"),
  };
  // The image plugins the build machine has installed (see scripts/deps.sh).
  EXPECT_EQ(filters, expected);
}

class GlyphPicturesTest : public MainFormTest {
 protected:
  // A 16 x 16 font with glyph 65 loaded into the editor.
  void StartWithGlyph(const QString& fontFile) {
    Start();
    Document().Setfilename(fontFile);
    Session().LoadChar(65);
  }

  bool IsSet(int x, int y) const { return (fform->Session().CharBMP().pixel(x, y) & 0xFFFFFF) == 0xC0C0C0; }
  void Paint(int x, int y) {
    SetUpPicture(Session(), [&](QImage& picture) { QImageCanvas(picture).SetPixel(x, y, Session().SetColor()); });
  }

  // '#' for set, '.' for off pixels of the editor glyph's top-left part.
  std::string GlyphRows(QSize part) const {
    std::string rows;
    for (int y = 0; y < part.height(); ++y) {
      for (int x = 0; x < part.width(); ++x) rows += IsSet(x, y) ? '#' : '.';
      rows += '\n';
    }
    return rows;
  }

  void Import(const QString& path) {
    fdialogs.ExpectOpenFile(path);
    Trigger("LoadFromBitmap");
  }
};

TEST_F(GlyphPicturesTest, SavedGlyphHasTheTwoEditorColoursAndComesBackUnchanged) {
  StartWithGlyph(Path("lcd.fnt"));
  Paint(0, 0);
  Paint(15, 3);
  Paint(7, 15);
  const QImage before = Session().CharBMP().copy();
  fdialogs.ExpectSaveFile(Path("glyph.bmp"));
  Trigger("SaveAsBitmap");
  const FileChoice& offered = fdialogs.Asked().back().File;
  EXPECT_EQ(offered.Title, QStringLiteral("Speichere Zeichen als Bitmap"));
  EXPECT_EQ(offered.FileName.toStdString(), Path("lcd_C41.bmp").toStdString());
  EXPECT_EQ(offered.Filters, QStringList{QStringLiteral("Bitmaps (*.bmp)")});

  QImage saved(Path("glyph.bmp"), "BMP");
  ASSERT_EQ(saved.size(), QSize(16, 16));
  EXPECT_EQ(saved.pixel(0, 0) & 0xFFFFFF, 0xC0C0C0u);
  EXPECT_EQ(saved.pixel(1, 0) & 0xFFFFFF, 0x808080u);
  EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), before);

  Session().LoadChar(66);
  Import(Path("glyph.bmp"));
  EXPECT_EQ(Session().CharBMP(), before);
  EXPECT_EQ(Session().MarkRect(), (TMarkRect{0, 0, 15, 15}));
}

TEST_F(GlyphPicturesTest, EveryFormatComesInAtTheTopLeftMarkedAndMovableWithoutAnUndoStep) {
  // White is set and black off; the picture is smaller than the glyph.
  QImage picture(6, 4, QImage::Format_ARGB32);
  picture.fill(Qt::white);
  for (int y = 1; y < 3; ++y)
    for (int x = 2; x < 5; ++x) picture.setPixel(x, y, qRgb(0, 0, 0));
  const std::string expected = "######.\n##...#.\n##...#.\n######.\n.......\n";
  struct Row {
    const char* file;
    QByteArray data;  // empty: written by Qt in the format of the file's extension
  };
  const Row rows[] = {
      {"p.bmp", {}},
      {"p.jpg", {}},
      {"p.png", {}},
      {"p.tif", {}},
      {"p.ico", {}},
      {"p.emf", metafile_samples::Emf(QSize(6, 4), QRect(2, 1, 3, 2))},
      {"p.wmf", metafile_samples::Wmf(QSize(6, 4), 96, QRect(2, 1, 3, 2))},
  };
  StartWithGlyph(QString());
  for (const Row& row : rows) {
    SCOPED_TRACE(row.file);
    const QString path = Path(row.file);
    if (row.data.isEmpty()) {
      QImageWriter writer(path);
      writer.setQuality(100);
      ASSERT_TRUE(writer.write(picture)) << writer.errorString().toStdString();
    } else {
      QFile file(path);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write(row.data);
    }
    Session().LoadChar(65);
    Session().SelectTool(ToolId::Fill);
    Import(path);
    if (row.data.isEmpty()) {
      EXPECT_EQ(GlyphRows(QSize(7, 5)), expected);
    } else {
      // The metafiles' edges are smoothed: only the bar's middle, the far
      // corner and the glyph beyond the picture count.
      EXPECT_TRUE(IsSet(0, 0) && IsSet(0, 3) && !IsSet(3, 1) && !IsSet(3, 2) && !IsSet(6, 0)) << GlyphRows(QSize(7, 5));
    }
    EXPECT_EQ(Session().MarkRect(), (TMarkRect{0, 0, 5, 3}));
    EXPECT_EQ(Session().Tool(), ToolId::Mark);
    EXPECT_TRUE(Session().BlockPlaced());
    EXPECT_TRUE(Session().CharRequest());
    EXPECT_FALSE(Session().CanUndo());
  }
}

TEST_F(GlyphPicturesTest, TransparentPartsCountAsWhiteAndLargePicturesAreCroppedNotScaled) {
  QImage picture(100, 40, QImage::Format_ARGB32);
  picture.fill(Qt::transparent);
  picture.setPixel(0, 0, qRgba(0, 0, 0, 255));
  picture.setPixel(15, 15, qRgba(0, 0, 0, 255));
  ASSERT_TRUE(picture.save(Path("big.png")));
  StartWithGlyph(QString());
  Import(Path("big.png"));
  EXPECT_EQ(Session().MarkRect(), (TMarkRect{0, 0, 15, 15}));
  EXPECT_FALSE(IsSet(0, 0));
  EXPECT_TRUE(IsSet(1, 0));
  EXPECT_FALSE(IsSet(15, 15));
  EXPECT_TRUE(IsSet(14, 15));
}

TEST_F(GlyphPicturesTest, APictureThatCannotBeReadIsNamedAndChangesNothing) {
  QFile garbage(Path("broken.png"));
  ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
  garbage.write("no picture at all");
  garbage.close();
  const QString rows[] = {Path("broken.png"), Path("missing.bmp"), fdir.path()};
  StartWithGlyph(QString());
  Paint(3, 3);
  const QImage before = Session().CharBMP().copy();
  for (const QString& path : rows) {
    Session().SelectTool(ToolId::Line);
    fdialogs.ExpectOpenFile(path);
    fdialogs.ExpectError();
    Trigger("LoadFromBitmap");
    EXPECT_TRUE(fdialogs.LastText().contains(path)) << fdialogs.LastText().toStdString();
    EXPECT_TRUE(fdialogs.LastText().startsWith(QStringLiteral("Die Datei"))) << fdialogs.LastText().toStdString();
    EXPECT_EQ(Session().CharBMP(), before);
    EXPECT_EQ(Session().Tool(), ToolId::Line);
    EXPECT_FALSE(Session().CharRequest());
    EXPECT_FALSE(Session().BlockPlaced());
  }
}

TEST_F(GlyphPicturesTest, CancellingEitherDialogDoesNothing) {
  StartWithGlyph(Path("a.fnt"));
  fdialogs.ExpectSaveFile(QString());
  Trigger("SaveAsBitmap");
  fdialogs.ExpectOpenFile(QString());
  Trigger("LoadFromBitmap");
  EXPECT_FALSE(QFile::exists(Path("a_C41.bmp")));
  EXPECT_FALSE(Session().CharRequest());
  EXPECT_EQ(fdialogs.Asked().back().File.Filters, PictureFilters(ReadablePictureFormats()));
}

TEST_F(GlyphPicturesTest, AFailedWriteKeepsTheFileThatWasThere) {
  StartWithGlyph(QString());
  QFile old(Path("old.bmp"));
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("old");
  old.close();
  ASSERT_TRUE(old.setPermissions(QFile::ReadOwner));
  fdialogs.ExpectSaveFile(Path("old.bmp"));
  fdialogs.ExpectError();
  Trigger("SaveAsBitmap");
  ASSERT_TRUE(old.open(QIODevice::ReadOnly));
  EXPECT_EQ(old.readAll(), QByteArray("old"));
}

}  // namespace
