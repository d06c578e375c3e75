#include "ui/mainformfixture.h"

#include "changelistbox.h"
#include "editor/editsetup.h"
#include "qimagecanvas.h"
#include "render/charsetpicture.h"
#include "render/kerningpicture.h"
#include "views/charsetview.h"
#include "views/kerningview.h"
#include "views/picturebox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollArea>
#include <QStyle>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {

constexpr QRgb kRed = 0xFFFF0000u, kWhite = 0xFFFFFFFFu, kBlack = 0xFF000000u;

class ViewsTest : public MainFormTest {
 protected:
  // An 8 x 8 font whose glyph 65 is 3 wide with ink at (0, 0).
  void StartWith8x8() {
    TMainForm& form = Start();
    form.resize(800, 600);
    form.show();
    auto font = std::make_unique<TFontHandler>(8, 8);
    font->SetCharSize(65, 3);
    font->SetPixel(65, 0, 0, true);
    Document().ReplaceFont(std::move(font));
    QCoreApplication::processEvents();
  }

  const QImage& Charset() const { return fform->CharsetView().CharsetPaint()->Picture(); }
  const QImage& KerningPicture() const { return fform->KerningView().KerningPaint()->Picture(); }
  TKerningView& Kerning() { return fform->KerningView(); }
};

TEST_F(ViewsTest, CharsetPageShowsTheTableOfTheCurrentFontInTheScrollBoxColour) {
  StartWith8x8();
  ASSERT_EQ(Charset().size(), QSize(162, 162));
  EXPECT_EQ(Child<TPictureBox>("CharsetPaint")->size(), QSize(162, 162));
  EXPECT_EQ(Charset().pixel(12, 42), kBlack);
  EXPECT_EQ(Charset().pixel(15, 42), kRed);
  const QColor box = Child<QScrollArea>("CharsetScrollBox")->palette().color(QPalette::Window);
  EXPECT_EQ(Charset().pixel(0, 0), box.rgb());
  EXPECT_EQ(Charset().pixel(20, 42), box.rgb());
}

TEST_F(ViewsTest, HighlightSizeTogglesTheRedBeyondTheWidth) {
  StartWith8x8();
  Trigger("HighlightSize");
  EXPECT_FALSE(Form().IsChecked(ActionId::HighlightSize));
  EXPECT_EQ(Charset().pixel(15, 42), kWhite);
  Trigger("HighlightSize");
  EXPECT_EQ(Charset().pixel(15, 42), kRed);
}

TEST_F(ViewsTest, StoringAGlyphRedrawsItsCell) {
  StartWith8x8();
  Session().LoadChar(66);
  SetUpPicture(Session(), [&](QImage& picture) { QImageCanvas(picture).SetPixel(7, 7, Session().SetColor()); });
  Session().SetEditSize(8);
  Session().SetCharRequest(true);
  Session().StoreEditChar(false);
  const TPoint cell = charset::CellOrigin(Document().EditFont(), 66);
  EXPECT_EQ(Charset().pixel(cell.X + 7, cell.Y + 7), kBlack);
  Bitmap expected;
  PaintCharset(Document().EditFont(), true,
               Child<QScrollArea>("CharsetScrollBox")->palette().color(QPalette::Window).rgb() & 0xFFFFFF, expected);
  for (int y = 0; y < expected.Height(); ++y)
    for (int x = 0; x < expected.Width(); ++x) ASSERT_EQ(Charset().pixel(x, y) & 0xFFFFFF, expected.GetPixel(x, y));
}

TEST_F(ViewsTest, OpeningTheKerningPageRendersTheSelectedGlyphWithAsManyColumnsAsTheBoxHolds) {
  StartWith8x8();
  Child<TChangeListBox>("FontList")->SetItemIndex(65);
  Trigger("KerningSpacing");
  auto* box = Child<QScrollArea>("KerningScrollBox");
  const int scrollBar = box->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, box) + 2 * box->frameWidth();
  const int columns = (box->width() - scrollBar) / 26;
  ASSERT_GT(columns, 1);
  EXPECT_EQ(Kerning().Layout().Columns, columns);
  EXPECT_EQ(KerningPicture().size(), QSize(columns * 26, (columns + 255) / columns * 10));
  EXPECT_EQ(Kerning().KerningCharBox()->currentIndex(), 65);
  EXPECT_EQ(Form().focusWidget(), Kerning().KerningCharBox());
  // Glyph 65 is the yellow box in every cell: 3 wide, centred.
  const int xc = (26 - 3 - 2) / 2;
  EXPECT_EQ(KerningPicture().pixel(xc + 1, 3), 0xFFFFFF00u);
  EXPECT_EQ(KerningPicture().pixel(xc + 3, 3), kWhite);
}

