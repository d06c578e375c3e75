#include "ui/mainformfixture.h"

#include "editor/editsetup.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

class SelectionTest : public MainFormTest {
 protected:
  void SetUp() override { QGuiApplication::clipboard()->clear(); }
  void Set(int x, int y) {
    SetUpPicture(Session(), [&](QImage& picture) { picture.setPixel(x, y, 0xFF000000u | Session().SetColor()); });
  }
  bool IsSet(int x, int y) { return (Session().CharBMP().pixel(x, y) & 0xFFFFFF) == Session().SetColor(); }
};

TEST_F(SelectionTest, PasteIsEnabledExactlyWhileTheClipboardHoldsAPicture) {
  TMainForm& form = Start();
  QClipboard* clipboard = QGuiApplication::clipboard();
  const auto pasteEnabled = [&](bool enabled) {
    QCoreApplication::processEvents();
    EXPECT_EQ(form.Action("Paste")->isEnabled(), enabled);
    EXPECT_EQ(form.Action("Paste2")->isEnabled(), enabled);
  };
  pasteEnabled(false);
  QImage picture(4, 4, QImage::Format_RGB32);
  picture.fill(Qt::white);
  clipboard->setImage(picture);
  pasteEnabled(true);
  clipboard->setText(QStringLiteral("A"));
  pasteEnabled(false);
  clipboard->setImage(picture);
  pasteEnabled(true);
  clipboard->clear();
  pasteEnabled(false);
}

// The copy carries the editor's two colours, so pasting it back gives the
// block exactly, at the top left of the glyph, marked and movable.
TEST_F(SelectionTest, CopiedBlockPastesBackAtTheTopLeft) {
  TMainForm& form = Start();
  for (const QPoint p : {QPoint(5, 6), QPoint(7, 8), QPoint(6, 7)}) Set(p.x(), p.y());
  Session().SetMarkRect({5, 6, 7, 9});
  Session().EnableMarkCommands();
  QCoreApplication::processEvents();
  Trigger("Copy");
  const QImage copied = QGuiApplication::clipboard()->image();
  ASSERT_EQ(copied.size(), QSize(3, 4));
  EXPECT_EQ(copied.pixel(0, 0) & 0xFFFFFF, Session().SetColor());
  EXPECT_EQ(copied.pixel(1, 0) & 0xFFFFFF, Session().OffColor());
  EXPECT_FALSE(Session().CharRequest());
  EXPECT_TRUE(form.Action("Paste")->isEnabled());

  Trigger("Paste2");
  EXPECT_EQ(Session().MarkRect(), (TMarkRect{0, 0, 2, 3}));
  EXPECT_TRUE(Session().BlockPlaced());
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(IsSet(x, y), IsSet(x + 5, y + 6)) << x << "," << y;
  EXPECT_TRUE(Session().CharRequest());
  EXPECT_TRUE(form.Action("Undo")->isEnabled());
}

TEST_F(SelectionTest, CutClearsTheWholeGlyphAfterAOneCellMark) {
  TMainForm& form = Start();
  Set(0, 0);
  Set(15, 15);
  Session().SetMarkRect({4, 4, 4, 4});
  Session().EnableMarkCommands();
  QCoreApplication::processEvents();
  ASSERT_TRUE(form.Action("Cut")->isEnabled());
  Trigger("Cut");
  EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(16, 16));
  EXPECT_FALSE(IsSet(0, 0) || IsSet(15, 15));
  EXPECT_FALSE(form.Action("Cut")->isEnabled());
  EXPECT_FALSE(form.Action("Copy2")->isEnabled());
}

}  // namespace
