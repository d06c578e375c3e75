#pragma once

#include "fontrequests.h"
#include "userdialogs.h"

#include <QString>
#include <any>
#include <deque>
#include <optional>
#include <vector>

enum class DialogKind {
  YesNo,
  YesNoCancel,
  Error,
  Information,
  OpenFile,
  SaveFile,
  NewFont,
  ImportFont,
  FontParameters,
  CharSpace,
  // Asked only by the window.
  Dialog,
  Printer
};

// Answers the program's questions and requests from a queue of expected
// ones. An unexpected question, or answers left over at the end
// (VerifyAllAnswered or destruction), fails the running test. Every question
// is recorded.
class ScriptedDialogs : public UserDialogs, public FontRequests {
 public:
  struct Question {
    DialogKind Kind;
    // The message text, the file dialog's title or the dialog's window title.
    QString Text;
    // The file choice as it was offered (file dialogs only).
    FileChoice File{};
    // What a font parameter or free space request offered.
    FontParameters Parameters{};
    int Space = 0;
    int MaxSpace = 0;
  };

  ~ScriptedDialogs() override;

  void ExpectYesNo(DialogAnswer answer);
  void ExpectYesNoCancel(DialogAnswer answer);
  void ExpectError();
  void ExpectInformation();
  // The user chooses path (and filter entry); an empty path cancels.
  void ExpectOpenFile(const QString& path, int filterIndex = 1);
  void ExpectSaveFile(const QString& path, int filterIndex = 1);
  // Nothing cancels the request.
  void ExpectNewFont(std::optional<NewFontAnswer> answer);
  void ExpectImportFont(std::optional<TImportChoice> answer);
  void ExpectFontParameters(std::optional<FontParameters> answer);
  void ExpectCharSpace(std::optional<int> answer);

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
  std::optional<NewFontAnswer> AskNewFont() override;
  std::optional<TImportChoice> AskImportFont() override;
  std::optional<FontParameters> AskFontParameters(const FontParameters& offered) override;
  std::optional<int> AskCharSpace(int space, int maxSpace) override;

 protected:
  struct Answer {
    DialogKind Kind;
    DialogAnswer Reply = DialogAnswer::Cancel;
    QString Path{};
    int FilterIndex = 1;
    // The answer of a request, or a script that answers it.
    std::any Value{};
  };

  void Expect(Answer answer) { fanswers.push_back(std::move(answer)); }
  // Records the question and takes the next answer if it is of this kind.
  const Answer* Next(Question question);
  // The value of the next answer of this kind; nothing for an unexpected question.
  template <typename T>
  std::optional<T> NextValue(Question question) {
    const Answer* answer = Next(std::move(question));
    if (answer == nullptr) return std::nullopt;
    return std::any_cast<std::optional<T>>(answer->Value);
  }

 private:
  bool ChooseFile(DialogKind kind, FileChoice& choice);

  std::deque<Answer> fanswers;
  Answer fcurrent{DialogKind::YesNo};
  std::vector<Question> fasked;
};
