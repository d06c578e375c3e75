#include "document.h"
#include "editor/editsetup.h"
#include "editor/scripteddialogs.h"
#include "editsession.h"
#include "tools/editormouse.h"
#include "tools/glyphshapes.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

using Cells = std::set<std::pair<int, int>>;
constexpr int kDot = 10;

// An editing session with helpers to feed tools with cells, or the mouse state
// machine with box points on a field of 10-pixel cells.
class ToolsTest : public ::testing::Test {
 protected:
  ToolsTest() { UseFont(16, 16); }

  void UseFont(int width, int height) { fdocument.ReplaceFont(std::make_unique<TFontHandler>(width, height)); }
  void Set(int x, int y) {
    SetUpPicture(fsession, [&](QImage& picture) { picture.setPixel(x, y, 0xFF000000u | fsession.SetColor()); });
  }
  bool IsSet(int x, int y) const { return (fsession.CharBMP().pixel(x, y) & 0xFFFFFF) == fsession.SetColor(); }
  Cells Inked() const {
    Cells cells;
    for (int y = 0; y < fsession.CharBMP().height(); ++y)
      for (int x = 0; x < fsession.CharBMP().width(); ++x)
        if (IsSet(x, y)) cells.insert({x, y});
    return cells;
  }

  static ToolPoint At(int c, int r) { return {{c, r}, {c, r}, true}; }
  static ToolPoint InMargin(int c, int r) { return {{c, r}, {c, r}, false}; }

  EditorGeometry Geometry() const {
    return {kDot, fsession.CharBMP().size(), fsession.EditSize(), fdocument.BaseLine()};
  }
  // The middle of a cell's dot.
  static QPoint Box(int c, int r) { return {10 + c * kDot + kDot / 2, 10 + r * kDot + kDot / 2}; }
  void Press(QPoint box, ToolButton button = ToolButton::Left) { fmouse.Press(box, button, Geometry()); }
  void Move(QPoint box) { fmouse.Move(box, Geometry()); }
  void Release(QPoint box) { fmouse.Release(box, Geometry()); }
  void Drag(QPoint from, QPoint to, ToolButton button = ToolButton::Left) {
    Press(from, button);
    Move(to);
    Release(to);
  }

  ScriptedDialogs fdialogs;
  FontDocument fdocument;
  EditSession fsession{fdocument, fdialogs};
  EditorMouse fmouse{fsession};
};

// Only a tool that waits for the release lets the pointer show what is under it meanwhile.
TEST_F(ToolsTest, EachToolStartsItsStateForEitherButton) {
  struct Row {
    ToolId tool;
    MouseMode left;
    MouseMode other;
    bool hovering;
  };
  const Row rows[] = {
      {ToolId::Mark, MouseMode::MarkDrag, MouseMode::MarkDrag, false},
      {ToolId::Paint, MouseMode::PaintSet, MouseMode::PaintOff, false},
      {ToolId::Line, MouseMode::LineSet, MouseMode::LineOff, false},
      {ToolId::Rectangle, MouseMode::RectangleSet, MouseMode::RectangleOff, false},
      {ToolId::Ellipse, MouseMode::EllipseSet, MouseMode::EllipseOff, false},
      {ToolId::Fill, MouseMode::FillSet, MouseMode::FillOff, true},
      {ToolId::Kerning, MouseMode::KerningDrag, MouseMode::KerningClear, false},
  };
  for (const Row& row : rows) {
    fsession.SelectTool(row.tool);
    for (const auto& [button, mode] :
         {std::pair(ToolButton::Left, row.left), std::pair(ToolButton::Other, row.other)}) {
      Press(Box(0, 0), button);
      EXPECT_EQ(fmouse.Mousemode(), mode) << static_cast<int>(row.tool);
      EXPECT_EQ(fmouse.Hovering(), row.hovering) << static_cast<int>(row.tool);
      Release(Box(0, 0));
      EXPECT_EQ(fmouse.Mousemode(), MouseMode::Idle);
      EXPECT_TRUE(fmouse.Hovering());
    }
  }
}

