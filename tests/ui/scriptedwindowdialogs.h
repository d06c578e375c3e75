#pragma once

#include "editor/scripteddialogs.h"
#include "windowdialogs.h"

#include <functional>

// The scripted questions and requests, and the window's own dialogs and the
// print dialog from the same queue.
class ScriptedWindowDialogs : public ScriptedDialogs, public WindowDialogs {
 public:
  // Fills in the shown dialog; gives whether it was accepted. The script may
  // ask further questions, and answers them from the queue as well.
  using DialogScript = std::function<bool(QDialog&)>;
  // Sets up the printer as the user would; gives whether to print.
  using PrinterScript = std::function<bool(QPrinter&)>;

  void ExpectDialog(DialogScript script);
  void ExpectPrinter(PrinterScript script);

  bool Execute(QDialog& dialog) override;
  bool ChoosePrinter(QPrinter& printer) override;
};
