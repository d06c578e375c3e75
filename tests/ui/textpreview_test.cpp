#include "ui/mainformfixture.h"

#include "editor/editsetup.h"
#include "qimagecanvas.h"
#include "render/charsetpicture.h"
#include "views/charsetview.h"
#include "views/fontlist.h"
#include "views/kerningview.h"
#include "views/picturebox.h"
#include "views/textpreviewview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QTest>
#include <QWheelEvent>

namespace {

// The look the page starts with: white ink on black.
constexpr TColor kOledInk = 0xF4F8FF, kOledPaper = 0x000000;

class TextPreviewTest : public MainFormTest {
 protected:
  // An 8 x 8 font whose glyph 65 is 3 wide with ink at (0, 0), and whose
  // glyph 128 (the euro sign in Windows-1252) has ink at (1, 1).
  void StartWithFont() {
    TMainForm& form = Start();
    form.resize(900, 700);
    form.show();
    auto font = std::make_unique<TFontHandler>(8, 8);
    font->SetCharSize(65, 3);
    font->SetPixel(65, 0, 0, true);
    font->SetCharSize(0x80, 4);
    font->SetPixel(0x80, 1, 1, true);
    Document().ReplaceFont(std::move(font));
    QCoreApplication::processEvents();
  }
  void ShowPreview(const QString& text) {
    Child<QTabWidget>("PageControl1")->setCurrentWidget(&Preview());
    Child<QPlainTextEdit>("PreviewTextEdit")->setPlainText(text);
    Child<QSpinBox>("PreviewZoomEdit")->setValue(1);
    QCoreApplication::processEvents();
  }
  TTextPreviewView& Preview() { return Form().TextPreviewView(); }
  TColor Shown(int x, int y) { return Preview().Picture().GetPixel(x, y); }
  void SendCtrlWheel(QWidget* target, int delta) {
    QWheelEvent wheel(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(target, &wheel);
  }
  QPoint CellCentre(int c, int zoom) {
    const TPoint origin = charset::CellOrigin(Document().EditFont(), c);
    return QPoint(origin.X + 4, origin.Y + 4) * zoom;
  }
};

TEST_F(TextPreviewTest, IsTheFourthPageAfterTheThreeOthers) {
  Start();
  auto* pages = Child<QTabWidget>("PageControl1");
  ASSERT_EQ(pages->count(), 4);
  EXPECT_EQ(pages->tabText(0), "Zeichen bearbeiten");
  EXPECT_EQ(pages->tabText(1), "Zeichensatz");
  EXPECT_EQ(pages->tabText(2), "Kerning und Spacing Test");
  EXPECT_EQ(pages->tabText(3), "Textvorschau");
  pages->setCurrentIndex(3);
  EXPECT_FALSE(Form().IsChecked(ActionId::CharEdit));
  EXPECT_FALSE(Form().IsChecked(ActionId::KerningSpacing));
  pages->setCurrentIndex(2);
  EXPECT_TRUE(Form().IsChecked(ActionId::KerningSpacing));
}

TEST_F(TextPreviewTest, TypedTextIsSetThroughTheCodePageOnTheDefaultDisplay) {
  StartWithFont();
  ShowPreview(QStringLiteral("A€A"));
  EXPECT_EQ(Preview().Scene().DisplayWidth, 128);
  EXPECT_EQ(Preview().Scene().DisplayHeight, 64);
  ASSERT_EQ(Preview().Picture().Width(), 128);
  EXPECT_EQ(Shown(0, 0), kOledInk);
  EXPECT_EQ(Shown(1, 0), kOledPaper);
  // The euro sign is glyph 128, 4 wide after A's 3 columns.
  EXPECT_EQ(Shown(3 + 1, 1), kOledInk);
  EXPECT_EQ(Shown(3 + 4, 0), kOledInk);
  EXPECT_EQ(Child<QLabel>("PreviewStatus")->text(), "Text: 10 x 8 Pixel");
}

TEST_F(TextPreviewTest, StoringAGlyphRedrawsThePreview) {
  StartWithFont();
  ShowPreview(QStringLiteral("A"));
  ASSERT_EQ(Shown(2, 5), kOledPaper);
  Session().LoadChar(65);
  SetUpPicture(Session(), [&](QImage& picture) { QImageCanvas(picture).SetPixel(2, 5, Session().SetColor()); });
  Session().SetCharRequest(true);
  EXPECT_EQ(Shown(2, 5), kOledPaper) << "shown before it is stored";
  Session().StoreEditChar(false);
  EXPECT_EQ(Shown(2, 5), kOledInk);
  // Wider glyphs after a metrics change move the text's end.
  SetUpGlyph(Document(), 65, [](TFontHandler& font) { font.SetCharSize(65, 6); });
  EXPECT_EQ(Child<QLabel>("PreviewStatus")->text(), "Text: 6 x 8 Pixel");
}

TEST_F(TextPreviewTest, ShowsTheEditorsGlyphBeforeItIsStoredWhenAsked) {
  StartWithFont();
  ShowPreview(QStringLiteral("A"));
  Session().LoadChar(65);
  Child<QCheckBox>("PreviewEditorGlyphBox")->setChecked(true);
  Session().EditPicture([&](QImage& picture) { QImageCanvas(picture).SetPixel(1, 6, Session().SetColor()); });
  EXPECT_EQ(Shown(1, 6), kOledInk);
  EXPECT_EQ(Document().EditFont().GetPixel(65, 1, 6), false);
  Child<QCheckBox>("PreviewEditorGlyphBox")->setChecked(false);
  EXPECT_EQ(Shown(1, 6), kOledPaper);
}

TEST_F(TextPreviewTest, APageNotShownIsRedrawnWhenItIsShown) {
  StartWithFont();
  ShowPreview(QStringLiteral("A"));
  Child<QTabWidget>("PageControl1")->setCurrentIndex(0);
  SetUpGlyph(Document(), 65, [](TFontHandler& font) { font.SetPixel(65, 2, 2, true); });
  Child<QTabWidget>("PageControl1")->setCurrentWidget(&Preview());
  EXPECT_EQ(Shown(2, 2), kOledInk);
}

TEST_F(TextPreviewTest, WhatDoesNotFitIsCountedAndMarked) {
  StartWithFont();
  ShowPreview(QStringLiteral("AAAAAA"));
  Child<QComboBox>("PreviewDisplayBox")->setCurrentIndex(8);
  Child<QSpinBox>("PreviewWidthEdit")->setValue(16);
  Child<QSpinBox>("PreviewHeightEdit")->setValue(6);
  Child<QSpinBox>("PreviewXEdit")->setValue(1);
  Child<QCheckBox>("PreviewWrapBox")->setChecked(false);
  EXPECT_EQ(Child<QLabel>("PreviewStatus")->text(), "Text: 18 x 8 Pixel – 3 Pixel zu breit – 2 Pixel zu hoch");
  EXPECT_EQ(Preview().Picture().Width(), 19);
  EXPECT_EQ(Preview().Picture().Height(), 8);
  EXPECT_EQ(Shown(1 + 15, 0), textpreview::kOverflowInk);
  EXPECT_EQ(Shown(1 + 12, 0), kOledInk);
  // Wrapped, the words of one letter each still do not fit: a word keeps its line.
  Child<QPlainTextEdit>("PreviewTextEdit")->setPlainText(QStringLiteral("AAA AAA"));
  Child<QCheckBox>("PreviewWrapBox")->setChecked(true);
  Child<QSpinBox>("PreviewLineSpacingEdit")->setValue(2);
  EXPECT_EQ(Child<QLabel>("PreviewStatus")->text(), "Text: 9 x 18 Pixel – 12 Pixel zu hoch");
}

TEST_F(TextPreviewTest, ChoicesAreKeptForTheNextStart) {
  Start();
  EXPECT_EQ(Child<QComboBox>("PreviewDisplayBox")->currentText(), "128 x 64");
  EXPECT_EQ(Child<QComboBox>("PreviewLookBox")->currentText(), "OLED weiß");
  Child<QComboBox>("PreviewDisplayBox")->setCurrentIndex(6);
  Child<QComboBox>("PreviewLookBox")->setCurrentIndex(3);
  Child<QPlainTextEdit>("PreviewTextEdit")->setPlainText(QStringLiteral("zwei\nZeilen"));
  Child<QSpinBox>("PreviewZoomEdit")->setValue(7);
  Stop();
  Start();
  EXPECT_EQ(Child<QComboBox>("PreviewDisplayBox")->currentText(), "320 x 240");
  EXPECT_EQ(Child<QComboBox>("PreviewLookBox")->currentText(), "LCD schwarz auf grün");
  EXPECT_EQ(Child<QPlainTextEdit>("PreviewTextEdit")->toPlainText(), "zwei\nZeilen");
  EXPECT_EQ(Child<QSpinBox>("PreviewZoomEdit")->value(), 7);
  EXPECT_FALSE(Child<QSpinBox>("PreviewWidthEdit")->isEnabled());
  EXPECT_EQ(fsettings.ReadString(kOptionsSection, "VorschauAnzeige", {}), "320x240");
}

TEST_F(TextPreviewTest, CtrlWheelZoomsWithinOneToSixteen) {
  StartWithFont();
  ShowPreview(QStringLiteral("A"));
  QWidget* viewport = Child<QScrollArea>("PreviewScrollBox")->viewport();
  SendCtrlWheel(viewport, 120);
  EXPECT_EQ(Preview().Zoom(), 2);
  EXPECT_EQ(Preview().Picture().Width(), 256);
  SendCtrlWheel(viewport, -120);
  SendCtrlWheel(viewport, -120);
  EXPECT_EQ(Preview().Zoom(), 1);
  Child<QSpinBox>("PreviewZoomEdit")->setValue(16);
  SendCtrlWheel(viewport, 120);
  EXPECT_EQ(Preview().Zoom(), 16);
}

TEST_F(TextPreviewTest, SavesTheDisplayAloneAsPngAtTheZoom) {
  StartWithFont();
  ShowPreview(QStringLiteral("AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA"));
  Child<QCheckBox>("PreviewWrapBox")->setChecked(false);
  Child<QSpinBox>("PreviewZoomEdit")->setValue(3);
  const QString path = Path("anzeige.png");
  fdialogs.ExpectSaveFile(path);
  QTest::mouseClick(Child<QPushButton>("PreviewSaveButton"), Qt::LeftButton);
  fdialogs.VerifyAllAnswered();
  const QImage saved(path);
  ASSERT_EQ(saved.size(), QSize(128 * 3, 64 * 3));
  EXPECT_EQ(saved.pixel(0, 0) & 0xFFFFFF, kOledInk);
  EXPECT_EQ(saved.pixel(2, 0) & 0xFFFFFF, 0u) << "the gap between dots";
  EXPECT_EQ(saved.pixel(3, 0) & 0xFFFFFF, kOledPaper);
}

TEST_F(TextPreviewTest, AFailedSaveIsShownAsAnError) {
  StartWithFont();
  ShowPreview(QStringLiteral("A"));
  fdialogs.ExpectSaveFile(Path("fehlt/anzeige.png"));
  fdialogs.ExpectError();
  QTest::mouseClick(Child<QPushButton>("PreviewSaveButton"), Qt::LeftButton);
  fdialogs.VerifyAllAnswered();
}

TEST_F(TextPreviewTest, ClickOnACharsetGlyphSelectsItAndADoubleClickLoadsIt) {
  StartWithFont();
  Trigger("Charset");
  auto* paint = Child<TPictureBox>("CharsetPaint");
  QTest::mouseClick(paint, Qt::LeftButton, {}, CellCentre(66, 1));
  EXPECT_EQ(Child<TFontList>("FontList")->ItemIndex(), 66);
  EXPECT_TRUE(Form().IsChecked(ActionId::Charset));
  QTest::mouseClick(paint, Qt::LeftButton, {}, QPoint(1, 1));
  EXPECT_EQ(Child<TFontList>("FontList")->ItemIndex(), 66) << "a click in the margin selects nothing";
  // A pending glyph in the editor is offered for storing first, as the load command does.
  SetUpPicture(Session(), [&](QImage& picture) { QImageCanvas(picture).SetPixel(0, 0, Session().SetColor()); });
  Session().SetCharRequest(true);
  fdialogs.ExpectYesNo(DialogAnswer::No);
  QTest::mouseDClick(paint, Qt::LeftButton, {}, CellCentre(65, 1));
  fdialogs.VerifyAllAnswered();
  EXPECT_EQ(Child<TFontList>("FontList")->ItemIndex(), 65);
  EXPECT_EQ(Session().EditChar(), 65);
  EXPECT_EQ(Session().EditSize(), 3);
  EXPECT_TRUE(Form().IsChecked(ActionId::CharEdit));
}

TEST_F(TextPreviewTest, CharsetZoomsAndFindsGlyphsAtTheZoom) {
  StartWithFont();
  Trigger("Charset");
  TCharsetView& view = Form().CharsetView();
  const QSize oneToOne = view.CharsetPaint()->size();
  SendCtrlWheel(view.viewport(), 120);
  SendCtrlWheel(view.viewport(), 120);
  EXPECT_EQ(view.Zoom(), 3);
  EXPECT_EQ(view.CharsetPaint()->size(), oneToOne * 3);
  QTest::mouseClick(view.CharsetPaint(), Qt::LeftButton, {}, CellCentre(200, 3));
  EXPECT_EQ(Child<TFontList>("FontList")->ItemIndex(), 200);
  EXPECT_EQ(view.GlyphText(65), "65 = 41h 'A', Breite 3");
  EXPECT_EQ(view.GlyphText(0x80), "128 = 80h '€', Breite 4");
  EXPECT_EQ(view.GlyphText(10), "10 = 0Ah, Breite 8");
  QTest::mouseMove(view.CharsetPaint(), CellCentre(65, 3));
  EXPECT_EQ(view.CharsetPaint()->toolTip(), "65 = 41h 'A', Breite 3");
}

TEST_F(TextPreviewTest, KerningTestTakesTheColumnsThatFitAtItsZoom) {
  StartWithFont();
  Trigger("KerningSpacing");
  TKerningView& view = Form().KerningView();
  const int columns = view.Layout().Columns;
  SendCtrlWheel(view.KerningScrollBox()->viewport(), 120);
  EXPECT_EQ(view.Zoom(), 2);
  QScrollArea* box = view.KerningScrollBox();
  const int scrollBar = box->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, box) + 2 * box->frameWidth();
  EXPECT_EQ(view.Layout().Columns, (box->width() - scrollBar) / 2 / view.Layout().CellWidth);
  EXPECT_LT(view.Layout().Columns, columns);
  EXPECT_EQ(view.KerningPaint()->size(), QSize(view.KerningBMP().Width(), view.KerningBMP().Height()) * 2);
}

}  // namespace
