#include "editor/scripteddialogs.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

TEST(ScriptedDialogs, AnswersQuestionsInOrderAndRecordsThem) {
  ScriptedDialogs dialogs;
  dialogs.ExpectYesNoCancel(DialogAnswer::Cancel);
  dialogs.ExpectYesNo(DialogAnswer::Yes);
  dialogs.ExpectInformation();
  dialogs.ExpectError();

  EXPECT_EQ(dialogs.AskYesNoCancel("Speichern?"), DialogAnswer::Cancel);
  EXPECT_EQ(dialogs.AskYesNo("Fortsetzen?"), DialogAnswer::Yes);
  dialogs.ShowInformation("Fertig");
  dialogs.ShowError("Datei nicht gefunden");

  const std::vector<ScriptedDialogs::Question>& asked = dialogs.Asked();
  ASSERT_EQ(asked.size(), 4u);
  EXPECT_EQ(asked[0].Kind, DialogKind::YesNoCancel);
  EXPECT_EQ(asked[0].Text, "Speichern?");
  EXPECT_EQ(asked[1].Kind, DialogKind::YesNo);
  EXPECT_EQ(asked[2].Kind, DialogKind::Information);
  EXPECT_EQ(asked[3].Text, "Datei nicht gefunden");
  EXPECT_EQ(dialogs.LastText(), "Datei nicht gefunden");
}

TEST(ScriptedDialogs, FileChoiceTakesTheScriptedPathAndRecordsTheOffer) {
  ScriptedDialogs dialogs;
  dialogs.ExpectSaveFile("/tmp/neu.fnt", 2);
  dialogs.ExpectOpenFile("");

  FileChoice save;
  save.Title = "Font speichern";
  save.Filters = QStringList{"Typ1 (*.FNT)", "Typ2 (*.FNT)", "Typ3 (*.FNT)"};
  save.FilterIndex = 3;
  ASSERT_TRUE(dialogs.ChooseSaveFile(save));
  EXPECT_EQ(save.FileName, "/tmp/neu.fnt");
  EXPECT_EQ(save.FilterIndex, 2);
  EXPECT_EQ(dialogs.Asked()[0].Text, "Font speichern");
  EXPECT_EQ(dialogs.Asked()[0].File.FilterIndex, 3);

  FileChoice open;
  open.Title = "Fontdatei öffnen";
  open.FileName = "alt.fnt";
  EXPECT_FALSE(dialogs.ChooseOpenFile(open));
  EXPECT_EQ(open.FileName, "alt.fnt");
}

TEST(ScriptedDialogs, RequestsRecordWhatTheyOfferAndGiveTheScriptedAnswer) {
  ScriptedDialogs dialogs;
  dialogs.ExpectNewFont(NewFontAnswer{false, 12, 10});
  dialogs.ExpectImportFont(std::nullopt);
  dialogs.ExpectFontParameters(FontParameters{20, 24, 18, 0x12});
  dialogs.ExpectCharSpace(3);

  const auto newFont = dialogs.AskNewFont();
  ASSERT_TRUE(newFont);
  EXPECT_FALSE(newFont->Import);
  EXPECT_EQ(newFont->Width, 12);
  EXPECT_EQ(newFont->Height, 10);
  EXPECT_FALSE(dialogs.AskImportFont());
  const auto parameters = dialogs.AskFontParameters({8, 8, 7, 0x01});
  ASSERT_TRUE(parameters);
  EXPECT_EQ(parameters->Height, 24);
  EXPECT_EQ(parameters->Position, 0x12);
  EXPECT_EQ(dialogs.Asked()[2].Parameters.Base, 7);
  EXPECT_EQ(dialogs.Asked()[2].Parameters.Position, 0x01);
  EXPECT_EQ(dialogs.AskCharSpace(1, 8), 3);
  EXPECT_EQ(dialogs.Asked()[3].Space, 1);
  EXPECT_EQ(dialogs.Asked()[3].MaxSpace, 8);
  EXPECT_EQ(dialogs.LastText(), "Freiraum nach Zeichen");
}

TEST(ScriptedDialogs, UnexpectedQuestionFailsTheTestWithItsText) {
  ScriptedDialogs dialogs;
  DialogAnswer answer = DialogAnswer::Yes;
  EXPECT_NONFATAL_FAILURE(answer = dialogs.AskYesNoCancel("Wirklich?"), "Wirklich?");
  EXPECT_EQ(answer, DialogAnswer::Cancel);
}

TEST(ScriptedDialogs, QuestionOfAnotherKindFailsAndKeepsTheAnswer) {
  ScriptedDialogs dialogs;
  dialogs.ExpectYesNo(DialogAnswer::Yes);
  DialogAnswer answer = DialogAnswer::Yes;
  EXPECT_NONFATAL_FAILURE(answer = dialogs.AskYesNoCancel("Speichern?"), "expected yes/no question");
  EXPECT_EQ(answer, DialogAnswer::Cancel);
  EXPECT_EQ(dialogs.AskYesNo("Fortsetzen?"), DialogAnswer::Yes);
}

TEST(ScriptedDialogs, LeftOverAnswersFailTheTest) {
  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedDialogs dialogs;
        dialogs.ExpectError();
      },
      "expected error box was not shown");
}

}  // namespace
