#include "dialogrequests.h"

#include "changelistbox.h"
#include "dialogs/charspacedlg.h"
#include "dialogs/importfontdlg.h"
#include "dialogs/newfontdlg.h"
#include "dialogs/parameterdlg.h"
#include "settings.h"
#include "ui/scriptedwindowdialogs.h"

#include <gtest/gtest.h>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>

namespace {

class DialogRequestsTest : public ::testing::Test {
 protected:
  QTemporaryDir fdir;
  Settings fsettings{fdir.filePath("settings.ini")};
  ScriptedWindowDialogs fdialogs;
  QWidget fwindow;
  TDialogRequests frequests{fsettings, fdialogs, fwindow};
};

TEST_F(DialogRequestsTest, NewFontGivesTheChoiceAndShowsTheSizesOfItsLastUse) {
  fdialogs.ExpectDialog([](QDialog& dialog) {
    auto& newFont = dynamic_cast<TNewFontDLG&>(dialog);
    newFont.SetFontWidth(5);
    newFont.SetFontHeight(12);
    return true;
  });
  const auto answer = frequests.AskNewFont();
  ASSERT_TRUE(answer);
  EXPECT_FALSE(answer->Import);
  EXPECT_EQ(answer->Width, 5);
  EXPECT_EQ(answer->Height, 12);

  QSize shown;
  fdialogs.ExpectDialog([&shown](QDialog& dialog) {
    auto& newFont = dynamic_cast<TNewFontDLG&>(dialog);
    shown = QSize(newFont.FontWidth(), newFont.FontHeight());
    newFont.ImportBtn()->click();
    return true;
  });
  EXPECT_TRUE(frequests.AskNewFont()->Import);
  EXPECT_EQ(shown, QSize(5, 12));
  EXPECT_EQ(fdialogs.LastText(), QStringLiteral("Neue Font erstellen"));

  fdialogs.ExpectDialog([](QDialog&) { return false; });
  EXPECT_FALSE(frequests.AskNewFont());
}

TEST_F(DialogRequestsTest, FontParametersShowWhatIsOfferedAndTheBaselineNeverExceedsTheHeight) {
  fdialogs.ExpectDialog([](QDialog& dialog) {
    auto& parameters = dynamic_cast<TParameterDLG&>(dialog);
    EXPECT_EQ(parameters.WidthEdit()->value(), 8);
    EXPECT_EQ(parameters.HeightEdit()->value(), 12);
    EXPECT_EQ(parameters.BaseEdit()->value(), 7);
    EXPECT_EQ(parameters.HorizGroup()->checkedId(), 1);
    EXPECT_EQ(parameters.VertGroup()->checkedId(), 2);
    parameters.BaseEdit()->setValue(12);
    parameters.HeightEdit()->setValue(10);
    EXPECT_EQ(parameters.BaseEdit()->maximum(), 10);
    parameters.HorizGroup()->button(2)->click();
    parameters.VertGroup()->button(0)->click();
    return true;
  });
  const auto chosen = frequests.AskFontParameters({8, 12, 7, 0x12});
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->Width, 8);
  EXPECT_EQ(chosen->Height, 10);
  EXPECT_EQ(chosen->Base, 10);
  EXPECT_EQ(chosen->Position, 0x20);
  EXPECT_EQ(fdialogs.LastText(), QStringLiteral("Font Parameter"));

  fdialogs.ExpectDialog([](QDialog&) { return false; });
  EXPECT_FALSE(frequests.AskFontParameters({8, 12, 7, 0}));
}

