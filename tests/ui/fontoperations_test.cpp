#include "ui/mainformfixture.h"

#include "dialogs/inprocess.h"
#include "editor/editsetup.h"
#include "editor/questiontexts.h"
#include "kvgauge.h"
#include "qimagecanvas.h"
#include "views/picturebox.h"

#include <QButtonGroup>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>

namespace {

const QString kShrinkQuestion = QStringLiteral(
    "Sie wollen die Zeichengröße verringern.\rDabei kann es zu Infomationsverlusten kommen.\r"
    "Soll die Aktion dennoch ausgeführt werden?");
const QString kAutoWidthsQuestion = QStringLiteral(
    "Sie haben die Funktion \"Automatisches Setzen der Zeichenbreite im gesamten Zeichensatz\" gewählt.\r"
    "Diese Funktion überschreibt alle von ihnen manuell vorgenommenen Änderungen!\r"
    "Wollen sie die Funktion dennoch ausführen?");
const QString kFullWidthsQuestion = QStringLiteral(
    "Sie haben die Funktion \" Setzen der Breite aller Zeichen auf Maximum\" gewählt.\r"
    "Diese Funktion überschreibt alle von ihnen manuell vorgenommenen Änderungen!\r"
    "Wollen sie die Funktion dennoch ausführen?");
const QString kRemoveColumnsQuestion = QStringLiteral(
    "Sie haben die Funktion \"Leerspalten vor allen Zeichen entfernen\" gewählt.\r"
    "Diese Funktion kann nicht rückgängig gemacht werden!\r"
    "Wollen sie die Funktion dennoch ausführen?");

constexpr int kLeft = 0, kCentred = 1, kRight = 2, kTop = 0, kBottom = 2;

struct Parameters {
  int width, height, base;
  int horizontal = kLeft, vertical = kTop;
};

class FontOperationsTest : public MainFormTest {
 protected:
  // An 8 x 8 font whose glyph 65 has ink at (0, 0) and (7, 7), width 6 and a zone.
  void StartWithFont() {
    Start();
    auto font = std::make_unique<TFontHandler>(8, 8);
    font->SetPixel(65, 0, 0, true);
    font->SetPixel(65, 7, 7, true);
    font->SetCharSize(65, 6);
    font->GetKerning(65).NOKerning = {2, 3};
    font->SetBaseLine(7);
    Document().ReplaceFont(std::move(font));
    Document().SetSaveRequest(false);
  }

  const TFontHandler& Font() { return Document().EditFont(); }

  // The parameter request answered with the given values, or cancelled.
  void ExpectParameterDialog(const Parameters& chosen, bool cancel = false) {
    fdialogs.ExpectFontParameters(cancel ? std::nullopt
                                         : std::optional(FontParameters{chosen.width, chosen.height, chosen.base,
                                                                        16 * chosen.horizontal + chosen.vertical}));
  }
  // What the last parameter request offered.
  Parameters Shown() const {
    const FontParameters& offered = fdialogs.Asked().back().Parameters;
    return {offered.Width, offered.Height, offered.Base, offered.Position / 16, offered.Position % 16};
  }

