#pragma once

#include "userdialogs.h"

#include <QString>
#include <deque>
#include <functional>
#include <vector>

enum class DialogKind { YesNo, YesNoCancel, Error, Information, OpenFile, SaveFile, Dialog, Printer };

// Answers the program's questions from a queue of expected ones. An
// unexpected question, or answers left over at the end (VerifyAllAnswered or
// destruction), fails the running test. Every question is recorded.
class ScriptedDialogs : public UserDialogs {
 public:
  struct Question {
    DialogKind Kind;
    // The message text, the file dialog's title or the dialog's window title.
    QString Text;
    // The file choice as it was offered (file dialogs only).
    FileChoice File;
  };
  // Fills in the shown dialog; gives whether it was accepted. The script may
  // ask further questions, and answers them from the queue as well.
  using DialogScript = std::function<bool(QDialog&)>;
  // Sets up the printer as the user would; gives whether to print.
  using PrinterScript = std::function<bool(QPrinter&)>;

  ~ScriptedDialogs() override;

  void ExpectYesNo(DialogAnswer answer);
  void ExpectYesNoCancel(DialogAnswer answer);
  void ExpectError();
  void ExpectInformation();
  // The user chooses path (and filter entry); an empty path cancels.
  void ExpectOpenFile(const QString& path, int filterIndex = 1);
  void ExpectSaveFile(const QString& path, int filterIndex = 1);
  void ExpectDialog(DialogScript script);
  void ExpectPrinter(PrinterScript script);

  const std::vector<Question>& Asked() const { return fasked; }
  // Text of the question asked last; empty when none was asked.
  QString LastText() const;
  // Fails the test for every answer not used yet, and forgets them.
  void VerifyAllAnswered();

  DialogAnswer AskYesNo(const QString& text) override;
  DialogAnswer AskYesNoCancel(const QString& text) override;
  void ShowError(const QString& text) override;
  void ShowInformation(const QString& text) override;
  bool ChooseOpenFile(FileChoice& choice) override;
  bool ChooseSaveFile(FileChoice& choice) override;
  bool Execute(QDialog& dialog) override;
  bool ChoosePrinter(QPrinter& printer) override;

 private:
  struct Answer {
    DialogKind Kind;
    DialogAnswer Reply = DialogAnswer::Cancel;
    QString Path;
    int FilterIndex = 1;
    DialogScript Script;
    PrinterScript Printer;
  };

  // Records the question and takes the next answer if it is of this kind.
  const Answer* Next(DialogKind kind, const QString& text, const FileChoice& file = {});
  bool ChooseFile(DialogKind kind, FileChoice& choice);

  std::deque<Answer> fanswers;
  Answer fcurrent;
  std::vector<Question> fasked;
};