TEST_F(ToolsTest, PaintSetsOnlyTheReportedCellsAndTheOtherButtonClears) {
  fsession.SelectTool(ToolId::Paint);
  Press(Box(1, 1));
  EXPECT_TRUE(Inked().empty()) << "the press paints nothing";
  EXPECT_TRUE(fsession.CanUndo());
  // A fast drag: no line between the reported positions.
  Move(Box(1, 1));
  Move(Box(6, 1));
  Move(Box(6, 9));
  Release(Box(2, 9));
  EXPECT_EQ(Inked(), (Cells{{1, 1}, {6, 1}, {6, 9}, {2, 9}}));
  EXPECT_TRUE(fsession.CharRequest());

  Press(Box(6, 1), ToolButton::Other);
  Move(Box(6, 1));
  Release(Box(6, 9));
  EXPECT_EQ(Inked(), (Cells{{1, 1}, {2, 9}}));
  fsession.Undo();
  EXPECT_EQ(Inked(), (Cells{{1, 1}, {6, 1}, {6, 9}, {2, 9}}));
}

// The gap after a dot still belongs to it, positions beyond the glyph paint
// nothing, and a stroke released in the margin keeps its cells as a change.
TEST_F(ToolsTest, PaintUsesCellBAndIgnoresTheMarginsAndBeyondTheGlyph) {
  fsession.SelectTool(ToolId::Paint);
  Press(Box(3, 3));
  Move({10 + 4 * kDot - 1, 10 + 4 * kDot - 1});
  Move(Box(16, 2));
  Move({5, 40});
  Release({5, 40});
  EXPECT_EQ(Inked(), (Cells{{3, 3}}));
  EXPECT_TRUE(fsession.CharRequest());
}

TEST_F(ToolsTest, LineIsRedrawnFromItsAnchorAndVanishesBackOnIt) {
  fsession.SelectTool(ToolId::Line);
  Set(0, 15);
  Press(Box(2, 2));
  Move(Box(8, 2));
  EXPECT_EQ(Inked(), (Cells{{0, 15}, {2, 2}, {3, 2}, {4, 2}, {5, 2}, {6, 2}, {7, 2}, {8, 2}}));
  Move(Box(2, 4));
  EXPECT_EQ(Inked(), (Cells{{0, 15}, {2, 2}, {2, 3}, {2, 4}}));
  // Outside the glyph the last line stays.
  Move(Box(20, 4));
  EXPECT_EQ(Inked(), (Cells{{0, 15}, {2, 2}, {2, 3}, {2, 4}}));
  Move(Box(2, 2));
  Release(Box(2, 2));
  EXPECT_EQ(Inked(), (Cells{{0, 15}}));
  EXPECT_TRUE(fsession.CharRequest());
}

TEST_F(ToolsTest, ShapesWithTheOtherButtonClearOverThePictureOfThePress) {
  SetUpPicture(fsession, [&](QImage& picture) { picture.fill(0xFF000000u | fsession.SetColor()); });
  fsession.SelectTool(ToolId::Rectangle);
  Drag(Box(1, 1), Box(3, 2), ToolButton::Other);
  const Cells cleared{{1, 1}, {2, 1}, {3, 1}, {1, 2}, {2, 2}, {3, 2}};
  for (const auto& [x, y] : cleared) EXPECT_FALSE(IsSet(x, y)) << x << "," << y;
  EXPECT_EQ(Inked().size(), 256u - cleared.size());
}

TEST_F(ToolsTest, RectangleOfOneCellSetsThatCell) {
  fsession.SelectTool(ToolId::Rectangle);
  Press(Box(5, 5));
  Move(Box(7, 7));
  Move(Box(5, 5));
  Release(Box(5, 5));
  EXPECT_EQ(Inked(), (Cells{{5, 5}}));
}

TEST_F(ToolsTest, EllipseToolDrawsInsideItsBox) {
  fsession.SelectTool(ToolId::Ellipse);
  Drag(Box(2, 3), Box(9, 3 + 1));
  Cells row;
  for (int x = 2; x <= 8; ++x) row.insert({x, 3});
  EXPECT_EQ(Inked(), row);
}

