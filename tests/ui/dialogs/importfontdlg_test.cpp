#include "dialogs/importfontdlg.h"

#include "changelistbox.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {

const QString kMono = QStringLiteral("DejaVu Sans Mono");
const QString kDemoText = QStringLiteral("AaBbCc ÄäÖöÜüß 123");

class ImportFontDLGTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!QFontDatabase::families().contains(kMono)) GTEST_SKIP() << "fonts-dejavu-core is not installed";
  }

  void SelectFace(TImportFontDLG& dialog, const QString& face) {
    const auto found = dialog.FontList()->findItems(face, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    dialog.FontList()->SetItemIndex(dialog.FontList()->row(found.first()));
  }
};

TEST_F(ImportFontDLGTest, StartsWithTheFirstFaceNormal16PixelsAndTheDemoText) {
  TImportFontDLG dialog(kDemoText);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Import WINDOWS®-Font"));
  QStringList faces;
  for (int i = 0; i < dialog.FontList()->count(); ++i) faces << dialog.FontList()->item(i)->text();
  QStringList sorted = faces;
  sorted.sort(Qt::CaseInsensitive);
  EXPECT_EQ(faces, sorted);
  EXPECT_TRUE(faces.contains(kMono));
  EXPECT_EQ(dialog.FontList()->ItemIndex(), 0);
  EXPECT_EQ(dialog.StyleCombo()->count(), 9);
  EXPECT_EQ(dialog.StyleCombo()->currentText(), QStringLiteral("NORMAL"));
  EXPECT_FALSE(dialog.KursivBox()->isChecked());
  EXPECT_TRUE(dialog.ANSICheck()->isChecked());
  EXPECT_EQ(dialog.Hoehe()->value(), 16);
  EXPECT_EQ(dialog.DemoTextIn()->text(), QStringLiteral("AaBbCc ÄäÖöÜüß 123"));
  EXPECT_EQ(dialog.DemoTextOut()->text(), dialog.DemoTextIn()->text());
  EXPECT_EQ(dialog.WidthOut()->text(), QStringLiteral("Maximale Breite %1").arg(dialog.maxwidth()));
}

