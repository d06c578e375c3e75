#include "qtuserdialogs.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

// Runs answer on the dialog of type Dialog once the program shows it.
template <class Dialog>
void WhenShown(std::function<void(Dialog&)> answer) {
  QTimer::singleShot(0, [answer = std::move(answer)] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) {
      ADD_FAILURE() << "expected " << Dialog::staticMetaObject.className() << " is not shown";
      return;
    }
    answer(*dialog);
  });
}

struct ShownBox {
  QString title;
  QString text;
  QStringList buttons;
};

// Once the box is up, notes what it shows and clicks the button with the
// given caption (or presses Escape when the caption is empty).
void AnswerNextBox(ShownBox& shown, const QString& caption) {
  WhenShown<QMessageBox>([&shown, caption](QMessageBox& box) {
    shown.title = box.windowTitle();
    shown.text = box.text();
    for (QAbstractButton* button : box.buttons()) {
      shown.buttons << button->text();
      if (button->text() == caption) button->click();
    }
    if (caption.isEmpty()) box.reject();
  });
}

TEST(QtUserDialogs, QuestionsShowTheGermanCaptionsAndGiveTheClickedButton) {
  struct Row {
    bool withCancel;
    QString click;
    DialogAnswer expected;
  };
  const Row rows[] = {
      {false, "&Ja", DialogAnswer::Yes}, {false, "&Nein", DialogAnswer::No}, {false, "", DialogAnswer::No},
      {true, "&Ja", DialogAnswer::Yes},  {true, "&Nein", DialogAnswer::No},  {true, "Abbrechen", DialogAnswer::Cancel},
      {true, "", DialogAnswer::Cancel},
  };
  for (const Row& row : rows) {
    QtUserDialogs dialogs;
    ShownBox shown;
    AnswerNextBox(shown, row.click);
    const DialogAnswer answer =
        row.withCancel ? dialogs.AskYesNoCancel("Zeile 1\rZeile 2") : dialogs.AskYesNo("Zeile 1\rZeile 2");
    EXPECT_EQ(answer, row.expected) << row.click.toStdString();
    EXPECT_EQ(shown.title, "Bestätigen");
    EXPECT_EQ(shown.text, "Zeile 1\nZeile 2");
    QStringList expectedButtons{"&Ja", "&Nein"};
    if (row.withCancel) expectedButtons << "Abbrechen";
    shown.buttons.sort();
    expectedButtons.sort();
    EXPECT_EQ(shown.buttons, expectedButtons);
  }
}

TEST(QtUserDialogs, ErrorAndInformationBoxesShowTheTextUnderTheProgramTitle) {
  const std::function<void(QtUserDialogs&, const QString&)> tells[] = {
      [](QtUserDialogs& dialogs, const QString& text) { dialogs.ShowError(text); },
      [](QtUserDialogs& dialogs, const QString& text) { dialogs.ShowInformation(text); },
  };
  for (const auto& tell : tells) {
    QtUserDialogs dialogs;
    ShownBox shown;
    AnswerNextBox(shown, "");
    tell(dialogs, "Datei nicht\rgefunden");
    EXPECT_EQ(shown.title, "<kelvaront>-Rastermeister");
    EXPECT_EQ(shown.text, "Datei nicht\ngefunden");
  }
}

struct ShownFileDialog {
  QString title;
  QString filter;
};

// Once the file dialog is up, notes its title and preselected filter, then
// picks the given file and filter, or cancels when the name is empty.
void AnswerNextFileDialog(ShownFileDialog& shown, const QString& name, const QString& filter) {
  WhenShown<QFileDialog>([&shown, name, filter](QFileDialog& dialog) {
    shown.title = dialog.windowTitle();
    shown.filter = dialog.selectedNameFilter();
    if (name.isEmpty()) {
      dialog.reject();
      return;
    }
    dialog.selectNameFilter(filter);
    dialog.selectFile(name);
    static_cast<QDialog&>(dialog).accept();  // QFileDialog hides accept()
  });
}

class QtFileDialogTest : public ::testing::Test {
 protected:
  QtFileDialogTest() {
    fchoice.Title = "Font speichern";
    fchoice.Filters = QStringList{"Typ1 Fontfile (*.FNT)", "Typ2 Fontfile (*.FNT)", "Typ3 Fontfile (*.FNT)"};
    fchoice.FilterIndex = 3;
    fchoice.InitialDir = fdir.path();
    fchoice.DefaultExt = "FNT";
  }

  QTemporaryDir fdir;
  FileChoice fchoice;
  QtUserDialogs fdialogs;
  ShownFileDialog fshown;
};

TEST_F(QtFileDialogTest, SaveChoiceGivesThePathWithExtensionAndTheChosenFilter) {
  AnswerNextFileDialog(fshown, fdir.filePath("neu"), fchoice.Filters.at(1));
  ASSERT_TRUE(fdialogs.ChooseSaveFile(fchoice));
  EXPECT_EQ(fshown.title, "Font speichern");
  EXPECT_EQ(fshown.filter, "Typ3 Fontfile (*.FNT)");
  EXPECT_EQ(fchoice.FileName, fdir.filePath("neu.FNT"));
  EXPECT_EQ(fchoice.FilterIndex, 2);
}

TEST_F(QtFileDialogTest, CancelledChoiceLeavesEverythingAsItWas) {
  fchoice.FileName = "alt.fnt";
  AnswerNextFileDialog(fshown, "", {});
  EXPECT_FALSE(fdialogs.ChooseSaveFile(fchoice));
  EXPECT_EQ(fchoice.FileName, "alt.fnt");
  EXPECT_EQ(fchoice.FilterIndex, 3);
}

// The user picks the next file type in the dialog's list and types a bare name.
TEST_F(QtFileDialogTest, ChoosingAnotherEntryMakesItsExtensionTheDefault) {
  fchoice.Filters = QStringList{"Demo (*.png)", "Include (*.S)"};
  fchoice.FilterExts = QStringList{"png", "S"};
  fchoice.FilterIndex = 1;
  fchoice.DefaultExt = "png";
  WhenShown<QFileDialog>([this](QFileDialog& dialog) {
    auto* types = dialog.findChild<QComboBox*>("fileTypeCombo");
    ASSERT_NE(types, nullptr);
    types->setFocus();
    QTest::keyClick(types, Qt::Key_Down);
    dialog.selectFile(fdir.filePath("font"));
    static_cast<QDialog&>(dialog).accept();
  });
  ASSERT_TRUE(fdialogs.ChooseSaveFile(fchoice));
  EXPECT_EQ(fchoice.FilterIndex, 2);
  EXPECT_EQ(fchoice.FileName, fdir.filePath("font.S"));
}

}  // namespace