TEST_F(ToolsTest, ShapePressAndReleaseWithoutMoveDrawsNothingButRecordsASnapshot) {
  for (const ToolId tool : {ToolId::Line, ToolId::Rectangle, ToolId::Ellipse}) {
    fsession.ClearHistory();
    fsession.SelectTool(tool);
    Press(Box(4, 4));
    Release(Box(4, 4));
    EXPECT_TRUE(Inked().empty());
    EXPECT_TRUE(fsession.CanUndo());
  }
}

TEST_F(ToolsTest, FillActsAtTheReleaseOnEdgeNeighboursOnly) {
  for (const auto& [x, y] : Cells{{1, 1}, {2, 1}, {1, 2}, {3, 2}, {4, 4}}) Set(x, y);
  fsession.SelectTool(ToolId::Fill);
  Press(Box(10, 10), ToolButton::Other);
  Release(Box(2, 1));
  EXPECT_EQ(Inked(), (Cells{{3, 2}, {4, 4}}));
  EXPECT_TRUE(fsession.CharRequest());

  Press(Box(2, 1));
  Release(Box(20, 1));
  EXPECT_EQ(Inked(), (Cells{{3, 2}, {4, 4}})) << "beyond the glyph";
  Press(Box(2, 1));
  Release({5, 20});
  EXPECT_EQ(Inked(), (Cells{{3, 2}, {4, 4}})) << "in the margin";
  EXPECT_EQ(fmouse.Mousemode(), MouseMode::Idle);
}

TEST_F(ToolsTest, OneCellMarkMarksNothingButOffersCutAndCopy) {
  Drag(Box(4, 4), Box(4, 4));
  EXPECT_TRUE(fsession.MarkRect().IsEmpty());
  EXPECT_TRUE(fsession.MarkCommandsEnabled());
  EXPECT_EQ(fsession.MarkedArea(), QRect(0, 0, 16, 16));
  EXPECT_FALSE(fsession.CanUndo());
}

TEST_F(ToolsTest, MarkDragClampsOnlyItsMovingCornerAndEndsNormalised) {
  Press(Box(19, 3));
  Move(Box(5, -2));
  EXPECT_EQ(fsession.MarkRect(), (TMarkRect{19, 3, 5, 0}));
  Move(Box(25, 30));
  EXPECT_EQ(fsession.MarkRect(), (TMarkRect{19, 3, 15, 15}));
  Move(Box(2, 1));
  Release(Box(2, 1));
  EXPECT_EQ(fsession.MarkRect(), (TMarkRect{2, 1, 19, 3}));
  EXPECT_TRUE(fsession.MarkCommandsEnabled());
}

TEST_F(ToolsTest, MovedBlockLeavesItsPlaceEmptyAndLosesWhatLeavesTheGlyph) {
  for (const auto& [x, y] : Cells{{12, 1}, {14, 1}, {13, 2}, {0, 0}}) Set(x, y);
  Drag(Box(12, 1), Box(14, 2));
  ASSERT_EQ(fsession.MarkRect(), (TMarkRect{12, 1, 14, 2}));
  Press(Box(13, 1));
  EXPECT_EQ(fmouse.Mousemode(), MouseMode::BlockMove);
  EXPECT_TRUE(fsession.CanUndo());
  Move(Box(15, 3));
  EXPECT_EQ(fsession.MarkRect(), (TMarkRect{14, 3, 16, 4}));
  EXPECT_EQ(Inked(), (Cells{{0, 0}, {14, 3}, {15, 4}}));
  Release(Box(15, 3));
  EXPECT_EQ(Inked(), (Cells{{0, 0}, {14, 3}, {15, 4}}));
  EXPECT_TRUE(fsession.MarkRect().IsEmpty());
  EXPECT_FALSE(fsession.MarkCommandsEnabled());
  EXPECT_TRUE(fsession.CharRequest());
  // Moving it back brings nothing back: the cut-off part is gone.
  fsession.Undo();
  EXPECT_EQ(Inked(), (Cells{{12, 1}, {14, 1}, {13, 2}, {0, 0}}));
}

