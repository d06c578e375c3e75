#include "editor/scripteddialogs.h"

#include <gtest/gtest.h>

namespace {

const char* KindName(DialogKind kind) {
  switch (kind) {
    case DialogKind::YesNo:
      return "yes/no question";
    case DialogKind::YesNoCancel:
      return "yes/no/cancel question";
    case DialogKind::Error:
      return "error box";
    case DialogKind::Information:
      return "information box";
    case DialogKind::OpenFile:
      return "open-file dialog";
    case DialogKind::SaveFile:
      return "save-file dialog";
    case DialogKind::NewFont:
      return "new font request";
    case DialogKind::ImportFont:
      return "import font request";
    case DialogKind::FontParameters:
      return "font parameter request";
    case DialogKind::CharSpace:
      return "free space request";
    case DialogKind::Dialog:
      return "dialog";
    case DialogKind::Printer:
      return "print dialog";
  }
  return "?";
}

}  // namespace

ScriptedDialogs::~ScriptedDialogs() { VerifyAllAnswered(); }

void ScriptedDialogs::ExpectYesNo(DialogAnswer answer) { Expect({DialogKind::YesNo, answer}); }

void ScriptedDialogs::ExpectYesNoCancel(DialogAnswer answer) { Expect({DialogKind::YesNoCancel, answer}); }

void ScriptedDialogs::ExpectError() { Expect({DialogKind::Error}); }

void ScriptedDialogs::ExpectInformation() { Expect({DialogKind::Information}); }

void ScriptedDialogs::ExpectOpenFile(const QString& path, int filterIndex) {
  Expect({DialogKind::OpenFile, DialogAnswer::Yes, path, filterIndex});
}

void ScriptedDialogs::ExpectSaveFile(const QString& path, int filterIndex) {
  Expect({DialogKind::SaveFile, DialogAnswer::Yes, path, filterIndex});
}

void ScriptedDialogs::ExpectNewFont(std::optional<NewFontAnswer> answer) {
  Expect({DialogKind::NewFont, DialogAnswer::Yes, {}, 1, answer});
}

void ScriptedDialogs::ExpectImportFont(std::optional<TImportChoice> answer) {
  Expect({DialogKind::ImportFont, DialogAnswer::Yes, {}, 1, answer});
}

void ScriptedDialogs::ExpectFontParameters(std::optional<FontParameters> answer) {
  Expect({DialogKind::FontParameters, DialogAnswer::Yes, {}, 1, answer});
}

void ScriptedDialogs::ExpectCharSpace(std::optional<int> answer) {
  Expect({DialogKind::CharSpace, DialogAnswer::Yes, {}, 1, answer});
}

QString ScriptedDialogs::LastText() const { return fasked.empty() ? QString() : fasked.back().Text; }

void ScriptedDialogs::VerifyAllAnswered() {
  for (const Answer& answer : fanswers) ADD_FAILURE() << "expected " << KindName(answer.Kind) << " was not shown";
  fanswers.clear();
}

const ScriptedDialogs::Answer* ScriptedDialogs::Next(Question question) {
  const DialogKind kind = question.Kind;
  const QString text = question.Text;
  fasked.push_back(std::move(question));
  if (fanswers.empty() || fanswers.front().Kind != kind) {
    ADD_FAILURE() << "unexpected " << KindName(kind) << ": \"" << text.toStdString() << "\""
                  << (fanswers.empty() ? "" : ", expected ")
                  << (fanswers.empty() ? "" : KindName(fanswers.front().Kind));
    return nullptr;
  }
  fcurrent = std::move(fanswers.front());
  fanswers.pop_front();
  return &fcurrent;
}

DialogAnswer ScriptedDialogs::AskYesNo(const QString& text) {
  const Answer* answer = Next({DialogKind::YesNo, text});
  return answer != nullptr ? answer->Reply : DialogAnswer::No;
}

DialogAnswer ScriptedDialogs::AskYesNoCancel(const QString& text) {
  const Answer* answer = Next({DialogKind::YesNoCancel, text});
  return answer != nullptr ? answer->Reply : DialogAnswer::Cancel;
}

void ScriptedDialogs::ShowError(const QString& text) { Next({DialogKind::Error, text}); }

void ScriptedDialogs::ShowInformation(const QString& text) { Next({DialogKind::Information, text}); }

bool ScriptedDialogs::ChooseOpenFile(FileChoice& choice) { return ChooseFile(DialogKind::OpenFile, choice); }

bool ScriptedDialogs::ChooseSaveFile(FileChoice& choice) { return ChooseFile(DialogKind::SaveFile, choice); }

bool ScriptedDialogs::ChooseFile(DialogKind kind, FileChoice& choice) {
  const Answer* answer = Next({kind, choice.Title, choice});
  if (answer == nullptr || answer->Path.isEmpty()) return false;
  choice.FileName = answer->Path;
  choice.FilterIndex = answer->FilterIndex;
  return true;
}

std::optional<NewFontAnswer> ScriptedDialogs::AskNewFont() {
  return NextValue<NewFontAnswer>({DialogKind::NewFont, QStringLiteral("Neue Font erstellen")});
}

std::optional<TImportChoice> ScriptedDialogs::AskImportFont() {
  return NextValue<TImportChoice>({DialogKind::ImportFont, QStringLiteral("Import WINDOWS®-Font")});
}

std::optional<FontParameters> ScriptedDialogs::AskFontParameters(const FontParameters& offered) {
  return NextValue<FontParameters>({DialogKind::FontParameters, QStringLiteral("Font Parameter"), {}, offered});
}

std::optional<int> ScriptedDialogs::AskCharSpace(int space, int maxSpace) {
  return NextValue<int>({DialogKind::CharSpace, QStringLiteral("Freiraum nach Zeichen"), {}, {}, space, maxSpace});
}
