#include "ui/mainformfixture.h"

#include "editor/editsetup.h"
#include "views/editorcanvas.h"
#include "views/glyphpreview.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QTest>
#include <QToolTip>

namespace {

// The main window shown, with helpers that press, move and release the mouse
// on the editor box at computed cell positions.
class EditorCanvasTest : public MainFormTest {
 protected:
  TEditorCanvas& Show() {
    Start().show();
    QCoreApplication::processEvents();
    fcanvas = Child<TEditorCanvas>("CharPaintBox");
    return *fcanvas;
  }
  void UseFont(int width, int height) {
    Document().ReplaceFont(std::make_unique<TFontHandler>(width, height));
    QCoreApplication::processEvents();
  }
  // The middle of a cell's dot.
  QPoint Cell(int c, int r) const {
    const int d = fcanvas->DotSize();
    return {10 + c * d + d / 2, 10 + r * d + d / 2};
  }
  void Press(QPoint at, Qt::MouseButton button = Qt::LeftButton) { QTest::mousePress(fcanvas, button, {}, at); }
  void Move(QPoint at) { QTest::mouseMove(fcanvas, at); }
  void Release(QPoint at, Qt::MouseButton button = Qt::LeftButton) { QTest::mouseRelease(fcanvas, button, {}, at); }
  void Drag(QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton) {
    Press(from, button);
    Move(to);
    Release(to, button);
  }
  bool IsSet(int x, int y) { return (Session().CharBMP().pixel(x, y) & 0xFFFFFF) == Session().SetColor(); }
  // An arrow pressed while Shift stays down, as a held key sends it: no
  // release of Shift in between, which QTest's clicks would add.
  void ShiftArrow(Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::ShiftModifier);
    QCoreApplication::sendEvent(fcanvas, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::ShiftModifier);
    QCoreApplication::sendEvent(fcanvas, &release);
  }
  // The colour the box shows in the middle of a cell's dot.
  QRgb Shown(int c, int r) { return fcanvas->grab().toImage().pixel(Cell(c, r)); }

  TEditorCanvas* fcanvas = nullptr;
};

TEST_F(EditorCanvasTest, DrawingInTheBoxChangesTheGlyphAndWhatTheBoxShows) {
  Show();
  Trigger("Paint");
  Press(Cell(2, 3));
  Move(Cell(2, 3));
  Move(Cell(7, 3));
  Release(Cell(7, 3));
  EXPECT_TRUE(IsSet(2, 3) && IsSet(7, 3));
  EXPECT_FALSE(IsSet(4, 3));
  EXPECT_EQ(Shown(2, 3), 0xFF000000u | Session().SetColor());
  EXPECT_EQ(Shown(4, 3), 0xFF000000u | Session().OffColor());
  EXPECT_EQ(Form().StatusText(3), QStringLiteral("Zeichen 00 geändert"));
  EXPECT_TRUE(Form().Action("Undo")->isEnabled());

  Trigger("Fill");
  Press(Cell(0, 0), Qt::RightButton);
  Release(Cell(2, 3), Qt::RightButton);
  EXPECT_FALSE(IsSet(2, 3));
  EXPECT_TRUE(IsSet(7, 3));

  Trigger("Line");
  Drag(Cell(1, 1), Cell(1, 4));
  for (int r = 1; r <= 4; ++r) EXPECT_TRUE(IsSet(1, r)) << r;
  EXPECT_EQ(Shown(1, 4), 0xFF000000u | Session().SetColor());
}

TEST_F(EditorCanvasTest, DotSizeFollowsTheBoxAndTheFont) {
  Show();
  EditSession& session = Session();
  TEditorCanvas canvas(session);
  canvas.resize(412, 343);
  canvas.show();
  EXPECT_EQ(canvas.DotSize(), 20);
  UseFont(64, 64);
  EXPECT_EQ(canvas.DotSize(), 5);
  EXPECT_EQ(canvas.Picture().size(), QSize(412, 343));
}

// Truncating division: the margins read as column or row 0 while the dot size
// is larger than the distance to the field, negative beyond.
TEST_F(EditorCanvasTest, StatusPanelFiveShowsTheCellUnderThePointer) {
  Show();
  const int d = fcanvas->DotSize();
  const std::pair<QPoint, QString> rows[] = {
      {Cell(3, 11), QStringLiteral("3:11")},
      {{10 + 4 * d + d - 1, 10}, QStringLiteral("4:0")},
      {{2, 3}, QStringLiteral("0:0")},
  };
  for (const auto& [at, text] : rows) {
    Move(at);
    EXPECT_EQ(Form().StatusText(5), text);
  }
  UseFont(64, 64);
  const int small = fcanvas->DotSize();
  ASSERT_LT(small, 5);
  Move({10 - small + 1, 10 - 2 * small});
  EXPECT_EQ(Form().StatusText(5), QStringLiteral("0:-2"));
}

