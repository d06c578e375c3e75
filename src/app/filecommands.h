#pragma once

#include "app/userdialogs.h"

#include <QString>

#include <memory>

class MainState;
class QWidget;
class TGlyphStore;
class TFontHandler;
class TNewFontDLG;

// What the file commands need from the window after they replaced the font.
class FileCommandHost {
 public:
  virtual ~FileCommandHost() = default;
  virtual void UpdateForNewFont() = 0;
  virtual void PaintCharset() = 0;
  virtual void PaintKerningTest() = 0;
  virtual void ClearMark() = 0;
  virtual void CenterForm(QWidget& form) = 0;
};

// The commands of the "Datei" menu that replace or save the font.
class TFileCommands {
 public:
  TFileCommands(MainState& state, UserDialogs& dialogs, TGlyphStore& glyphs, TNewFontDLG& newFontDlg,
                FileCommandHost& host);

  // Stores a pending glyph and saves unsaved changes, asking first when ask is
  // set; false when the caller must not go on.
  bool SaveFontChecked(bool ask);
  // Only a valid font file replaces the font; anything else leaves the window
  // as it was and throws.
  void OpenFontFile(const QString& name);
  void OpenFontExecute();
  void HistoryListClick(const QString& path);
  void NewFontExecute();
  void SaveFontExecute();
  void SaveFontAsExecute();
  // Imports a DOS OEM font file (256 glyphs, 8 pixels wide, no header).
  void ImportActionExecute();
  // Whether the window may close.
  bool FormCloseQuery();

  // Kept between uses, so each dialog shows its last choice.
  FileChoice FontOpenDialog;
  FileChoice FontSaveDialog;
  FileChoice ImportDialog;

 private:
  // Asks for a file name and type for a font that has none.
  void ChooseSaveName();
  void WriteFont();
  void SetUpNewFont();
  void CreateEmptyFont();
  // Takes over a font that has no file yet.
  void AdoptUnnamedFont(std::unique_ptr<TFontHandler> font);

  MainState& fstate;
  UserDialogs& fdialogs;
  TGlyphStore& fglyphs;
  TNewFontDLG& fnewFontDlg;
  FileCommandHost& fhost;
};
