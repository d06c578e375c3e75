#include "ui/mainformfixture.h"

#include "editor/editsetup.h"
#include "editor/questiontexts.h"
#include "qimagecanvas.h"
#include "views/fontlist.h"

#include <QPushButton>
#include <QTest>

namespace {

class FontListTest : public MainFormTest {
 protected:
  TFontList& Start(bool autoLoad, bool autoStore) {
    MainFormTest::Start();
    Form().Action(ActionId::AutoLoadChar)->setChecked(autoLoad);
    Form().Action(ActionId::AutoStoreChar)->setChecked(autoStore);
    Form().show();
    auto& list = *Child<TFontList>("FontList");
    QCoreApplication::processEvents();
    return list;
  }

  void Click(TFontList& list, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    list.scrollToItem(list.item(row));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers, list.visualItemRect(list.item(row)).center());
  }

  // Glyph 66 of the font has a pixel at (1, 0); the editor holds glyph 65
  // with a pending pixel at (0, 0).
  void PrepareEdit() {
    SetUpGlyph(Document(), 66, [](TFontHandler& font) { font.SetPixel(66, 1, 0, true); });
    SetUpPicture(Session(), [&](QImage& picture) { QImageCanvas(picture).SetPixel(0, 0, Session().SetColor()); });
    Session().SetCharRequest(true);
  }

  bool EditorPixel(int x, int y) { return (Session().CharBMP().pixel(x, y) & 0xFFFFFF) == Session().SetColor(); }
};

TEST_F(FontListTest, SelectingARowLoadsAndStoresAsTheOptionsSay) {
  struct Row {
    bool autoLoad;
    bool autoStore;
    std::optional<DialogAnswer> answer;  // the "noch nicht gesichert" question
    bool stored;
    bool loaded;
  };
  const Row rows[] = {
      {true, true, std::nullopt, true, true},       {true, false, DialogAnswer::Yes, true, true},
      {true, false, DialogAnswer::No, false, true}, {false, true, std::nullopt, false, false},
      {false, false, std::nullopt, false, false},
  };
  for (const Row& row : rows) {
    TFontList& list = Start(row.autoLoad, row.autoStore);
    PrepareEdit();
    if (row.answer) fdialogs.ExpectYesNo(*row.answer);
    Click(list, 66);
    EXPECT_EQ(list.ItemIndex(), 66);
    EXPECT_EQ(Document().EditFont().GetPixel(0, 0, 0), row.stored) << row.autoLoad << row.autoStore;
    EXPECT_EQ(Session().EditChar(), row.loaded ? 66 : 0);
    EXPECT_EQ(EditorPixel(1, 0), row.loaded);
    EXPECT_EQ(Session().CharRequest(), !row.loaded);
    if (row.answer) {
      EXPECT_EQ(fdialogs.LastText(), kStoreQuestion);
    }
    fdialogs.VerifyAllAnswered();
    Stop();
  }
}

TEST_F(FontListTest, AShiftClickLoadsNothingAndTheLoadButtonThenStoresUnderThatCode) {
  TFontList& list = Start(true, true);
  PrepareEdit();
  Click(list, 66, Qt::ShiftModifier);
  EXPECT_TRUE(list.MoveChar());
  EXPECT_EQ(Session().EditChar(), 0);
  EXPECT_TRUE(Session().CharRequest());

  fdialogs.ExpectYesNo(DialogAnswer::Yes);
  Child<QPushButton>("LoadCharButton")->click();
  EXPECT_TRUE(fdialogs.LastText().contains(QStringLiteral("tatsächlich 42h zugeordnet")));
  // The edited glyph went to 66 and came back from there; glyph 0 is untouched.
  EXPECT_TRUE(Document().EditFont().GetPixel(66, 0, 0));
  EXPECT_FALSE(Document().EditFont().GetPixel(0, 0, 0));
  EXPECT_EQ(Session().EditChar(), 66);
  EXPECT_TRUE(EditorPixel(0, 0));
  EXPECT_FALSE(EditorPixel(1, 0));
}

TEST_F(FontListTest, ShiftPathAnsweredNoDropsTheEditAndLoadsWithoutTheOtherQuestion) {
  TFontList& list = Start(true, false);
  PrepareEdit();
  Click(list, 66, Qt::ShiftModifier);
  fdialogs.ExpectYesNo(DialogAnswer::No);
  Child<QPushButton>("LoadCharButton")->click();
  EXPECT_EQ(fdialogs.Asked().size(), 1u);
  EXPECT_FALSE(Document().EditFont().GetPixel(66, 0, 0));
  EXPECT_EQ(Session().EditChar(), 66);
  EXPECT_TRUE(EditorPixel(1, 0));
  EXPECT_FALSE(Session().CharRequest());
}

TEST_F(FontListTest, TheStoreButtonWritesTheGlyphAndRepaintsItsRow) {
  TFontList& list = Start(false, false);
  Click(list, 65);
  Child<QPushButton>("LoadCharButton")->click();
  SetUpPicture(Session(), [&](QImage& picture) { QImageCanvas(picture).SetPixel(2, 2, Session().SetColor()); });
  Child<QPushButton>("StoreCharButton")->click();
  EXPECT_TRUE(Document().EditFont().GetPixel(65, 2, 2));
  EXPECT_TRUE(Document().SaveRequest());
  EXPECT_TRUE(fdialogs.Asked().empty());
}

TEST_F(FontListTest, ADoubleClickLoadsTheRow) {
  TFontList& list = Start(false, false);
  SetUpGlyph(Document(), 66, [](TFontHandler& font) { font.SetPixel(66, 1, 0, true); });
  list.scrollToItem(list.item(66));
  const QPoint at = list.visualItemRect(list.item(66)).center();
  QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseDClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, at);
  EXPECT_EQ(Session().EditChar(), 66);
  EXPECT_TRUE(EditorPixel(1, 0));
}

TEST_F(FontListTest, TypingACharacterSelectsItsCode) {
  TFontList& list = Start(false, false);
  const std::pair<QString, int> rows[] = {
      {QStringLiteral("A"), 65}, {QStringLiteral("ä"), 0xE4}, {QStringLiteral("\r"), 13}, {QStringLiteral("€"), 13}};
  for (const auto& [typed, selected] : rows) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, typed);
    QCoreApplication::sendEvent(&list, &press);
    EXPECT_EQ(list.ItemIndex(), selected) << typed.toStdString();
  }
}

TEST_F(FontListTest, RowsAreAsHighAsTheCellPlusTheTextAndShowTheStoredGlyph) {
  TFontList& list = Start(false, false);
  Document().ReplaceFont(std::make_unique<TFontHandler>(8, 12));
  SetUpGlyph(Document(), 1, [](TFontHandler& font) { font.SetPixel(1, 0, 0, true); });
  QCoreApplication::processEvents();
  const int rowHeight = list.fontMetrics().height() + 12 + 5;
  EXPECT_EQ(list.sizeHintForRow(1), rowHeight);
  const QRect row = list.visualItemRect(list.item(1));
  const QImage shown = list.viewport()->grab().toImage();
  const int glyphLeft = (row.left() + row.right() + 1 - 8) / 2;
  EXPECT_EQ(shown.pixelColor(glyphLeft, row.top() + 2), QColor(Qt::white));
  EXPECT_EQ(shown.pixelColor(glyphLeft + 1, row.top() + 2), QColor(Qt::black));
  EXPECT_EQ(shown.pixelColor(glyphLeft + 7, row.top() + 2 + 11), QColor(Qt::black));
}

}  // namespace