TEST_F(EditorCanvasTest, HoverShowsHintsAndCursorsOfTheGripsAndTheMark) {
  Show();
  const int d = fcanvas->DotSize();
  Session().SetMarkRect({2, 2, 4, 4});
  struct Row {
    QPoint at;
    QString hint;
    Qt::CursorShape cursor;
  };
  const Row rows[] = {
      {{16 * d + 9 + 1, 5}, QStringLiteral("Zeichenbreite"), Qt::SizeHorCursor},
      {{5, 16 * d + 9 - 1}, QStringLiteral("Baseline"), Qt::SizeVerCursor},
      {Cell(3, 3), QString(), Qt::SizeAllCursor},
      {Cell(5, 3), QString(), Qt::ArrowCursor},
      {{16 * d + 9 + 2, 5}, QString(), Qt::ArrowCursor},
  };
  for (const Row& row : rows) {
    Move(row.at);
    EXPECT_EQ(fcanvas->toolTip(), row.hint) << row.at.x() << "," << row.at.y();
    EXPECT_EQ(fcanvas->cursor().shape(), row.cursor) << row.at.x() << "," << row.at.y();
  }
}

TEST_F(EditorCanvasTest, ShownHintGoesWhenThePointerLeavesTheGrip) {
  Show();
  const QPoint grip(16 * fcanvas->DotSize() + 9, 5);
  Move(grip);
  QToolTip::showText(fcanvas->mapToGlobal(grip), fcanvas->toolTip(), fcanvas);
  ASSERT_TRUE(QToolTip::isVisible());
  Move(Cell(5, 5));
  EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
}

TEST_F(EditorCanvasTest, GripsDragTheWidthAndTheBaseline) {
  Show();
  Trigger("Ellipse");
  const int d = fcanvas->DotSize();
  Drag({16 * d + 9, 4}, {9 * d + 9, 4});
  EXPECT_EQ(Form().StatusText(1), QStringLiteral("Zeichenbreite = 9"));
  EXPECT_EQ(Form().StatusText(3), QStringLiteral("Zeichen 00 geändert"));
  EXPECT_EQ(Form().StatusText(4), QString());
  EXPECT_EQ(fcanvas->grab().toImage().pixel(9 * d + 9, 4), qRgb(0, 0, 255));

  Session().SetCharRequest(false);
  Drag({4, 16 * d + 9}, {4, 12 * d + 9});
  EXPECT_EQ(Form().StatusText(2), QStringLiteral("BaseLine = 12"));
  EXPECT_EQ(Form().StatusText(3), QString());
  EXPECT_EQ(Form().StatusText(4), QStringLiteral("Font geändert"));
  EXPECT_EQ(fcanvas->grab().toImage().pixel(4, 12 * d + 9), qRgb(255, 255, 0));
  EXPECT_FALSE(Form().Action("Undo")->isEnabled());
}

// Keys reach every pointer operation: the cursor cell, both buttons, a drag
// and the two grips.
TEST_F(EditorCanvasTest, KeysDrawMarkAndMoveTheLinesAtTheCursorCell) {
  Show();
  fcanvas->setFocus();
  Trigger("Paint");
  for (int i = 0; i < 3; ++i) QTest::keyClick(fcanvas, Qt::Key_Right);
  QTest::keyClick(fcanvas, Qt::Key_Down);
  EXPECT_EQ(Form().StatusText(5), QStringLiteral("3:1"));
  // The cursor's frame is inverted over the picture.
  const QPoint corner(10 + 3 * fcanvas->DotSize(), 10 + fcanvas->DotSize());
  EXPECT_EQ(fcanvas->grab().toImage().pixel(corner), fcanvas->Picture().pixel(corner) ^ 0x00FFFFFFu);
  QTest::keyClick(fcanvas, Qt::Key_Space);
  EXPECT_TRUE(IsSet(3, 1));
  QTest::keyClick(fcanvas, Qt::Key_Space, Qt::ShiftModifier);
  EXPECT_FALSE(IsSet(3, 1));
  QTest::keyClick(fcanvas, Qt::Key_Space);
  QTest::keyClick(fcanvas, Qt::Key_Backspace);
  EXPECT_FALSE(IsSet(3, 1));
  // The cursor stays inside the glyph.
  for (int i = 0; i < 5; ++i) QTest::keyClick(fcanvas, Qt::Key_Up);
  EXPECT_EQ(Form().StatusText(5), QStringLiteral("3:0"));

  Trigger("Line");
  for (int i = 0; i < 3; ++i) ShiftArrow(Qt::Key_Down);
  QTest::keyRelease(fcanvas, Qt::Key_Shift);
  for (int r = 0; r <= 3; ++r) EXPECT_TRUE(IsSet(3, r)) << r;

  Trigger("Mark");
  ShiftArrow(Qt::Key_Right);
  ShiftArrow(Qt::Key_Right);
  ShiftArrow(Qt::Key_Down);
  QTest::keyRelease(fcanvas, Qt::Key_Shift);
  EXPECT_EQ(Session().MarkRect(), (TMarkRect{3, 3, 5, 4}));

  QTest::keyClick(fcanvas, Qt::Key_Left, Qt::ControlModifier);
  EXPECT_EQ(Form().StatusText(1), QStringLiteral("Zeichenbreite = 15"));
  QTest::keyClick(fcanvas, Qt::Key_Up, Qt::ControlModifier);
  QTest::keyClick(fcanvas, Qt::Key_Up, Qt::ControlModifier);
  EXPECT_EQ(Form().StatusText(2), QStringLiteral("BaseLine = 14"));
}