  void SetEditorPixel(int x, int y) {
    SetUpPicture(Session(), [&](QImage& picture) { QImageCanvas(picture).SetPixel(x, y, Session().SetColor()); });
  }
  bool EditorPixel(int x, int y) const {
    return (fform->Session().CharBMP().pixel(x, y) & 0xFFFFFFu) == fform->Session().SetColor();
  }
  // A pending edit of glyph 66 in the editor.
  void EditGlyph66() {
    Session().LoadChar(66);
    SetEditorPixel(3, 3);
    Session().SetCharRequest(true);
  }
};

TEST_F(FontOperationsTest, GrowingCentredAndAtTheBottomRebuildsFontEditorAndViews) {
  StartWithFont();
  int steps = 0;
  bool progressShown = false;
  QObject::connect(&Document(), &FontDocument::FontReplaced, [&] {
    progressShown = Form().InProcess().isVisible();
    steps = Form().InProcess().Gauge1()->Progress();
  });
  ExpectParameterDialog({12, 10, 9, kCentred, kBottom});
  Trigger("ChangeParameter");
  EXPECT_EQ(Shown().width, 8);
  EXPECT_EQ(Shown().height, 8);
  EXPECT_EQ(Shown().base, 7);
  ASSERT_EQ(Font().FontWidth(), 12);
  ASSERT_EQ(Font().FontHeight(), 10);
  EXPECT_TRUE(Font().GetPixel(65, 2, 2));
  EXPECT_TRUE(Font().GetPixel(65, 9, 9));
  EXPECT_EQ(Font().GetCharSize(65), 8);
  EXPECT_EQ(Font().GetKerning(65), TKerning());
  EXPECT_EQ(Font().BaseLine(), 9);
  EXPECT_TRUE(Document().SaveRequest());
  EXPECT_EQ(Form().StatusText(4), QStringLiteral("Font geändert"));
  EXPECT_EQ(Session().CharBMP().size(), QSize(12, 10));
  EXPECT_EQ(Session().EditKerning(), TKerning());
  EXPECT_EQ(Child<TPictureBox>("CharsetPaint")->Picture().size(), QSize(16 * 14 + 2, 16 * 12 + 2));
  // The progress window ran through every glyph and is gone again.
  EXPECT_TRUE(progressShown);
  EXPECT_EQ(steps, 255);
  EXPECT_FALSE(Form().InProcess().isVisible());
  EXPECT_EQ(Form().InProcess().Label2()->text(), QStringLiteral("Konvertiere..."));
}

TEST_F(FontOperationsTest, ShrinkingAsksFirstAndNoLeavesTheFontAsItWas) {
  StartWithFont();
  ExpectParameterDialog({6, 8, 7, kRight, kTop});
  fdialogs.ExpectYesNo(DialogAnswer::No);
  Trigger("ChangeParameter");
  EXPECT_EQ(fdialogs.LastText(), kShrinkQuestion);
  EXPECT_EQ(Font().FontWidth(), 8);
  EXPECT_EQ(Font().GetKerning(65).NOKerning, (TPoint{2, 3}));
  EXPECT_FALSE(Document().SaveRequest());

  // Yes: the old columns 0 and 1 are lost and the width shrinks with them.
  ExpectParameterDialog({6, 8, 7, kRight, kTop});
  fdialogs.ExpectYesNo(DialogAnswer::Yes);
  Trigger("ChangeParameter");
  EXPECT_EQ(Font().FontWidth(), 6);
  EXPECT_TRUE(Font().GetPixel(65, 5, 7));
  EXPECT_FALSE(Font().GetPixel(65, 0, 0));
  EXPECT_EQ(Font().GetCharSize(65), 4);
}

TEST_F(FontOperationsTest, CancelKeepsTheFontAndTheDialogShowsTheLastPlacementNextTime) {
  StartWithFont();
  ExpectParameterDialog({10, 12, 7, kCentred, kBottom});
  Trigger("ChangeParameter");
  ExpectParameterDialog({16, 16, 7, kRight, kTop}, true);
  Trigger("ChangeParameter");
  EXPECT_EQ(Shown().horizontal, kCentred);
  EXPECT_EQ(Shown().vertical, kBottom);
  EXPECT_EQ(Font().FontWidth(), 10);
  // The cancelled choice is not kept either.
  ExpectParameterDialog({10, 12, 7, kLeft, kTop}, true);
  Trigger("ChangeParameter");
  EXPECT_EQ(Shown().horizontal, kCentred);
}

TEST_F(FontOperationsTest, TheSameSizeRebuildsTheFontWithoutItsZones) {
  StartWithFont();
  ExpectParameterDialog({8, 8, 7});
  Trigger("ChangeParameter");
  EXPECT_TRUE(Font().GetPixel(65, 0, 0));
  EXPECT_TRUE(Font().GetPixel(65, 7, 7));
  EXPECT_EQ(Font().GetCharSize(65), 6);
  EXPECT_EQ(Font().GetKerning(65), TKerning());
  EXPECT_TRUE(Document().SaveRequest());
}

TEST_F(FontOperationsTest, AutomaticWidthsFollowTheInkAndTheFreeSpace) {
  StartWithFont();
  Form().Space().Set(0);
  EditGlyph66();
  fdialogs.ExpectYesNo(DialogAnswer::Yes);
  fdialogs.ExpectYesNo(DialogAnswer::Yes);
  Trigger("CalculateFontSizes");
  ASSERT_EQ(fdialogs.Asked().size(), 2u);
  EXPECT_EQ(fdialogs.Asked()[0].Text, kStoreQuestion);
  EXPECT_EQ(fdialogs.Asked()[1].Text, kAutoWidthsQuestion);
  EXPECT_EQ(Font().GetCharSize(65), 8);
  EXPECT_EQ(Font().GetCharSize(66), 4);  // the stored edit
  EXPECT_EQ(Font().GetCharSize(0), 4);   // empty: half the cell
  EXPECT_EQ(Session().EditSize(), 4);
  EXPECT_FALSE(Session().CharRequest());
  EXPECT_TRUE(Document().SaveRequest());
}

TEST_F(FontOperationsTest, FontWideWidthCommandsAnsweredNoChangeNoWidth) {
  const std::pair<const char*, QString> commands[] = {{"CalculateFontSizes", kAutoWidthsQuestion},
                                                      {"ResetCharSize", kFullWidthsQuestion},
                                                      {"RemoveFontLeftCols", kRemoveColumnsQuestion}};
  for (const auto& [command, question] : commands) {
    StartWithFont();
    SetUpGlyph(Document(), 66, [](TFontHandler& font) {
      font.SetPixel(66, 3, 3, true);
      font.SetCharSize(66, 5);
    });
    fdialogs.ExpectYesNo(DialogAnswer::No);
    Trigger(command);
    EXPECT_EQ(fdialogs.LastText(), question) << command;
    EXPECT_EQ(Font().GetCharSize(65), 6) << command;
    EXPECT_EQ(Font().GetCharSize(66), 5) << command;
    EXPECT_TRUE(Font().GetPixel(66, 3, 3)) << command;
    EXPECT_FALSE(Document().SaveRequest()) << command;
    Stop();
  }
}

TEST_F(FontOperationsTest, AllWidthsToTheCellWidth) {
  StartWithFont();
  Session().LoadChar(65);
  fdialogs.ExpectYesNo(DialogAnswer::Yes);
  Trigger("ResetCharSize");
  for (int c = 0; c < kGlyphCount; ++c) EXPECT_EQ(Font().GetCharSize(c), 8) << c;
  EXPECT_EQ(Session().EditSize(), 8);
  EXPECT_TRUE(Document().SaveRequest());
}

TEST_F(FontOperationsTest, RemovingLeadingColumnsOfAllGlyphsShiftsFontAndEditor) {
  StartWithFont();
  SetUpGlyph(Document(), 66, [](TFontHandler& font) {
    font.SetPixel(66, 3, 1, true);
    font.SetCharSize(66, 5);
  });
  Session().LoadChar(66);
  fdialogs.ExpectYesNo(DialogAnswer::Yes);
  Trigger("RemoveFontLeftCols");
  EXPECT_TRUE(Font().GetPixel(66, 0, 1));
  EXPECT_EQ(Font().GetCharSize(66), 2);
  EXPECT_TRUE(EditorPixel(0, 1));
  EXPECT_FALSE(EditorPixel(3, 1));
  EXPECT_EQ(Session().EditSize(), 2);
  EXPECT_FALSE(Session().CharRequest());
  EXPECT_TRUE(Document().SaveRequest());
}

TEST_F(FontOperationsTest, RemovingLeadingColumnsWhereEveryGlyphTouchesColumnZeroStillMarksTheFont) {
  Start();
  auto font = std::make_unique<TFontHandler>(4, 4);
  for (int c = 0; c < kGlyphCount; ++c) font->SetPixel(c, 0, c % 4, true);
  const TFontHandler before = *font;
  Document().ReplaceFont(std::move(font));
  Document().SetSaveRequest(false);
  fdialogs.ExpectYesNo(DialogAnswer::Yes);
  Trigger("RemoveFontLeftCols");
  EXPECT_EQ(Font().FontAsString(), before.FontAsString());
  EXPECT_TRUE(Document().SaveRequest());
}

TEST_F(FontOperationsTest, RemovingLeadingColumnsOfTheEditedGlyphMovesInkWidthAndZones) {
  struct Row {
    int editSize;
    int expectedSize;
  };
  // The width shrinks by the two empty columns, never below 0; the cell width stays.
  const Row rows[] = {{5, 3}, {1, 0}, {8, 8}};
  for (const Row& row : rows) {
    StartWithFont();
    Session().LoadChar(66);
    SetEditorPixel(2, 4);
    Session().SetEditSize(row.editSize);
    TKerning zones;
    zones.NWKerning = {3, 2};
    zones.SWKerning = {1, 2};
    zones.NOKerning = {1, 1};
    Session().SetEditKerning(zones);
    Trigger("RemoveLeftCols");
    EXPECT_TRUE(EditorPixel(0, 4));
    EXPECT_FALSE(EditorPixel(2, 4));
    EXPECT_EQ(Session().EditSize(), row.expectedSize) << row.editSize;
    EXPECT_EQ(Session().EditKerning().NWKerning, (TPoint{1, 2}));
    EXPECT_EQ(Session().EditKerning().SWKerning, (TPoint{0, 2}));
    EXPECT_EQ(Session().EditKerning().NOKerning, (TPoint{3, 1}));
    EXPECT_TRUE(Session().CharRequest());
    EXPECT_FALSE(Font().GetPixel(66, 0, 4));  // the font changes when the glyph is stored
    Stop();
  }
}

TEST_F(FontOperationsTest, NothingToRemoveLeavesTheEditedGlyphUntouched) {
  StartWithFont();
  Session().LoadChar(65);
  Trigger("RemoveLeftCols");
  EXPECT_TRUE(EditorPixel(0, 0));
  EXPECT_EQ(Session().EditSize(), 6);
  EXPECT_FALSE(Session().CharRequest());
  Session().LoadChar(0);
  Trigger("RemoveLeftCols");
  EXPECT_FALSE(Session().CharRequest());
}

TEST_F(FontOperationsTest, WidthOfTheEditedGlyphFromItsInk) {
  StartWithFont();
  Session().LoadChar(66);
  SetEditorPixel(4, 2);
  Trigger("CalculateCharSize");
  EXPECT_EQ(Session().EditSize(), 6);  // 4 + 1 + the default free space of 1
  EXPECT_TRUE(Session().CharRequest());
  EXPECT_EQ(Font().GetCharSize(66), 8);
  EXPECT_EQ(Form().StatusText(1), QStringLiteral("Zeichenbreite = 6"));
}

TEST_F(FontOperationsTest, FreeSpaceIsChosenUpToTheCellWidthStoredAndShownInTheCaption) {
  StartWithFont();
  EXPECT_EQ(Form().Action("CharSpace")->text(), QStringLiteral("1 Pixel minimaler Freiraum nach dem Zeichen ..."));
  fdialogs.ExpectCharSpace(2);
  Trigger("CharSpace");
  EXPECT_EQ(fdialogs.Asked().back().Text, QStringLiteral("Freiraum nach Zeichen"));
  EXPECT_EQ(fdialogs.Asked().back().Space, 1);
  EXPECT_EQ(fdialogs.Asked().back().MaxSpace, 8);
  EXPECT_EQ(Form().Action("CharSpace")->text(), QStringLiteral("2 Pixel minimaler Freiraum nach dem Zeichen ..."));
  EXPECT_EQ(fsettings.ReadString(kOptionsSection, "Space", ""), QStringLiteral("2"));

  fdialogs.ExpectCharSpace(std::nullopt);
  Trigger("CharSpace");
  EXPECT_EQ(fdialogs.Asked().back().Space, 2);
  EXPECT_EQ(Form().Space().Value(), 2);
  Stop();

  Start();
  EXPECT_EQ(Form().Action("CharSpace")->text(), QStringLiteral("2 Pixel minimaler Freiraum nach dem Zeichen ..."));
}

}  // namespace
