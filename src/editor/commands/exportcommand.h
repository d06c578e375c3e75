#pragma once

#include "model/codepages.h"
#include "userdialogs.h"

#include <QCoreApplication>

class FontDocument;

// The "Exportieren" command: one save dialog offers every export format; the
// chosen entry writes a demo picture or source text for the font.
class TExportCommand {
  Q_DECLARE_TR_FUNCTIONS(TExportCommand)

 public:
  TExportCommand(const FontDocument& document, UserDialogs& dialogs);

  // Asks for a name and format, then writes the export under that name with
  // the format's extension. Cancelling writes nothing; errors are thrown.
  // With highlightSize the demo pictures black out the columns beyond each
  // glyph's width; the formats that speak Unicode map codes through the page.
  void ExportExecute(bool highlightSize, CodePage codePage = CodePage::Latin1);

  // "Font exportieren", kept for the whole run so it offers the format and
  // folder chosen last; the first export starts with entry 1 in the font's
  // folder.
  FileChoice ExportDialog;

 private:
  const FontDocument& fdocument;
  UserDialogs& fdialogs;
};