// The frame is inverted on the screen over the picture, which a mark drag
// leaves as it is.
TEST_F(EditorCanvasTest, MarkFrameIsInvertedOverThePictureWithoutRecomposingIt) {
  TEditorCanvas& canvas = Show();
  const qint64 composed = canvas.Picture().cacheKey();
  Press(Cell(1, 1));
  Move(Cell(5, 2));
  Move(Cell(3, 4));
  Release(Cell(3, 4));
  EXPECT_EQ(Session().MarkRect(), (TMarkRect{1, 1, 3, 4}));
  EXPECT_TRUE(Form().Action("Copy")->isEnabled());
  EXPECT_EQ(canvas.Picture().cacheKey(), composed);
  const QImage shown = canvas.grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage& picture = canvas.Picture();
  const std::vector<QPoint> frame = MarkFramePoints(Session().MarkRect(), canvas.DotSize());
  ASSERT_FALSE(frame.empty());
  QImage expected = picture.copy();
  for (const QPoint p : frame) expected.setPixel(p, picture.pixel(p) ^ 0x00FFFFFFu);
  EXPECT_EQ(shown, expected);
}

// The pasted block moves over the picture it was pasted on, which shows again
// where the block lay.
TEST_F(EditorCanvasTest, PastedBlockMovesOverItsBackgroundWithTheMouse) {
  TEditorCanvas& canvas = Show();
  SetUpPicture(Session(), [&](QImage& picture) { picture.setPixel(1, 1, 0xFF000000u | Session().SetColor()); });
  QImage block(2, 2, QImage::Format_RGB32);
  block.fill(Qt::white);
  QGuiApplication::clipboard()->setImage(block);
  QCoreApplication::processEvents();
  Trigger("Paint");
  Trigger("Paste");
  EXPECT_TRUE(Form().Action("Mark")->isChecked());
  EXPECT_EQ(canvas.Mousemode(), MouseMode::BlockPlaced);
  Press(Cell(1, 0));
  Move(Cell(3, 4));
  EXPECT_EQ(canvas.Mousemode(), MouseMode::BlockMove);
  Release(Cell(3, 4));
  EXPECT_EQ(canvas.Mousemode(), MouseMode::Idle);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      EXPECT_EQ(IsSet(x, y), (x == 1 && y == 1) || (x >= 2 && x <= 3 && y >= 4 && y <= 5)) << x << "," << y;
  EXPECT_TRUE(Session().MarkRect().IsEmpty());
  QGuiApplication::clipboard()->clear();
}

TEST_F(EditorCanvasTest, PreviewShowsTheGlyphAtItsRealSize) {
  Show();
  UseFont(5, 8);
  Session().EditPicture([&](QImage& picture) { picture.fill(0xFF000000u | Session().SetColor()); });
  const QImage preview = Child<TGlyphPreview>("Preview")->grab().toImage();
  ASSERT_EQ(preview.size(), QSize(64, 64));
  int white = 0;
  for (int x = 0; x < 64; ++x) white += preview.pixel(x, 30) == qRgb(255, 255, 255);
  EXPECT_EQ(white, 4);
  EXPECT_EQ(preview.pixel(30, 28), qRgb(255, 255, 255));
  EXPECT_EQ(preview.pixel(33, 35), qRgb(255, 255, 255));
  EXPECT_NE(preview.pixel(34, 30), qRgb(255, 255, 255));
}

}  // namespace
