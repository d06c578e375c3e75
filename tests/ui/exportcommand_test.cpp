#include "ui/mainformfixture.h"

#include "formats/exporttable.h"

#include <QDir>
#include <QFile>

namespace {

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ExportTest : public MainFormTest {
 protected:
  // A font with some ink and widths, so every export has something to say.
  void StartWithFont() {
    Start();
    auto font = std::make_unique<TFontHandler>(6, 9);
    for (int c = 32; c < 128; ++c) {
      font->SetPixel(c, c % 6, c % 9, true);
      font->SetPixel(c, 0, 8, true);
      font->SetCharSize(c, 2 + c % 5);
    }
    font->SetBaseLine(7);
    Document().ReplaceFont(std::move(font));
  }

  const FileChoice& Offered() const { return fdialogs.Asked().back().File; }
  QStringList Written() const { return QDir(Path("out")).entryList(QDir::Files, QDir::Name); }

  void SetUp() override { ASSERT_TRUE(QDir(fdir.path()).mkdir("out")); }
};

TEST_F(ExportTest, TheDialogOffersTheEntriesOfTheCoreTableStartingWithTheFirst) {
  StartWithFont();
  fdialogs.ExpectSaveFile(QString());
  Trigger("Export");
  const FileChoice& offered = Offered();
  EXPECT_EQ(offered.Title, QStringLiteral("Font exportieren"));
  const auto entries = ExportEntries();
  ASSERT_EQ(offered.Filters.size(), static_cast<qsizetype>(entries.size()));
  // The filters follow the table's order, whose numbers may leave gaps.
  for (qsizetype i = 0; i < offered.Filters.size(); ++i) {
    const ExportEntry& entry = entries[static_cast<std::size_t>(i)];
    const QString label = QString::fromUtf8(entry.caption.data(), static_cast<qsizetype>(entry.caption.size()));
    const QString mask = QString::fromUtf8(entry.mask.data(), static_cast<qsizetype>(entry.mask.size()));
    EXPECT_EQ(offered.Filters[i], label + " (" + mask + ")");
    EXPECT_EQ("." + offered.FilterExts[i], QString::fromLatin1(entry.extension.data(), entry.extension.size()));
  }
  EXPECT_EQ(offered.Filters[0], QStringLiteral("Dot-Matrix-Demo (PNG) (*.png)"));
  EXPECT_EQ(offered.Filters[19], QStringLiteral("TFT_eSPI Font (uncompressed) (*.c)"));
  EXPECT_EQ(offered.FilterExts[19], QStringLiteral("inc"));
  EXPECT_EQ(offered.FilterIndex, 1);
  EXPECT_EQ(offered.DefaultExt, QStringLiteral("png"));
  // An unsaved font offers an empty name; cancelling writes and shows nothing.
  EXPECT_EQ(offered.FileName, QString());
  EXPECT_TRUE(Written().isEmpty());
}

TEST_F(ExportTest, TheNameOfTheFontFileIsOfferedWithoutItsExtensionAndTheLastEntryIsKept) {
  StartWithFont();
  Document().Setfilename(Path("lcd.font.fnt"));
  fdialogs.ExpectSaveFile(Path("out/a"), 13);
  Trigger("Export");
  EXPECT_EQ(Offered().FileName, Path("lcd.font"));
  fdialogs.ExpectSaveFile(QString());
  Trigger("Export");
  EXPECT_EQ(Offered().FilterIndex, 13);
  EXPECT_EQ(Offered().DefaultExt, QStringLiteral("S"));
  EXPECT_EQ(Written(), QStringList{"a.S"});
}

TEST_F(ExportTest, TheFolderExportedToLastIsOfferedAgainForSavedAndUnsavedFonts) {
  StartWithFont();
  fdialogs.ExpectSaveFile(Path("out/first"));
  Trigger("Export");
  fdialogs.ExpectSaveFile(QString());
  Trigger("Export");
  EXPECT_EQ(Offered().FileName, QString());
  EXPECT_EQ(Offered().InitialDir, Path("out"));

  Document().Setfilename(Path("lcd.fnt"));
  fdialogs.ExpectSaveFile(QString());
  Trigger("Export");
  EXPECT_EQ(Offered().FileName, Path("out/lcd"));
  EXPECT_EQ(Written(), QStringList{"first.png"});
}

// The program writes what the converter writes for the same entry and name.
TEST_F(ExportTest, EveryEntryWritesWhatTheConverterWritesUnderTheEntrysExtension) {
  StartWithFont();
  const QDir converted(Path("converted"));
  ASSERT_TRUE(converted.mkpath("."));
  int filter = 0;
  for (const ExportEntry& entry : ExportEntries()) {
    const QString name = QStringLiteral("font%1.txt").arg(entry.number);
    fdialogs.ExpectSaveFile(Path("out/" + name), ++filter);
    Trigger("Export");
    const std::string reference = converted.filePath(name).toStdString();
    ExportEntryFile(Document().EditFont(), entry.number, reference, {.highlightSize = true});
    for (const std::string& file : ExportedFiles(reference, entry.number)) {
      const QString fileName = QFileInfo(QString::fromStdString(file)).fileName();
      const QByteArray written = Bytes(Path("out/" + fileName));
      EXPECT_FALSE(written.isEmpty()) << fileName.toStdString();
      EXPECT_EQ(written, Bytes(QString::fromStdString(file))) << fileName.toStdString();
    }
  }
  EXPECT_FALSE(Written().contains("font1.txt"));
  EXPECT_TRUE(Written().contains("font1.png"));
  EXPECT_FALSE(Document().SaveRequest());
}

TEST_F(ExportTest, TftEntryWritesTheHeaderAndSourcePairButNotTheNameItself) {
  StartWithFont();
  fdialogs.ExpectSaveFile(Path("out/x.inc"), 20);
  Trigger("Export");
  EXPECT_EQ(Written(), (QStringList{"x.c", "x.h"}));
}

TEST_F(ExportTest, DemoPictureFollowsHighlightSize) {
  StartWithFont();
  Trigger("HighlightSize");
  fdialogs.ExpectSaveFile(Path("out/plain.bmp"), 2);
  Trigger("Export");
  ExportEntryFile(Document().EditFont(), 2, Path("off.bmp").toStdString(), {.highlightSize = false});
  ExportEntryFile(Document().EditFont(), 2, Path("on.bmp").toStdString(), {.highlightSize = true});
  EXPECT_EQ(Bytes(Path("out/plain.bmp")), Bytes(Path("off.bmp")));
  EXPECT_NE(Bytes(Path("off.bmp")), Bytes(Path("on.bmp")));
}

TEST_F(ExportTest, UnicodeFormatsMapTheCodesThroughTheCodePageChosenInTheMenu) {
  StartWithFont();
  Trigger("CodePage_cp437");
  fdialogs.ExpectSaveFile(Path("out/dos.bdf"), 22);
  Trigger("Export");
  ExportEntryFile(Document().EditFont(), 22, Path("dos.bdf").toStdString(), {.codePage = CodePage::Cp437});
  ExportEntryFile(Document().EditFont(), 22, Path("latin1.bdf").toStdString(), {});
  EXPECT_EQ(Bytes(Path("out/dos.bdf")), Bytes(Path("dos.bdf")));
  EXPECT_NE(Bytes(Path("dos.bdf")), Bytes(Path("latin1.bdf")));
}

TEST_F(ExportTest, AFileThatCannotBeWrittenIsReportedAndTheWindowGoesOn) {
  StartWithFont();
  fdialogs.ExpectSaveFile(Path("missing/font.inc"), 3);
  fdialogs.ExpectError();
  Trigger("Export");
  EXPECT_EQ(fdialogs.LastText(), QStringLiteral("Datei nicht gefunden"));
  EXPECT_FALSE(QFile::exists(Path("missing/font.inc")));
}

}  // namespace