TEST_F(ViewsTest, TypingACharacterChoosesItsGlyphAndOthersReachTheBox) {
  StartWith8x8();
  Trigger("KerningSpacing");
  QComboBox* box = Kerning().KerningCharBox();
  QTest::keyClicks(box->lineEdit(), "A");
  EXPECT_EQ(box->currentIndex(), 65);
  EXPECT_EQ(box->lineEdit()->text(), box->itemText(65));
  SetUpGlyph(Document(), 66, [](TFontHandler& font) { font.SetCharSize(66, 5); });
  QTest::keyClicks(box->lineEdit(), "B");
  EXPECT_EQ(box->currentIndex(), 66);
  EXPECT_EQ(KerningPicture().pixel((26 - 5 - 2) / 2 + 4, 3), 0xFFFFFF00u);
  // A character above U+00FF is text for the box.
  box->lineEdit()->clear();
  QKeyEvent euro(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("€"));
  QCoreApplication::sendEvent(box, &euro);
  EXPECT_EQ(box->lineEdit()->text(), QStringLiteral("€"));
  EXPECT_EQ(box->currentIndex(), 66);
}

TEST_F(ViewsTest, AutomaticSteppingGoesFrom255To0AndStopsWhenThePageIsLeft) {
  StartWith8x8();
  Trigger("KerningSpacing");
  Kerning().KerningCharBox()->setCurrentIndex(254);
  QCheckBox* autoPlay = Kerning().AutoPlayKerning();
  autoPlay->click();
  EXPECT_TRUE(Kerning().Timer1()->isActive());
  EXPECT_EQ(Kerning().Timer1()->interval(), 1000);
  Kerning().Timer1Timer();
  EXPECT_EQ(Kerning().KerningCharBox()->currentIndex(), 255);
  Kerning().Timer1Timer();
  EXPECT_EQ(Kerning().KerningCharBox()->currentIndex(), 0);
  Child<QTabWidget>("PageControl1")->setCurrentIndex(1);
  EXPECT_FALSE(autoPlay->isChecked());
  EXPECT_FALSE(Kerning().Timer1()->isActive());
}

TEST_F(ViewsTest, ATickThatFindsTheBoxUntickedStopsTheTimer) {
  StartWith8x8();
  Trigger("KerningSpacing");
  Kerning().Timer1()->start();
  Kerning().KerningCharBox()->setCurrentIndex(10);
  Kerning().Timer1Timer();
  EXPECT_FALSE(Kerning().Timer1()->isActive());
  EXPECT_EQ(Kerning().KerningCharBox()->currentIndex(), 10);
}

TEST_F(ViewsTest, AVisibleKerningTestFollowsAChangedFont) {
  StartWith8x8();
  Trigger("KerningSpacing");
  Document().ReplaceFont(std::make_unique<TFontHandler>(16, 4));
  EXPECT_EQ(Kerning().Layout().CellWidth, 50);
  EXPECT_EQ(KerningPicture().height() % 6, 0);
}

TEST_F(ViewsTest, ViewsAndTheirControlsHaveAccessibleNames) {
  StartWith8x8();
  for (const char* name : {"CharsetScrollBox", "CharsetPaint", "KerningScrollBox", "KerningPaint", "KerningCharBox"})
    EXPECT_FALSE(Child<QWidget>(name)->accessibleName().isEmpty()) << name;
  EXPECT_EQ(Child<QWidget>("CharsetScrollBox")->focusPolicy(), Qt::StrongFocus);
  EXPECT_EQ(Child<QWidget>("KerningScrollBox")->focusPolicy(), Qt::StrongFocus);
}

}  // namespace