TEST_F(DialogRequestsTest, CharSpaceIsOfferedUpToTheGivenMaximum) {
  fdialogs.ExpectDialog([](QDialog& dialog) {
    auto& space = dynamic_cast<TCharSpaceDlg&>(dialog);
    EXPECT_EQ(space.SpaceEdit()->maximum(), 8);
    EXPECT_EQ(space.SpaceEdit()->value(), 1);
    space.SpaceEdit()->setValue(20);
    EXPECT_EQ(space.SpaceEdit()->value(), 8);
    space.SpaceEdit()->setValue(2);
    return true;
  });
  EXPECT_EQ(frequests.AskCharSpace(1, 8), 2);
  EXPECT_EQ(fdialogs.LastText(), QStringLiteral("Freiraum nach Zeichen"));

  fdialogs.ExpectDialog([](QDialog& dialog) {
    dynamic_cast<TCharSpaceDlg&>(dialog).SpaceEdit()->setValue(5);
    return false;
  });
  EXPECT_FALSE(frequests.AskCharSpace(2, 8));
}

TEST_F(DialogRequestsTest, ImportGivesTheDialogsChoiceAndKeepsTheDemoTextWhicheverWayItCloses) {
  EXPECT_EQ(frequests.ImportFontDLG().DemoText(), QStringLiteral("AaBbCc ÄäÖöÜüß 123"));
  fdialogs.ExpectDialog([](QDialog& dialog) {
    auto& import = dynamic_cast<TImportFontDLG&>(dialog);
    import.DemoTextIn()->setText(QStringLiteral("Probe"));
    import.Hoehe()->setValue(20);
    return false;
  });
  EXPECT_FALSE(frequests.AskImportFont());
  EXPECT_EQ(fsettings.ReadString(kOptionsSection, "Demotext", ""), QStringLiteral("Probe"));

  fdialogs.ExpectDialog([](QDialog& dialog) {
    auto& import = dynamic_cast<TImportFontDLG&>(dialog);
    import.DemoTextIn()->setText(QStringLiteral("Zweite"));
    import.ImportButton()->click();
    return import.result() == QDialog::Accepted;
  });
  const auto choice = frequests.AskImportFont();
  ASSERT_TRUE(choice);
  EXPECT_EQ(choice->Height, 20);
  EXPECT_EQ(choice->Face, frequests.ImportFontDLG().Choice().Face);
  EXPECT_EQ(fsettings.ReadString(kOptionsSection, "Demotext", ""), QStringLiteral("Zweite"));

  TDialogRequests again(fsettings, fdialogs, fwindow);
  EXPECT_EQ(again.ImportFontDLG().DemoText(), QStringLiteral("Zweite"));
}

TEST_F(DialogRequestsTest, ImportOffersTheFaceChosenLastWhicheverWayItClosed) {
  TImportChoice chosen;
  for (const bool accept : {false, true}) {
    fdialogs.ExpectDialog([accept, &chosen](QDialog& dialog) {
      auto& import = dynamic_cast<TImportFontDLG&>(dialog);
      const TImportChoice offered = import.Choice();
      import.FontList()->SetItemIndex(import.FontList()->count() - 1);
      import.StyleCombo()->setCurrentIndex(accept ? 6 : 1);
      import.KursivBox()->setChecked(!accept);
      import.ANSICheck()->setChecked(accept);
      import.Hoehe()->setValue(accept ? 24 : 11);
      if (accept) {
        EXPECT_EQ(offered.Face, chosen.Face);
        EXPECT_EQ(offered.Weight, chosen.Weight);
        EXPECT_EQ(offered.Italic, chosen.Italic);
        EXPECT_EQ(offered.Height, chosen.Height);
        EXPECT_EQ(offered.Ansi, chosen.Ansi);
      }
      chosen = import.Choice();
      return accept;
    });
    frequests.AskImportFont();
  }
  fdialogs.ExpectDialog([&chosen](QDialog& dialog) {
    const TImportChoice offered = dynamic_cast<TImportFontDLG&>(dialog).Choice();
    EXPECT_EQ(offered.Face, chosen.Face);
    EXPECT_EQ(offered.Weight, 700);
    EXPECT_FALSE(offered.Italic);
    EXPECT_EQ(offered.Height, chosen.Height);
    EXPECT_TRUE(offered.Ansi);
    return false;
  });
  frequests.AskImportFont();
}

}  // namespace