// A placed block moves over the picture it was placed on, which shows again
// where the block was.
TEST_F(ToolsTest, PlacedBlockMovesOverItsBackgroundUntilAnotherPressOrRelease) {
  Set(0, 0);
  Set(5, 5);
  QImage block(2, 2, QImage::Format_RGB32);
  block.fill(qRgb(255, 255, 255));
  fsession.PlaceBlock(block);
  EXPECT_EQ(fmouse.Mousemode(), MouseMode::BlockPlaced);
  Press(Box(1, 1));
  EXPECT_EQ(fmouse.Mousemode(), MouseMode::BlockMove);
  Move(Box(3, 2));
  EXPECT_EQ(Inked(), (Cells{{0, 0}, {5, 5}, {2, 1}, {3, 1}, {2, 2}, {3, 2}}));
  Release(Box(3, 2));
  EXPECT_EQ(fmouse.Mousemode(), MouseMode::Idle);

  fsession.PlaceBlock(block);
  Press({5, 5});
  EXPECT_EQ(fmouse.Mousemode(), MouseMode::BlockPlaced) << "a press that starts nothing";
  Release({5, 5});
  EXPECT_EQ(fmouse.Mousemode(), MouseMode::Idle);
  // Still marked, but now an ordinary block: moving cuts it out and leaves its place empty.
  Press(Box(0, 0));
  Move(Box(0, 2));
  Release(Box(0, 2));
  EXPECT_FALSE(IsSet(0, 0));
  EXPECT_TRUE(IsSet(0, 2) && IsSet(1, 3));
}

TEST_F(ToolsTest, AnyOtherPressEndsAPlacedBlock) {
  QImage block(3, 3, QImage::Format_RGB32);
  block.fill(qRgb(255, 255, 255));
  fsession.PlaceBlock(block);
  Press(Box(8, 8));
  EXPECT_EQ(fmouse.Mousemode(), MouseMode::MarkDrag);
  Release(Box(8, 8));
  EXPECT_FALSE(fsession.BlockPlaced());
}

// The block placed into one glyph must not carry that glyph's picture into the next.
TEST_F(ToolsTest, LoadingAnotherGlyphEndsAPlacedBlock) {
  SetUpGlyph(fdocument, 66, [](TFontHandler& font) { font.SetPixel(66, 9, 9, true); });
  QImage block(3, 3, QImage::Format_RGB32);
  block.fill(qRgb(255, 255, 255));
  fsession.PlaceBlock(block);
  fsession.LoadChar(66);
  EXPECT_EQ(fmouse.Mousemode(), MouseMode::Idle);
  fsession.SetMarkRect({0, 0, 2, 2});
  Press(Box(1, 1));
  Move(Box(2, 1));
  Release(Box(2, 1));
  EXPECT_EQ(Inked(), (Cells{{9, 9}}));
}

TEST_F(ToolsTest, KerningCornersStretchWithTheLeftButtonAndClearWithTheOther) {
  struct Row {
    QPoint corner;
    QPoint to;
    TPoint TKerning::*zone;
    TPoint size;
  };
  const Row rows[] = {
      {{0, 0}, {2, 3}, &TKerning::NWKerning, {3, 4}},
      {{15, 0}, {12, 1}, &TKerning::NOKerning, {4, 2}},
      {{0, 15}, {1, 10}, &TKerning::SWKerning, {2, 6}},
      {{15, 15}, {14, 15}, &TKerning::SOKerning, {2, 1}},
      // The pointer beyond the glyph is taken at its edge.
      {{0, 0}, {30, 40}, &TKerning::NWKerning, {16, 16}},
  };
  fsession.SelectTool(ToolId::Kerning);
  for (const Row& row : rows) {
    fsession.SetEditKerning(TKerning());
    fsession.SetCharRequest(false);
    Press(Box(row.corner.x(), row.corner.y()));
    Move(Box(row.to.x(), row.to.y()));
    EXPECT_EQ(fsession.EditKerning().*row.zone, row.size);
    Release(Box(row.to.x(), row.to.y()));
    EXPECT_TRUE(fsession.CharRequest());
    TKerning expected;
    expected.*row.zone = row.size;
    EXPECT_EQ(fsession.EditKerning(), expected);

    Press(Box(row.corner.x(), row.corner.y()), ToolButton::Other);
    Move(Box(8, 8));
    EXPECT_EQ(fsession.EditKerning(), expected) << "cleared at the release";
    Release(Box(8, 8));
    EXPECT_EQ(fsession.EditKerning(), TKerning());
  }
  EXPECT_FALSE(fsession.CanUndo());
  Press(Box(5, 0));
  EXPECT_EQ(fmouse.Mousemode(), MouseMode::Idle);
}

