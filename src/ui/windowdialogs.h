#pragma once

class QDialog;
class QPrinter;

// What the window shows beyond the editor's questions: its own dialogs (the
// about box, the appearance dialog and those that answer the font requests)
// and the print dialog, so tests can answer them from a script.
class WindowDialogs {
 public:
  virtual ~WindowDialogs() = default;

  // Shows the dialog modally; true when it was accepted.
  virtual bool Execute(QDialog& dialog) = 0;
  // The print dialog; true when the user chose to print. The printer keeps the choice.
  virtual bool ChoosePrinter(QPrinter& printer) = 0;
};
