#include "ui/scriptedwindowdialogs.h"

#include <gtest/gtest.h>
#include <QDialog>

void ScriptedWindowDialogs::ExpectDialog(DialogScript script) {
  if (!script) ADD_FAILURE() << "ExpectDialog needs a script that fills in the dialog";
  Expect({DialogKind::Dialog, DialogAnswer::Yes, {}, 1, std::move(script)});
}

void ScriptedWindowDialogs::ExpectPrinter(PrinterScript script) {
  if (!script) ADD_FAILURE() << "ExpectPrinter needs a script that sets up the printer";
  Expect({DialogKind::Printer, DialogAnswer::Yes, {}, 1, std::move(script)});
}

bool ScriptedWindowDialogs::Execute(QDialog& dialog) {
  const Answer* answer = Next({DialogKind::Dialog, dialog.windowTitle()});
  if (answer == nullptr) return false;
  // A copy, since the script may ask further questions, which replace the current answer.
  const auto script = std::any_cast<DialogScript>(answer->Value);
  if (!script) return false;
  // Shown as a modal run shows it, so the dialog fills in its controls.
  dialog.show();
  const bool accepted = script(dialog);
  dialog.hide();
  return accepted;
}

bool ScriptedWindowDialogs::ChoosePrinter(QPrinter& printer) {
  const Answer* answer = Next({DialogKind::Printer, QStringLiteral("Drucken")});
  if (answer == nullptr) return false;
  const auto script = std::any_cast<PrinterScript>(answer->Value);
  return script && script(printer);
}