TEST_F(ToolsTest, KerningCornersOfOneColumnOrRowTakeTheLastMatchingZone) {
  struct Row {
    QSize cell;
    QPoint corner;
    TPoint TKerning::*zone;
  };
  const Row rows[] = {
      {{1, 8}, {0, 0}, &TKerning::NOKerning}, {{1, 8}, {0, 7}, &TKerning::SOKerning},
      {{8, 1}, {0, 0}, &TKerning::SWKerning}, {{8, 1}, {7, 0}, &TKerning::SOKerning},
      {{1, 1}, {0, 0}, &TKerning::SOKerning},
  };
  for (const Row& row : rows) {
    UseFont(row.cell.width(), row.cell.height());
    fsession.SelectTool(ToolId::Kerning);
    Press(Box(row.corner.x(), row.corner.y()));
    Move(Box(row.corner.x(), row.corner.y()));
    Release(Box(row.corner.x(), row.corner.y()));
    TKerning expected;
    expected.*row.zone = {1, 1};
    EXPECT_EQ(fsession.EditKerning(), expected) << row.cell.width() << "x" << row.cell.height();
  }
}

TEST_F(ToolsTest, WidthLineDragsWithAnyToolAndMarksTheGlyphChanged) {
  fsession.SelectTool(ToolId::Fill);
  const QPoint grip(16 * kDot + 9 - 1, 4);
  Press(grip);
  EXPECT_EQ(fmouse.Mousemode(), MouseMode::WidthDrag);
  EXPECT_FALSE(fmouse.Hovering()) << "a grip drag, whatever the tool";
  Move({5 * kDot + 9 + 3, 4});
  EXPECT_EQ(fsession.EditSize(), 5);
  EXPECT_TRUE(fsession.CharRequest());
  Move({3, 4});
  EXPECT_EQ(fsession.EditSize(), 5) << "not below 1";
  Move({30 * kDot, 4});
  EXPECT_EQ(fsession.EditSize(), 5) << "not beyond W";
  Move({16 * kDot + 9, 100});
  Release({16 * kDot + 9, 100});
  EXPECT_EQ(fsession.EditSize(), 16);
  EXPECT_FALSE(fdocument.SaveRequest());
  EXPECT_FALSE(fsession.CanUndo());
  EXPECT_TRUE(Inked().empty());
}

TEST_F(ToolsTest, BaseLineDragsWithAnyToolAndMarksTheFontChanged) {
  fsession.SelectTool(ToolId::Paint);
  Press({4, 16 * kDot + 9 + 1});
  EXPECT_EQ(fmouse.Mousemode(), MouseMode::BaseLineDrag);
  Move({4, 7 * kDot + 9});
  EXPECT_EQ(fdocument.BaseLine(), 7);
  EXPECT_TRUE(fdocument.SaveRequest());
  EXPECT_FALSE(fsession.CharRequest());
  Move({4, 0});
  Release({4, 0});
  EXPECT_EQ(fdocument.BaseLine(), 7) << "not above 1";
  EXPECT_FALSE(fsession.CanUndo());
  EXPECT_TRUE(Inked().empty());
}

TEST_F(ToolsTest, PressesInTheMarginsAwayFromTheGripsDoNothing) {
  fsession.SelectTool(ToolId::Paint);
  for (const QPoint box : {QPoint(40, 4), QPoint(4, 40), QPoint(4, 4)}) {
    Press(box);
    EXPECT_EQ(fmouse.Mousemode(), MouseMode::Idle);
    Release(box);
  }
  EXPECT_FALSE(fsession.CanUndo());
}

}  // namespace
