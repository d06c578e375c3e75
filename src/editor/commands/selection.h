#pragma once

class EditSession;

// Cut, copy, paste and invert on the marked block of the editor glyph (the
// whole glyph when nothing is marked), through the system clipboard.
class TSelectionCommands {
 public:
  explicit TSelectionCommands(EditSession& session);

  void CutExecute();
  void CopyExecute();
  void PasteExecute();
  void InvertExecute();

  static bool ClipboardHasPicture();

 private:
  void CopyMarkToClipboard();

  EditSession& fsession;
};
