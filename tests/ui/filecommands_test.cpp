#include "ui/mainformfixture.h"

#include "editor/editsetup.h"
#include "editor/questiontexts.h"
#include "formats/exporttable.h"

#include "changelistbox.h"
#include "commands/fontimport.h"
#include "dialogs/inprocess.h"
#include "fontrequests.h"
#include "historyfilelist.h"
#include "kvgauge.h"
#include "qimagecanvas.h"

#include <sys/stat.h>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QUrl>
#include <optional>

namespace {

const QString kSaveQuestion = QStringLiteral(
    "Die Änderungen an der aktuellen Font\rwurden noch nicht gespeichert. Soll\rdie Font jetzt gespeichert werden?");
const QString kType1Warning = QStringLiteral(
    "Sie haben den Type 1 zu speichern der aktuellen Font\rgewählt. Dieser Dateitype speichert die Zeichenbreite,\r"
    "die Baseline und das Kerning nicht. \r\rSoll der Vorgang trotzdem fortgesetzt werden?");
const QString kType2Warning = QStringLiteral(
    "Sie haben den Type 2 zu speichern der aktuellen Font\rgewählt. Dieser Dateitype speichert das Kerning "
    "nicht.\r\rSoll der Vorgang trotzdem fortgesetzt werden?");

// The type of an FNT file, 0 when it is none or missing.
int FileType(const QString& path) {
  if (!QFile::exists(path)) return 0;
  TFontHandler font(1, 1);
  font.LoadFont(path.toStdString());
  return font.Fontvalid() ? font.fonttype() : 0;
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

class FileCommandsTest : public MainFormTest {
 protected:
  // Opens a fresh 8 x 12 type-2 file "named.fnt" and marks the font as changed.
  void OpenChangedNamedFont() {
    WriteFontFile(Path("named.fnt"), 2, 8, 12);
    fdialogs.ExpectOpenFile(Path("named.fnt"));
    Trigger("OpenFont");
    Document().SetSaveRequest(true);
  }

  void ExpectNewFontDialog(int width, int height, bool accepted) {
    fdialogs.ExpectNewFont(accepted ? std::optional(NewFontAnswer{false, width, height}) : std::nullopt);
  }
};

TEST_F(FileCommandsTest, OpeningAType2FileShowsItsNameAndType) {
  TMainForm& form = Start();
  Document().SetSaveRequest(true);
  WriteFontFile(Path("lcd.fnt"), 2, 8, 12);
  fdialogs.ExpectYesNoCancel(DialogAnswer::No);
  fdialogs.ExpectOpenFile(Path("lcd.fnt"));
  Trigger("OpenFont");
  EXPECT_EQ(fdialogs.Asked().front().Text, kSaveQuestion);
  EXPECT_EQ(fdialogs.Asked().back().Text, QStringLiteral("Fontdatei öffnen"));
  EXPECT_EQ(form.StatusText(0), QStringLiteral("Font Type 2"));
  EXPECT_EQ(form.windowTitle(), QStringLiteral("<kelvaront> Rastermeister - lcd.fnt"));
  EXPECT_EQ(MenuTexts("HistoryPopup").first(), Path("lcd.fnt"));
  EXPECT_EQ(MenuTexts("HistoryOpen").first(), Path("lcd.fnt"));
  EXPECT_EQ(form.StatusText(4), QString());
  EXPECT_EQ(form.StatusText(1), QStringLiteral("Zeichenbreite = 8"));
  EXPECT_TRUE(Document().EditFont().GetPixel(65, 0, 0));
  EXPECT_EQ(Document().EditFont().FontHeight(), 12);
  EXPECT_EQ(Session().CharBMP().size(), QSize(8, 12));
}

TEST_F(FileCommandsTest, AFileThatCannotBeOpenedLeavesFontNameTypeAndFlagsAsTheyWere) {
  struct Row {
    const char* name;
    QByteArray content;  // null: the file does not exist
    const char* message;
  };
  const Row rows[] = {
      {"garbage.fnt", QByteArray("this is no font file at all"), "ist keine gültige Fontdatei."},
      {"empty.fnt", QByteArray(""), "ist keine gültige Fontdatei."},
      {"missing.fnt", QByteArray(), "Datei nicht gefunden"},
  };
  Start();
  OpenChangedNamedFont();
  for (const Row& row : rows) {
    if (!row.content.isNull()) WriteBytes(Path(row.name), row.content);
    fdialogs.ExpectYesNoCancel(DialogAnswer::No);
    fdialogs.ExpectOpenFile(Path(row.name));
    fdialogs.ExpectError();
    Trigger("OpenFont");
    EXPECT_TRUE(fdialogs.LastText().contains(QString::fromUtf8(row.message))) << fdialogs.LastText().toStdString();
    EXPECT_EQ(Document().filename(), Path("named.fnt")) << row.name;
    EXPECT_EQ(Document().fonttype(), 2) << row.name;
    EXPECT_TRUE(Document().SaveRequest()) << row.name;
    EXPECT_TRUE(Document().EditFont().Fontvalid()) << row.name;
    EXPECT_TRUE(Document().EditFont().GetPixel(65, 0, 0)) << row.name;
    EXPECT_EQ(Document().EditFont().FontWidth(), 8) << row.name;
    fdialogs.VerifyAllAnswered();
  }
}

TEST_F(FileCommandsTest, AbbrechenInTheSaveQuestionStopsOpening) {
  Start();
  Document().SetSaveRequest(true);
  fdialogs.ExpectYesNoCancel(DialogAnswer::Cancel);
  Trigger("OpenFont");
  EXPECT_TRUE(Document().SaveRequest());
  EXPECT_TRUE(Document().filename().isEmpty());
}

TEST_F(FileCommandsTest, SaveAsType1WithJaWritesType1AndLaterSavesRepeatIt) {
  TMainForm& form = Start();
  const QString path = Path("small.fnt");
  fdialogs.ExpectSaveFile(path, 1);
  fdialogs.ExpectYesNo(DialogAnswer::Yes);
  Trigger("SaveFontAs");
  EXPECT_EQ(fdialogs.Asked().front().Text, QStringLiteral("Font speichern"));
  EXPECT_EQ(fdialogs.Asked().front().File.FilterIndex, 3);
  EXPECT_EQ(fdialogs.LastText(), kType1Warning);
  EXPECT_EQ(FileType(path), 1);
  EXPECT_EQ(Document().fonttype(), 1);
  EXPECT_EQ(form.StatusText(0), QStringLiteral("Font Type 1"));
  EXPECT_EQ(form.windowTitle(), QStringLiteral("<kelvaront> Rastermeister - small.fnt"));
  EXPECT_FALSE(Document().SaveRequest());

  QFile::remove(path);
  Document().SetSaveRequest(true);
  Trigger("SaveFont");
  EXPECT_EQ(FileType(path), 1);
  EXPECT_FALSE(Document().SaveRequest());

  // The save dialog offers the entry chosen last.
  fdialogs.ExpectSaveFile(QString());
  Trigger("SaveFontAs");
  EXPECT_EQ(fdialogs.Asked().back().File.FilterIndex, 1);
}

TEST_F(FileCommandsTest, SaveAsWithTheTypeWarningAnsweredNeinWritesNothing) {
  Start();
  WriteFontFile(Path("named.fnt"), 3, 8, 8);
  fdialogs.ExpectOpenFile(Path("named.fnt"));
  Trigger("OpenFont");
  fdialogs.ExpectSaveFile(Path("other.fnt"), 2);
  fdialogs.ExpectYesNo(DialogAnswer::No);
  Trigger("SaveFontAs");
  EXPECT_EQ(fdialogs.LastText(), kType2Warning);
  EXPECT_FALSE(QFile::exists(Path("other.fnt")));
  EXPECT_EQ(Form().windowTitle(), QStringLiteral("<kelvaront> Rastermeister - named.fnt"));
  EXPECT_FALSE(Document().SaveRequest());
  EXPECT_EQ(Document().fonttype(), 3);
  EXPECT_EQ(MenuTexts("HistoryOpen"), (QStringList{Path("named.fnt"), Path("other.fnt")}));
}

TEST_F(FileCommandsTest, CancelledSaveAsBringsTheOldNameBackToTheTopOfTheRecentFiles) {
  Start();
  OpenChangedNamedFont();
  Form().HistoryList().Add(Path("elsewhere.fnt"));
  fdialogs.ExpectSaveFile(QString());
  Trigger("SaveFontAs");
  EXPECT_EQ(Document().filename(), Path("named.fnt"));
  EXPECT_TRUE(Document().SaveRequest());
  EXPECT_EQ(MenuTexts("HistoryPopup").first(), Path("named.fnt"));
}

TEST_F(FileCommandsTest, SaveAsEntry3ChoosesType3) {
  Start();
  OpenChangedNamedFont();
  fdialogs.ExpectSaveFile(Path("full.fnt"), 3);
  Trigger("SaveFontAs");
  EXPECT_EQ(FileType(Path("full.fnt")), 3);
  EXPECT_EQ(Document().fonttype(), 3);
  EXPECT_EQ(Document().filename(), Path("full.fnt"));
}

TEST_F(FileCommandsTest, FailedSaveAsKeepsTheOldNameTypeAndChangeFlag) {
  Start();
  OpenChangedNamedFont();
  fdialogs.ExpectSaveFile(Path("no/such/folder/x.fnt"), 3);
  fdialogs.ExpectError();
  Trigger("SaveFontAs");
  EXPECT_EQ(Document().filename(), Path("named.fnt"));
  EXPECT_EQ(Document().fonttype(), 2);
  EXPECT_TRUE(Document().SaveRequest());
  EXPECT_EQ(Form().windowTitle(), QStringLiteral("<kelvaront> Rastermeister - named.fnt"));
}

TEST_F(FileCommandsTest, NewEmptyFontAfterNeinReplacesTheChangedFont) {
  TMainForm& form = Start();
  OpenChangedNamedFont();
  auto* list = Child<TChangeListBox>("FontList");
  list->SetItemIndex(66);
  fdialogs.ExpectYesNoCancel(DialogAnswer::No);
  ExpectNewFontDialog(8, 8, true);
  Trigger("NewFont");
  EXPECT_EQ(fdialogs.Asked().back().Text, QStringLiteral("Neue Font erstellen"));
  const TFontHandler& font = Document().EditFont();
  EXPECT_EQ(font.FontWidth(), 8);
  EXPECT_EQ(font.FontHeight(), 8);
  EXPECT_FALSE(font.GetPixel(65, 0, 0));
  EXPECT_EQ(Document().fonttype(), 3);
  EXPECT_FALSE(Document().SaveRequest());
  EXPECT_TRUE(Document().filename().isEmpty());
  EXPECT_TRUE(form.windowTitle().endsWith(QStringLiteral("ohne Namen")));
  EXPECT_EQ(form.StatusText(0), QStringLiteral("Font Type 3"));
  EXPECT_EQ(form.StatusText(1), QStringLiteral("Zeichenbreite = 8"));
  EXPECT_EQ(form.StatusText(2), QStringLiteral("BaseLine = 8"));
  EXPECT_EQ(Session().CharBMP().size(), QSize(8, 8));
  EXPECT_EQ(list->ItemIndex(), 0);
  EXPECT_EQ(list->sizeHintForRow(255), list->fontMetrics().height() + 8 + 5);
}

TEST_F(FileCommandsTest, CancelledNewFontDialogKeepsTheFont) {
  Start();
  OpenChangedNamedFont();
  fdialogs.ExpectYesNoCancel(DialogAnswer::No);
  ExpectNewFontDialog(4, 4, false);
  Trigger("NewFont");
  EXPECT_EQ(Document().EditFont().FontWidth(), 8);
  EXPECT_EQ(Document().filename(), Path("named.fnt"));
  EXPECT_TRUE(Document().SaveRequest());
}

class NewImportedFontTest : public FileCommandsTest {
 protected:
  static TImportChoice Mono(int height) { return {QStringLiteral("DejaVu Sans Mono"), QFont::Normal, false, height}; }

  // New font: the installed-font choice, then DejaVu Sans Mono at the given
  // height, or the import is cancelled.
  void ExpectImport(int height, bool imported) {
    fdialogs.ExpectNewFont(NewFontAnswer{true});
    fdialogs.ExpectImportFont(imported ? std::optional(Mono(height)) : std::nullopt);
  }
};

TEST_F(NewImportedFontTest, TheImportedFontReplacesTheFontUnnamedAndChanged) {
  TMainForm& form = Start();
  OpenChangedNamedFont();
  fdialogs.ExpectYesNoCancel(DialogAnswer::No);
  ExpectImport(12, true);
  Trigger("NewFont");
  EXPECT_EQ(fdialogs.Asked().back().Text, QStringLiteral("Import WINDOWS®-Font"));
  const TFontHandler& font = Document().EditFont();
  const int width = MaxWidth(CellFont(Mono(12)));
  EXPECT_EQ(font.FontWidth(), width);
  EXPECT_EQ(font.FontHeight(), 12);
  EXPECT_EQ(font.GetCharSize(' '), width);
  EXPECT_TRUE(Document().filename().isEmpty());
  EXPECT_TRUE(form.windowTitle().endsWith(QStringLiteral("ohne Namen")));
  EXPECT_EQ(Document().fonttype(), 3);
  EXPECT_TRUE(Document().SaveRequest());
  EXPECT_EQ(form.StatusText(4), QStringLiteral("Font geändert"));
  EXPECT_FALSE(Session().CharRequest());
  EXPECT_EQ(Session().CharBMP().size(), QSize(width, 12));
  // The progress window went through every code and showed the last rendering.
  EXPECT_EQ(form.InProcess().Label1()->text(), QStringLiteral("DejaVu Sans Mono"));
  EXPECT_EQ(form.InProcess().Label2()->text(), QStringLiteral("Generiere..."));
  EXPECT_EQ(form.InProcess().Gauge1()->Progress(), 255);
  EXPECT_FALSE(form.InProcess().Image1()->pixmap().isNull());
  EXPECT_FALSE(form.InProcess().isVisible());
}

TEST_F(NewImportedFontTest, ACancelledImportKeepsTheFontButClearsTheEditor) {
  Start();
  OpenChangedNamedFont();
  Session().LoadChar(65);
  Session().PushUndo();
  Session().SetMarkRect({0, 0, 3, 3});
  fdialogs.ExpectYesNoCancel(DialogAnswer::No);
  ExpectImport(12, false);
  Trigger("NewFont");
  EXPECT_EQ(Document().EditFont().FontWidth(), 8);
  EXPECT_EQ(Document().filename(), Path("named.fnt"));
  EXPECT_TRUE(Document().SaveRequest());
  EXPECT_FALSE(Session().CanUndo());
  EXPECT_TRUE(Session().MarkRect().IsEmpty());
  EXPECT_FALSE(Session().CharRequest());
  EXPECT_EQ(Session().CharBMP().pixel(0, 0) & 0xFFFFFF, Session().OffColor());
}

TEST_F(FileCommandsTest, DosImportTakesTheHeightFromTheFileSize) {
  struct Row {
    int size;
    int height;
  };
  const Row rows[] = {{4096, 16}, {3584, 14}, {2048, 8}, {4100, 16}, {256, 1}, {16639, 64}};
  for (const Row& row : rows) {
    TMainForm& form = Start();
    QByteArray bytes(row.size, '\0');
    bytes[row.height * 65] = static_cast<char>(0x81);  // glyph 65, first row: leftmost and rightmost pixel
    WriteBytes(Path("dos.fnt"), bytes);
    fdialogs.ExpectOpenFile(Path("dos.fnt"));
    Trigger("ImportAction");
    EXPECT_EQ(fdialogs.Asked().back().Text, QStringLiteral("Import OEM-Font"));
    const TFontHandler& font = Document().EditFont();
    EXPECT_EQ(font.FontWidth(), 8) << row.size;
    EXPECT_EQ(font.FontHeight(), row.height) << row.size;
    EXPECT_TRUE(font.GetPixel(65, 0, 0)) << row.size;
    EXPECT_TRUE(font.GetPixel(65, 7, 0)) << row.size;
    EXPECT_FALSE(font.GetPixel(65, 1, 0)) << row.size;
    EXPECT_EQ(Document().fonttype(), 1) << row.size;
    EXPECT_TRUE(Document().SaveRequest()) << row.size;
    EXPECT_TRUE(Document().filename().isEmpty()) << row.size;
    EXPECT_EQ(form.StatusText(0), QStringLiteral("Font Type 1"));
    EXPECT_EQ(form.StatusText(4), QStringLiteral("Font geändert"));
    Stop();
  }
}

TEST_F(FileCommandsTest, BdfPsfAndGfxFontsImportAsUnnamedChangedFonts) {
  TFontHandler source(6, 9);
  source.SetPixel(65, 2, 3, true);
  source.SetCharSize(65, 5);
  source.SetBaseLine(7);
  // A GFX header keeps no empty rows above the highest ink.
  source.SetPixel(66, 0, 0, true);
  ExportEntryFile(source, 22, Path("font.bdf").toStdString(), {.highlightSize = false});
  ExportEntryFile(source, 19, Path("font.h").toStdString(), {.highlightSize = false});
  QByteArray psf("\x36\x04\x00\x09", 4);
  psf.append(QByteArray(256 * 9, '\0'));
  psf[4 + 65 * 9 + 3] = static_cast<char>(0x20);  // glyph 65, row 3: column 2
  WriteBytes(Path("font.psf"), psf);
  struct Row {
    QString file;
    int filter;
    int width;
  };
  for (const Row& row : {Row{Path("font.bdf"), 2, 6}, Row{Path("font.psf"), 3, 8}, Row{Path("font.h"), 4, 6}}) {
    TMainForm& form = Start();
    OpenChangedNamedFont();
    fdialogs.ExpectYesNoCancel(DialogAnswer::No);
    fdialogs.ExpectOpenFile(row.file, row.filter);
    Trigger("ImportAction");
    const TFontHandler& font = Document().EditFont();
    EXPECT_EQ(font.FontWidth(), row.width) << row.file.toStdString();
    EXPECT_EQ(font.FontHeight(), 9) << row.file.toStdString();
    EXPECT_TRUE(font.GetPixel(65, 2, 3)) << row.file.toStdString();
    EXPECT_FALSE(font.GetPixel(65, 3, 3)) << row.file.toStdString();
    EXPECT_TRUE(Document().filename().isEmpty());
    EXPECT_TRUE(Document().SaveRequest());
    EXPECT_EQ(form.StatusText(0), QStringLiteral("Font Type 3"));
    EXPECT_EQ(Session().CharBMP().size(), QSize(row.width, 9));
    fdialogs.VerifyAllAnswered();
    Stop();
  }
}

TEST_F(FileCommandsTest, BdfCodePointsComeInThroughTheCodePageChosenInTheMenu) {
  WriteBytes(Path("euro.bdf"),
             "STARTFONT 2.1\nFONTBOUNDINGBOX 2 2 0 0\nCHARS 1\nSTARTCHAR Euro\nENCODING 8364\nDWIDTH 2 0\n"
             "BBX 2 2 0 0\nBITMAP\n80\n40\nENDCHAR\nENDFONT\n");
  Start();
  Trigger("CodePage_cp1252");
  fdialogs.ExpectOpenFile(Path("euro.bdf"), 2);
  Trigger("ImportAction");
  const TFontHandler& font = Document().EditFont();
  EXPECT_TRUE(font.GetPixel(0x80, 0, 0));
  EXPECT_TRUE(font.GetPixel(0x80, 1, 1));
  EXPECT_EQ(font.GetCharSize(0x80), 2);
  fdialogs.VerifyAllAnswered();
}

TEST_F(FileCommandsTest, ABrokenFontFileIsNamedInTheErrorAndChangesNothing) {
  Start();
  OpenChangedNamedFont();
  WriteBytes(Path("broken.bdf"), "STARTFONT 2.1\nFONTBOUNDINGBOX 8 8 0 0\nCHARS 1\n");
  fdialogs.ExpectYesNoCancel(DialogAnswer::No);
  fdialogs.ExpectOpenFile(Path("broken.bdf"), 2);
  fdialogs.ExpectError();
  Trigger("ImportAction");
  EXPECT_TRUE(fdialogs.LastText().startsWith(QStringLiteral("BDF-Datei"))) << fdialogs.LastText().toStdString();
  EXPECT_EQ(Document().filename(), Path("named.fnt"));
  EXPECT_EQ(Document().EditFont().FontHeight(), 12);
}

TEST_F(FileCommandsTest, DosImportTakesAnFntFileAsRawRows) {
  const QString path = Path("type1.fnt");
  WriteFontFile(path, 1, 8, 8);
  ASSERT_EQ(QFile(path).size(), 2080);
  Start();
  fdialogs.ExpectOpenFile(path);
  Trigger("ImportAction");
  const TFontHandler& font = Document().EditFont();
  EXPECT_EQ(font.FontHeight(), 8);
  // The file's first byte, 0x1B = 00011011, is the top row of glyph 0.
  for (int x = 0; x < 8; ++x) EXPECT_EQ(font.GetPixel(0, x, 0), x == 3 || x == 4 || x == 6 || x == 7) << x;
}

TEST_F(FileCommandsTest, DosFileOfAnUnusableSizeChangesNothing) {
  Start();
  OpenChangedNamedFont();
  // Too short gives no cell height; too long is refused before it is read.
  struct Case {
    int size;
    QString message;
  };
  for (const auto& [size, message] :
       {Case{0, QStringLiteral("keine DOS-Fontdatei")}, Case{255, QStringLiteral("keine DOS-Fontdatei")},
        Case{16640, QStringLiteral("mit 16640 Bytes zu groß")},
        Case{20000, QStringLiteral("mit 20000 Bytes zu groß")}}) {
    WriteBytes(Path("dos.bin"), QByteArray(size, '\x55'));
    fdialogs.ExpectYesNoCancel(DialogAnswer::No);
    fdialogs.ExpectOpenFile(Path("dos.bin"));
    fdialogs.ExpectError();
    Trigger("ImportAction");
    EXPECT_TRUE(fdialogs.LastText().contains(message)) << fdialogs.LastText().toStdString();
    EXPECT_EQ(Document().EditFont().FontHeight(), 12) << size;
    EXPECT_EQ(Document().filename(), Path("named.fnt")) << size;
    EXPECT_EQ(Document().fonttype(), 2) << size;
    EXPECT_TRUE(Document().SaveRequest()) << size;
    fdialogs.VerifyAllAnswered();
  }
}

TEST_F(FileCommandsTest, RecentFileEntryOpensItsFile) {
  WriteFontFile(Path("recent.fnt"), 1, 6, 9);
  fsettings.WriteString(kFilesSection, "Font00", Path("recent.fnt"));
  Start();
  Child<QMenu>("HistoryOpen")->actions().first()->trigger();
  EXPECT_EQ(Document().filename(), Path("recent.fnt"));
  EXPECT_EQ(Document().fonttype(), 1);
  EXPECT_EQ(Document().EditFont().FontHeight(), 9);
}

TEST_F(FileCommandsTest, RecentFileThatIsGoneFailsAndStaysInTheList) {
  fsettings.WriteString(kFilesSection, "Font00", Path("gone.fnt"));
  Start();
  fdialogs.ExpectError();
  Child<QMenu>("HistoryPopup")->actions().first()->trigger();
  EXPECT_TRUE(fdialogs.LastText().contains(QStringLiteral("Datei nicht gefunden")));
  EXPECT_TRUE(Document().filename().isEmpty());
  EXPECT_EQ(MenuTexts("HistoryPopup"), QStringList{Path("gone.fnt")});
}

TEST_F(FileCommandsTest, SaveOfAnUnnamedFontAsksForTheNameFirst) {
  Start();
  Document().SetSaveRequest(true);
  fdialogs.ExpectSaveFile(Path("first.fnt"), 3);
  Trigger("SaveFont");
  EXPECT_EQ(FileType(Path("first.fnt")), 3);
  EXPECT_FALSE(Document().SaveRequest());
}

TEST_F(FileCommandsTest, ClosingWithAPendingGlyphAsksAboutItThenAboutTheFont) {
  TMainForm& form = Start();
  Session().ClearEditChar();
  SetUpPicture(Session(), [&](QImage& picture) { QImageCanvas(picture).SetPixel(1, 1, Session().SetColor()); });
  Session().SetCharRequest(true);
  fdialogs.ExpectYesNo(DialogAnswer::Yes);
  fdialogs.ExpectYesNoCancel(DialogAnswer::Cancel);
  EXPECT_FALSE(form.close());
  ASSERT_EQ(fdialogs.Asked().size(), 2u);
  EXPECT_EQ(fdialogs.Asked()[1].Text, kSaveQuestion);
  EXPECT_TRUE(Document().EditFont().GetPixel(0, 1, 1));
  EXPECT_TRUE(Document().SaveRequest());
  EXPECT_FALSE(fsettings.ValueExists(kOptionsSection, "XPOS"));

  fdialogs.ExpectYesNoCancel(DialogAnswer::No);
  EXPECT_TRUE(form.close());
  EXPECT_TRUE(fsettings.ValueExists(kOptionsSection, "XPOS"));
}

TEST_F(FileCommandsTest, ADrawnGlyphAloneEnablesSaveWhichAsksAboutItAsClosingDoesAndWritesTheFile) {
  struct Row {
    DialogAnswer answer;
    QPoint drawn;
    bool stored;
  };
  // Declined, the glyph stays out, but the font counts as changed and is written all the same.
  const Row rows[] = {{DialogAnswer::Yes, {2, 3}, true}, {DialogAnswer::No, {5, 6}, false}};
  TMainForm& form = Start();
  const QString path = Path("drawn.fnt");
  WriteFontFile(path, 3, 8, 12);
  fdialogs.ExpectOpenFile(path);
  Trigger("OpenFont");
  for (const Row& row : rows) {
    Session().EditPicture(
        [&](QImage& picture) { QImageCanvas(picture).SetPixel(row.drawn.x(), row.drawn.y(), Session().SetColor()); });
    EXPECT_EQ(form.StatusText(3), QStringLiteral("Zeichen 00 geändert"));
    EXPECT_EQ(form.StatusText(4), QString());
    EXPECT_TRUE(form.Action("SaveFont")->isEnabled());

    ASSERT_TRUE(QFile::remove(path));
    fdialogs.ExpectYesNo(row.answer);
    Trigger("SaveFont");
    fdialogs.VerifyAllAnswered();
    EXPECT_EQ(fdialogs.LastText(), kStoreQuestion);
    TFontHandler saved(1, 1);
    saved.LoadFont(path.toStdString());
    ASSERT_TRUE(saved.Fontvalid());
    EXPECT_EQ(saved.GetPixel(0, row.drawn.x(), row.drawn.y()), row.stored);
    EXPECT_TRUE(saved.GetPixel(65, 0, 0));
    EXPECT_EQ(Document().EditFont().GetPixel(0, row.drawn.x(), row.drawn.y()), row.stored);
    EXPECT_FALSE(Document().SaveRequest());
    EXPECT_FALSE(Session().CharRequest());
    EXPECT_EQ(form.StatusText(3), QString());
    EXPECT_EQ(form.StatusText(4), QString());
    EXPECT_FALSE(form.Action("SaveFont")->isEnabled());
  }
}

TEST_F(FileCommandsTest, FailedFirstSaveForgetsTheChosenNameAndType) {
  TMainForm& form = Start();
  Document().SetSaveRequest(true);
  for (int entry : {3, 1, 2}) {
    fdialogs.ExpectSaveFile(Path("no/such/folder/x.fnt"), entry);
    if (entry != 3) fdialogs.ExpectYesNo(DialogAnswer::Yes);
    fdialogs.ExpectError();
    Trigger("SaveFont");
    EXPECT_TRUE(Document().filename().isEmpty()) << entry;
    EXPECT_EQ(Document().fonttype(), 3) << entry;
    EXPECT_EQ(form.StatusText(0), QStringLiteral("Font Type 3")) << entry;
    EXPECT_TRUE(Document().SaveRequest()) << entry;
    EXPECT_TRUE(form.windowTitle().endsWith(QStringLiteral("ohne Namen"))) << entry;
  }

  // So the next save asks for a name again.
  fdialogs.ExpectSaveFile(Path("x.fnt"), 3);
  Trigger("SaveFont");
  EXPECT_EQ(FileType(Path("x.fnt")), 3);
}

TEST_F(FileCommandsTest, AFailedSaveAtCloseKeepsTheWindowOpen) {
  TMainForm& form = Start();
  form.show();
  Document().Setfilename(Path("no/such/folder/x.fnt"));
  Document().SetSaveRequest(true);
  fdialogs.ExpectYesNoCancel(DialogAnswer::Yes);
  fdialogs.ExpectError();
  Trigger("Close");
  EXPECT_TRUE(form.isVisible());
  EXPECT_TRUE(Document().SaveRequest());

  Document().Setfilename(Path("saved.fnt"));
  fdialogs.ExpectYesNoCancel(DialogAnswer::Yes);
  Trigger("Close");
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(FileType(Path("saved.fnt")), 3);
}

// Refused before anything is read: a FIFO would block, a device or a huge
// file would fill the memory.
TEST_F(FileCommandsTest, OpeningWhatIsNoRegularFileOrTooLargeShowsWhyInGerman) {
  Start();
  OpenChangedNamedFont();
  ASSERT_EQ(::mkfifo(QFile::encodeName(Path("pipe.fnt")).constData(), 0644), 0);
  WriteBytes(Path("large.fnt"), QByteArray(133409, '\0'));
  struct Row {
    QString path;
    QString message;
  };
  for (const Row& row : {Row{Path("pipe.fnt"), QStringLiteral("Keine gewöhnliche Datei")},
                         Row{QStringLiteral("/dev/zero"), QStringLiteral("Keine gewöhnliche Datei")},
                         Row{Path("large.fnt"), QStringLiteral("mit 133409 Bytes zu groß")}}) {
    fdialogs.ExpectYesNoCancel(DialogAnswer::No);
    fdialogs.ExpectOpenFile(row.path);
    fdialogs.ExpectError();
    Trigger("OpenFont");
    EXPECT_TRUE(fdialogs.LastText().contains(row.message)) << fdialogs.LastText().toStdString();
    EXPECT_EQ(Document().filename(), Path("named.fnt"));
    EXPECT_TRUE(Document().EditFont().Fontvalid());
    fdialogs.VerifyAllAnswered();
  }
}

// A device is written through, not replaced by a file.
TEST_F(FileCommandsTest, SavingOntoAFullDeviceShowsTheErrorAndKeepsTheChange) {
  Start();
  OpenChangedNamedFont();
  fdialogs.ExpectSaveFile(QStringLiteral("/dev/full"), 3);
  fdialogs.ExpectError();
  Trigger("SaveFontAs");
  EXPECT_EQ(fdialogs.LastText(), QStringLiteral("E/A-Fehler 28"));
  EXPECT_EQ(Document().filename(), Path("named.fnt"));
  EXPECT_TRUE(Document().SaveRequest());
  EXPECT_TRUE(QFileInfo(QStringLiteral("/dev/full")).exists());
  EXPECT_FALSE(QFileInfo(QStringLiteral("/dev/full")).isFile());
}

// Drops a list of files on the window, at its centre unless a point is
// given; true when it took the drop.
bool DropFiles(QWidget& target, const QStringList& paths, std::optional<QPoint> point = std::nullopt) {
  QMimeData data;
  QList<QUrl> urls;
  for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
  data.setUrls(urls);
  const QPointF at = point ? QPointF(*point) : QPointF(target.width() / 2, target.height() / 2);
  QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&target, &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&target, &drop);
  return drop.isAccepted();
}

TEST_F(FileCommandsTest, AFontFileDroppedOnTheWindowOpensAfterTheSaveQuestion) {
  TMainForm& form = Start();
  Document().SetSaveRequest(true);
  WriteFontFile(Path("dropped.fnt"), 2, 8, 12);
  fdialogs.ExpectYesNoCancel(DialogAnswer::No);
  EXPECT_TRUE(DropFiles(form, {Path("dropped.fnt")}));
  EXPECT_EQ(fdialogs.Asked().front().Text, kSaveQuestion);
  EXPECT_EQ(Document().filename(), Path("dropped.fnt"));
  EXPECT_EQ(Document().fonttype(), 2);

  WriteBytes(Path("text.txt"), "no font");
  fdialogs.ExpectError();
  EXPECT_TRUE(DropFiles(form, {Path("text.txt")}));
  EXPECT_EQ(fdialogs.LastText(), QStringLiteral("Die Datei \"%1\" ist keine gültige Fontdatei.").arg(Path("text.txt")));
  EXPECT_EQ(Document().filename(), Path("dropped.fnt"));

  EXPECT_FALSE(DropFiles(form, {Path("a.fnt"), Path("b.fnt")}));
  fdialogs.VerifyAllAnswered();
}

// The file named on the command line: opened as if chosen in the open dialog.
TEST_F(FileCommandsTest, AFileNamedAtStartOpensWithTheOpenCommandsMessages) {
  TMainForm& form = Start();
  WriteFontFile(Path("start.fnt"), 2, 8, 12);
  WriteBytes(Path("text.txt"), "no font");
  const QString previous = QDir::currentPath();
  QDir::setCurrent(Path(QString()));
  form.OpenFile(QStringLiteral("start.fnt"));
  QDir::setCurrent(previous);
  EXPECT_EQ(Document().filename(), Path("start.fnt"));
  EXPECT_EQ(Document().fonttype(), 2);

  struct Row {
    QString path;
    QString message;
  };
  for (const Row& row :
       {Row{Path("text.txt"), QStringLiteral("Die Datei \"%1\" ist keine gültige Fontdatei.").arg(Path("text.txt"))},
        Row{Path("missing.fnt"), QStringLiteral("Datei nicht gefunden")}}) {
    fdialogs.ExpectError();
    form.OpenFile(row.path);
    EXPECT_EQ(fdialogs.LastText(), row.message);
    EXPECT_EQ(Document().filename(), Path("start.fnt"));
  }
  fdialogs.VerifyAllAnswered();
}

TEST_F(FileCommandsTest, APictureDroppedOnTheEditorComesInLikeThePictureImport) {
  TMainForm& form = Start();
  form.show();
  QCoreApplication::processEvents();
  QImage picture(3, 2, QImage::Format_RGB32);
  picture.fill(Qt::white);
  ASSERT_TRUE(picture.save(Path("block.png")));
  auto* editor = Child<QWidget>("CharPaintBox");
  EXPECT_TRUE(DropFiles(form, {Path("block.png")}, editor->mapTo(&form, editor->rect().center())));
  EXPECT_EQ(Session().MarkRect(), (TMarkRect{0, 0, 2, 1}));
  EXPECT_TRUE(Session().BlockPlaced());
  EXPECT_TRUE(Session().CharRequest());
  EXPECT_EQ(Session().CharBMP().pixel(2, 1) & 0xFFFFFF, Session().SetColor());
  EXPECT_EQ(Session().CharBMP().pixel(3, 1) & 0xFFFFFF, Session().OffColor());

  // Anywhere else a picture is taken for a font file, after the questions
  // about the pending glyph and the font it changed.
  auto* list = Child<QWidget>("FontList");
  fdialogs.ExpectYesNo(DialogAnswer::No);
  fdialogs.ExpectYesNoCancel(DialogAnswer::No);
  fdialogs.ExpectError();
  EXPECT_TRUE(DropFiles(form, {Path("block.png")}, list->mapTo(&form, list->rect().center())));
  EXPECT_TRUE(fdialogs.LastText().contains(QStringLiteral("keine gültige Fontdatei")));
  fdialogs.VerifyAllAnswered();
}

}  // namespace