TEST(ImportFontFaces, EachFamilyIsListedOnceWithoutItsFoundry) {
  struct Case {
    QStringList families;
    QStringList faces;
  };
  const Case cases[] = {
      {{"C059 [UKWN]", "C059 [urw]"}, {"C059"}},
      {{"Nimbus Mono PS", "bitstream [x] Sans [B&H]", "Arial"}, {"Arial", "bitstream [x] Sans", "Nimbus Mono PS"}},
      {{"Z003 [urw]", "DejaVu Sans", "Z003"}, {"DejaVu Sans", "Z003"}},
      {{}, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(FaceNames(c.families), c.faces) << c.families.join('|').toStdString();
}

TEST_F(ImportFontDLGTest, NoFaceIsListedTwice) {
  TImportFontDLG dialog(kDemoText);
  QStringList faces;
  for (int i = 0; i < dialog.FontList()->count(); ++i) faces << dialog.FontList()->item(i)->text();
  EXPECT_EQ(faces.removeDuplicates(), 0);
  for (const QString& face : faces) EXPECT_FALSE(face.endsWith(']')) << face.toStdString();
}

TEST_F(ImportFontDLGTest, StylesGiveTheWeightsOneToNineHundred) {
  TImportFontDLG dialog(kDemoText);
  const char* names[] = {"THIN", "EXTRALIGHT", "LIGHT", "NORMAL", "MEDIUM", "SEMIBOLD", "BOLD", "EXTRABOLD", "BLACK"};
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(dialog.StyleCombo()->itemText(i).toStdString(), names[i]);
    dialog.StyleCombo()->setCurrentIndex(i);
    EXPECT_EQ(dialog.Choice().Weight, (i + 1) * 100);
    EXPECT_EQ(dialog.DemoTextOut()->font().weight(), (i + 1) * 100);
  }
}

TEST_F(ImportFontDLGTest, EveryChoicePreviewsAtOnceAndRecomputesTheWidth) {
  TImportFontDLG dialog(kDemoText);
  SelectFace(dialog, kMono);
  dialog.Hoehe()->setValue(32);
  const QFont preview = dialog.DemoTextOut()->font();
  EXPECT_EQ(QFontInfo(preview).family(), kMono);
  EXPECT_EQ(preview.pixelSize(), CellFont(kMono, 32, QFont::Normal, false).pixelSize());
  EXPECT_TRUE(preview.styleStrategy() & QFont::NoAntialias);
  const int normalWidth = dialog.maxwidth();
  EXPECT_EQ(normalWidth, QFontMetrics(preview).horizontalAdvance('M') + 1);
  dialog.Hoehe()->setValue(12);
  EXPECT_LT(dialog.maxwidth(), normalWidth);
  EXPECT_EQ(dialog.WidthOut()->text(), QStringLiteral("Maximale Breite %1").arg(dialog.maxwidth()));
  dialog.KursivBox()->click();
  EXPECT_TRUE(dialog.DemoTextOut()->font().italic());
  dialog.DemoTextIn()->setText(QStringLiteral("Hallo"));
  EXPECT_EQ(dialog.DemoTextOut()->text(), QStringLiteral("Hallo"));
}

TEST_F(ImportFontDLGTest, ImportAcceptsAndGivesTheChoice) {
  TImportFontDLG dialog(kDemoText);
  SelectFace(dialog, kMono);
  dialog.StyleCombo()->setCurrentIndex(6);
  dialog.KursivBox()->click();
  dialog.ANSICheck()->click();
  dialog.Hoehe()->setValue(20);
  dialog.ImportButton()->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  const TImportChoice choice = dialog.Choice();
  EXPECT_EQ(choice.Face, kMono);
  EXPECT_EQ(choice.Weight, 700);
  EXPECT_TRUE(choice.Italic);
  EXPECT_EQ(choice.Height, 20);
  EXPECT_FALSE(choice.Ansi);
}

TEST_F(ImportFontDLGTest, AHeightTypedBelowEightImportsAtEightAndShowsIt) {
  TImportFontDLG dialog(kDemoText);
  SelectFace(dialog, kMono);
  dialog.Hoehe()->findChild<QLineEdit*>()->setText(QStringLiteral("5"));
  dialog.ImportButton()->click();
  EXPECT_EQ(dialog.Hoehe()->value(), 8);
  EXPECT_EQ(dialog.Choice().Height, 8);
}

TEST_F(ImportFontDLGTest, ShowsTheDemoTextItIsGivenAndGivesTheEditedOne) {
  TImportFontDLG dialog(QStringLiteral("Probe"));
  EXPECT_EQ(dialog.DemoTextIn()->text(), QStringLiteral("Probe"));
  EXPECT_EQ(dialog.DemoTextOut()->text(), QStringLiteral("Probe"));
  dialog.DemoTextIn()->setText(QStringLiteral("Zweite"));
  EXPECT_EQ(dialog.DemoText(), QStringLiteral("Zweite"));
}

TEST_F(ImportFontDLGTest, EveryControlCanBeReachedAndNamed) {
  TImportFontDLG dialog(kDemoText);
  for (QWidget* control :
       std::initializer_list<QWidget*>{dialog.FontList(), dialog.StyleCombo(), dialog.KursivBox(), dialog.ANSICheck(),
                                       dialog.Hoehe(), dialog.DemoTextIn(), dialog.ImportButton()}) {
    EXPECT_NE(control->focusPolicy() & Qt::TabFocus, 0) << control->objectName().toStdString();
    EXPECT_FALSE(control->accessibleName().isEmpty() && control->property("text").toString().isEmpty())
        << control->objectName().toStdString();
  }
}

}  // namespace
