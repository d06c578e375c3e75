#include "app/userdialogs.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {

struct ShownBox {
  QString title;
  QString text;
  QStringList buttons;
};

// Once the box is up, notes what it shows and clicks the button with the
// given caption (or presses Escape when the caption is empty).
void AnswerNextBox(ShownBox& shown, const QString& caption) {
  QTimer::singleShot(0, [&shown, caption] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) {
      ADD_FAILURE() << "no message box shown";
      return;
    }
    shown.title = box->windowTitle();
    shown.text = box->text();
    for (QAbstractButton* button : box->buttons()) {
      shown.buttons << button->text();
      if (button->text() == caption) button->click();
    }
    if (caption.isEmpty()) box->reject();
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

TEST(QtUserDialogs, ErrorBoxShowsTheTextUnderTheProgramTitle) {
  QtUserDialogs dialogs;
  ShownBox shown;
  AnswerNextBox(shown, "");
  dialogs.ShowError("Datei nicht gefunden");
  EXPECT_EQ(shown.title, QGuiApplication::applicationDisplayName());
  EXPECT_EQ(shown.text, "Datei nicht gefunden");
}

}  // namespace
