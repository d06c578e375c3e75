#include "ui/scripteddialogs.h"

#include <gtest/gtest.h>
#include <QDialog>

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
    case DialogKind::Dialog:
      return "dialog";
    case DialogKind::Printer:
      return "print dialog";
  }
  return "?";
}

}  // namespace

ScriptedDialogs::~ScriptedDialogs() { VerifyAllAnswered(); }

void ScriptedDialogs::ExpectYesNo(DialogAnswer answer) {
  fanswers.push_back({DialogKind::YesNo, answer, {}, 1, {}, {}});
}

void ScriptedDialogs::ExpectYesNoCancel(DialogAnswer answer) {
  fanswers.push_back({DialogKind::YesNoCancel, answer, {}, 1, {}, {}});
}

void ScriptedDialogs::ExpectError() { fanswers.push_back({DialogKind::Error, DialogAnswer::Yes, {}, 1, {}, {}}); }

void ScriptedDialogs::ExpectInformation() {
  fanswers.push_back({DialogKind::Information, DialogAnswer::Yes, {}, 1, {}, {}});
}

void ScriptedDialogs::ExpectOpenFile(const QString& path, int filterIndex) {
  fanswers.push_back({DialogKind::OpenFile, DialogAnswer::Yes, path, filterIndex, {}, {}});
}

void ScriptedDialogs::ExpectSaveFile(const QString& path, int filterIndex) {
  fanswers.push_back({DialogKind::SaveFile, DialogAnswer::Yes, path, filterIndex, {}, {}});
}

void ScriptedDialogs::ExpectDialog(DialogScript script) {
  if (!script) ADD_FAILURE() << "ExpectDialog needs a script that fills in the dialog";
  fanswers.push_back({DialogKind::Dialog, DialogAnswer::Yes, {}, 1, std::move(script), {}});
}

void ScriptedDialogs::ExpectPrinter(PrinterScript script) {
  if (!script) ADD_FAILURE() << "ExpectPrinter needs a script that sets up the printer";
  fanswers.push_back({DialogKind::Printer, DialogAnswer::Yes, {}, 1, {}, std::move(script)});
}

QString ScriptedDialogs::LastText() const { return fasked.empty() ? QString() : fasked.back().Text; }

void ScriptedDialogs::VerifyAllAnswered() {
  for (const Answer& answer : fanswers) ADD_FAILURE() << "expected " << KindName(answer.Kind) << " was not shown";
  fanswers.clear();
}

const ScriptedDialogs::Answer* ScriptedDialogs::Next(DialogKind kind, const QString& text, const FileChoice& file) {
  fasked.push_back({kind, text, file});
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
  const Answer* answer = Next(DialogKind::YesNo, text);
  return answer != nullptr ? answer->Reply : DialogAnswer::No;
}

DialogAnswer ScriptedDialogs::AskYesNoCancel(const QString& text) {
  const Answer* answer = Next(DialogKind::YesNoCancel, text);
  return answer != nullptr ? answer->Reply : DialogAnswer::Cancel;
}

void ScriptedDialogs::ShowError(const QString& text) { Next(DialogKind::Error, text); }

void ScriptedDialogs::ShowInformation(const QString& text) { Next(DialogKind::Information, text); }

bool ScriptedDialogs::ChooseOpenFile(FileChoice& choice) { return ChooseFile(DialogKind::OpenFile, choice); }

bool ScriptedDialogs::ChooseSaveFile(FileChoice& choice) { return ChooseFile(DialogKind::SaveFile, choice); }

bool ScriptedDialogs::ChooseFile(DialogKind kind, FileChoice& choice) {
  const Answer* answer = Next(kind, choice.Title, choice);
  if (answer == nullptr || answer->Path.isEmpty()) return false;
  choice.FileName = answer->Path;
  choice.FilterIndex = answer->FilterIndex;
  return true;
}

bool ScriptedDialogs::Execute(QDialog& dialog) {
  const Answer* answer = Next(DialogKind::Dialog, dialog.windowTitle());
  if (answer == nullptr || !answer->Script) return false;
  // A copy, since the script may ask further questions, which replace the current answer.
  const DialogScript script = answer->Script;
  // Shown as a modal run shows it, so the dialog fills in its controls.
  dialog.show();
  const bool accepted = script(dialog);
  dialog.hide();
  return accepted;
}

bool ScriptedDialogs::ChoosePrinter(QPrinter& printer) {
  const Answer* answer = Next(DialogKind::Printer, QStringLiteral("Drucken"));
  return answer != nullptr && answer->Printer && answer->Printer(printer);
}
