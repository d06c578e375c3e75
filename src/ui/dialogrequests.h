#pragma once

#include "fontrequests.h"

class QWidget;
class Settings;
class TCharSpaceDlg;
class TImportFontDLG;
class TNewFontDLG;
class TParameterDLG;
class WindowDialogs;

// Answers the font requests with the window's dialogs, centred over it. The
// dialogs are made once, so each keeps the choices of its last use; the
// import dialog's demo text lives in the settings between runs.
class TDialogRequests : public FontRequests {
 public:
  // The dialogs are children of window.
  TDialogRequests(Settings& settings, WindowDialogs& dialogs, QWidget& window);

  std::optional<NewFontAnswer> AskNewFont() override;
  std::optional<TImportChoice> AskImportFont() override;
  std::optional<FontParameters> AskFontParameters(const FontParameters& offered) override;
  std::optional<int> AskCharSpace(int space, int maxSpace) override;

  TNewFontDLG& NewFontDLG() { return *fNewFontDLG; }
  TImportFontDLG& ImportFontDLG() { return *fImportFontDLG; }
  TParameterDLG& ParameterDLG() { return *fParameterDLG; }
  TCharSpaceDlg& CharSpaceDlg() { return *fCharSpaceDlg; }

 private:
  // Centred over the window and shown modally; true when accepted.
  bool Execute(QDialog& dialog);

  Settings& fsettings;
  WindowDialogs& fdialogs;
  QWidget& fwindow;
  TImportFontDLG* fImportFontDLG;
  TNewFontDLG* fNewFontDLG;
  TParameterDLG* fParameterDLG;
  TCharSpaceDlg* fCharSpaceDlg;
};
