#include "editsession.h"

#include "document.h"
#include "editor/editsetup.h"
#include "editor/questiontexts.h"
#include "editor/scripteddialogs.h"
#include "qimagecanvas.h"

#include <gtest/gtest.h>

namespace {

class EditSessionTest : public ::testing::Test {
 protected:
  EditSessionTest() { fsession.ResetForNewFont(); }

  void UseFont(int width, int height) { fdocument.ReplaceFont(std::make_unique<TFontHandler>(width, height)); }

  bool IsSet(int x, int y) const { return Pixel(x, y) == fsession.SetColor(); }
  TColor Pixel(int x, int y) const { return fsession.CharBMP().pixel(x, y) & 0xFFFFFF; }
  void SetPixel(int x, int y) {
    SetUpPicture(fsession, [&](QImage& picture) { QImageCanvas(picture).SetPixel(x, y, fsession.SetColor()); });
  }

  // Paints one pixel of the editor glyph and marks the glyph as changed.
  void EditPixel(int x, int y) {
    SetPixel(x, y);
    fsession.SetCharRequest(true);
  }

  ScriptedDialogs fdialogs;
  FontDocument fdocument;
  EditSession fsession{fdocument, fdialogs};
};

TEST_F(EditSessionTest, ColoursAreWhatThePictureStoresForLightAndMidGrey) {
  EXPECT_EQ(fsession.SetColor(), 0xC0C0C0u);
  EXPECT_EQ(fsession.OffColor(), 0x808080u);
  EXPECT_EQ(fsession.CharBMP().size(), QSize(16, 16));
  EXPECT_EQ(Pixel(15, 15), fsession.OffColor());
}

TEST_F(EditSessionTest, NothingPendingMeansNoQuestionAndNoChange) {
  fsession.StoreEditChar(true);
  EXPECT_FALSE(fdocument.SaveRequest());
  EXPECT_TRUE(fdialogs.Asked().empty());
}

TEST_F(EditSessionTest, StoresPixelsWidthAndKerningWhenAnsweredOrNotAsked) {
  struct Row {
    bool ask;
    bool stored;
  };
  const Row rows[] = {{true, true}, {true, false}, {false, true}};
  for (const Row& row : rows) {
    UseFont(16, 16);
    fsession.LoadChar(65);
    EditPixel(3, 5);
    fsession.SetEditSize(7);
    TKerning kerning;
    kerning.NWKerning = {2, 3};
    fsession.SetEditKerning(kerning);
    int changed = -1;
    const auto connection = QObject::connect(&fdocument, &FontDocument::GlyphChanged, [&](int c) { changed = c; });
    if (row.ask) fdialogs.ExpectYesNo(row.stored ? DialogAnswer::Yes : DialogAnswer::No);

    fsession.StoreEditChar(row.ask);

    const TFontHandler& font = fdocument.EditFont();
    EXPECT_EQ(font.GetPixel(65, 3, 5), row.stored);
    EXPECT_FALSE(font.GetPixel(65, 4, 5));
    EXPECT_EQ(font.GetCharSize(65), row.stored ? 7 : 16);
    EXPECT_EQ(font.GetKerning(65) == kerning, row.stored);
    EXPECT_EQ(changed, row.stored ? 65 : -1);
    // Whatever the answer, the edit counts as handled and the font as changed.
    EXPECT_FALSE(fsession.CharRequest());
    EXPECT_TRUE(fdocument.SaveRequest());
    if (row.ask) {
      EXPECT_EQ(fdialogs.LastText(), kStoreQuestion);
    }
    fdialogs.VerifyAllAnswered();
    QObject::disconnect(connection);
  }
}

TEST_F(EditSessionTest, StoringClearsPixelsThatWereSetInTheFont) {
  SetUpGlyph(fdocument, 0, [](TFontHandler& font) { font.SetPixel(0, 0, 0, true); });
  fsession.SetCharRequest(true);
  fsession.StoreEditChar(false);
  EXPECT_FALSE(fdocument.EditFont().GetPixel(0, 0, 0));
}

TEST_F(EditSessionTest, LoadingDrawsTheGlyphWithItsWidthAndZonesAndDropsTheHistory) {
  SetUpGlyph(fdocument, 66, [](TFontHandler& font) {
    font.SetPixel(66, 2, 3, true);
    font.SetCharSize(66, 5);
    font.GetKerning(66).SOKerning = {1, 2};
  });
  SetPixel(0, 0);
  fsession.PushUndo();
  fsession.SetCharRequest(true);

  fsession.LoadChar(66);

  EXPECT_EQ(fsession.EditChar(), 66);
  EXPECT_TRUE(IsSet(2, 3));
  EXPECT_FALSE(IsSet(0, 0));
  EXPECT_EQ(Pixel(0, 0), fsession.OffColor());
  EXPECT_EQ(fsession.EditSize(), 5);
  EXPECT_EQ(fsession.EditKerning().SOKerning, (TPoint{1, 2}));
  EXPECT_FALSE(fsession.CharRequest());
  EXPECT_FALSE(fsession.CanUndo());
}

TEST_F(EditSessionTest, StoringUnderAnotherCodeAsksAndThenEditsThatCode) {
  fsession.LoadChar(65);
  EditPixel(1, 1);
  fdialogs.ExpectYesNo(DialogAnswer::No);
  fsession.StoreCharAs(66);
  EXPECT_EQ(fdialogs.LastText(),
            QStringLiteral("Das aktuelle Zeichen wurde für den \rZeichencode 41h designt. Soll es\rtatsächlich 42h "
                           "zugeordnet werden?"));
  EXPECT_EQ(fsession.EditChar(), 65);
  EXPECT_TRUE(fsession.CharRequest());
  EXPECT_FALSE(fdocument.EditFont().GetPixel(66, 1, 1));

  fdialogs.ExpectYesNo(DialogAnswer::Yes);
  fsession.StoreCharAs(66);
  EXPECT_EQ(fsession.EditChar(), 66);
  EXPECT_TRUE(fdocument.EditFont().GetPixel(66, 1, 1));
  EXPECT_FALSE(fdocument.EditFont().GetPixel(65, 1, 1));
  fdialogs.VerifyAllAnswered();
}

TEST_F(EditSessionTest, StoringUnderTheSameCodeWritesEvenWithoutAChange) {
  fsession.LoadChar(65);
  fsession.SetEditSize(3);
  fsession.StoreCharAs(65);
  EXPECT_EQ(fdocument.EditFont().GetCharSize(65), 3);
  EXPECT_TRUE(fdocument.SaveRequest());
  EXPECT_TRUE(fdialogs.Asked().empty());
}

TEST_F(EditSessionTest, ANewFontResetsGlyphZonesMarkAndHistory) {
  TKerning kerning;
  kerning.NOKerning = {1, 1};
  fsession.SetEditKerning(kerning);
  fsession.PushUndo();
  fsession.SetMarkRect({1, 1, 2, 2});
  fsession.EnableMarkCommands();
  UseFont(8, 12);
  EXPECT_EQ(fsession.CharBMP().size(), QSize(8, 12));
  EXPECT_EQ(fsession.EditSize(), 8);
  EXPECT_EQ(fsession.EditKerning(), TKerning());
  EXPECT_TRUE(fsession.MarkRect().IsEmpty());
  EXPECT_FALSE(fsession.MarkCommandsEnabled());
  EXPECT_FALSE(fsession.CanUndo());
}

// The glyph list loads a glyph when it hears of the new font: the editor must be reset by then.
TEST_F(EditSessionTest, ANewFontIsReportedOnceTheEditorIsReset) {
  int reports = 0;
  QSize seen;
  QObject::connect(&fsession, &EditSession::NewFontReady, [&] {
    ++reports;
    seen = fsession.CharBMP().size();
  });
  UseFont(8, 12);
  EXPECT_EQ(reports, 1);
  EXPECT_EQ(seen, QSize(8, 12));
  // Resetting the editor alone brings no new font.
  fsession.ResetForNewFont();
  EXPECT_EQ(reports, 1);
}

TEST_F(EditSessionTest, EditSizeIsClampedToTheCellWidth) {
  UseFont(8, 12);
  fsession.SetEditSize(20);
  EXPECT_EQ(fsession.EditSize(), 8);
}

TEST_F(EditSessionTest, ADrawingToolClearsTheMarkButTheMarkToolKeepsIt) {
  fsession.SetMarkRect({1, 1, 3, 3});
  fsession.EnableMarkCommands();
  fsession.SelectTool(ToolId::Mark);
  EXPECT_EQ(fsession.MarkRect(), (TMarkRect{1, 1, 3, 3}));
  EXPECT_TRUE(fsession.MarkCommandsEnabled());
  fsession.SelectTool(ToolId::Line);
  EXPECT_TRUE(fsession.MarkRect().IsEmpty());
  EXPECT_FALSE(fsession.MarkCommandsEnabled());
  EXPECT_EQ(fsession.Tool(), ToolId::Line);
}

TEST_F(EditSessionTest, FortySnapshotsGiveThirtyOneUndoSteps) {
  for (int i = 0; i < 40; ++i) {
    SetUpPicture(fsession, [&](QImage& picture) { picture.fill(0xFF000000u | static_cast<QRgb>(i)); });
    fsession.PushUndo();
  }
  int steps = 0;
  while (fsession.CanUndo()) {
    fsession.Undo();
    ++steps;
  }
  EXPECT_EQ(steps, 31);
  // The oldest kept snapshot is the ninth picture.
  EXPECT_EQ(Pixel(0, 0), 9u);
}

TEST_F(EditSessionTest, UndoAndRedoRestoreThePictureOnlyAndANewEditDropsRedo) {
  fsession.PushUndo();
  SetPixel(1, 1);
  fsession.SetEditSize(5);
  fsession.SetMarkRect({0, 0, 2, 2});
  fsession.Undo();
  EXPECT_FALSE(IsSet(1, 1));
  EXPECT_EQ(fsession.EditSize(), 5);
  EXPECT_TRUE(fsession.CharRequest());
  EXPECT_TRUE(fsession.MarkRect().IsEmpty());
  EXPECT_FALSE(fsession.CanUndo());
  ASSERT_TRUE(fsession.CanRedo());

  fsession.Redo();
  EXPECT_TRUE(IsSet(1, 1));
  EXPECT_TRUE(fsession.CanUndo());
  EXPECT_FALSE(fsession.CanRedo());

  fsession.Undo();
  fsession.PushUndo();
  EXPECT_FALSE(fsession.CanRedo());
}

QImage Picture(int width, int height, QRgb color) {
  QImage picture(width, height, QImage::Format_RGB32);
  picture.fill(color);
  return picture;
}

TEST_F(EditSessionTest, APlacedBlockIsCroppedThresholdedAndMarkedAtTheTopLeft) {
  struct Row {
    QSize picture;
    QSize cell;
    TMarkRect mark;
    QSize changed;
  };
  const Row rows[] = {
      {{3, 2}, {16, 16}, {0, 0, 2, 1}, {3, 2}},
      {{200, 50}, {8, 12}, {0, 0, 7, 11}, {8, 12}},
      // One pixel marks nothing, yet changes only its own cell.
      {{1, 1}, {16, 16}, {0, 0, 0, 0}, {1, 1}},
  };
  for (const Row& row : rows) {
    UseFont(row.cell.width(), row.cell.height());
    fsession.SelectTool(ToolId::Paint);
    fsession.PlaceBlock(Picture(row.picture.width(), row.picture.height(), qRgb(255, 255, 255)));
    EXPECT_EQ(fsession.Tool(), ToolId::Mark);
    EXPECT_EQ(fsession.MarkRect(), row.mark);
    EXPECT_TRUE(fsession.BlockPlaced());
    EXPECT_TRUE(fsession.CharRequest());
    for (int y = 0; y < row.cell.height(); ++y)
      for (int x = 0; x < row.cell.width(); ++x)
        EXPECT_EQ(IsSet(x, y), x < row.changed.width() && y < row.changed.height()) << x << "," << y;
    EXPECT_EQ(fsession.DragUndoBMP().pixel(0, 0) & 0xFFFFFF, fsession.OffColor());
  }
}

TEST_F(EditSessionTest, ThresholdTakesAnyBrightChannelAsSetAndKeepsTheTwoEditorColours) {
  const std::pair<QRgb, bool> rows[] = {
      {qRgb(127, 127, 127), false}, {qRgb(0, 0, 128), true}, {qRgb(129, 0, 0), true},      {qRgb(0, 200, 0), true},
      {qRgb(255, 255, 255), true},  {qRgb(0, 0, 0), false},  {qRgb(128, 128, 128), false},
  };
  for (const auto& [color, set] : rows) {
    QImage picture = Picture(1, 1, color);
    ThresholdBitmap(picture, fsession.Colors());
    EXPECT_EQ(picture.pixel(0, 0) & 0xFFFFFF, set ? fsession.SetColor() : fsession.OffColor()) << std::hex << color;
  }
}

}  // namespace
