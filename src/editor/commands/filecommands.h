#pragma once

#include "model/codepages.h"
#include "userdialogs.h"

#include <QCoreApplication>
#include <QString>

#include <memory>

class EditSession;
class FontDocument;
class FontRequests;
class ProgressDisplay;
class TFontHandler;
struct TImportChoice;

// The commands of the "Datei" menu that replace or save the font. The
// document announces a new font; the views and the editor follow it.
class TFileCommands {
  Q_DECLARE_TR_FUNCTIONS(TFileCommands)

 public:
  // An installed font is rendered with its progress shown on progress.
  TFileCommands(EditSession& session, UserDialogs& dialogs, FontRequests& requests, ProgressDisplay& progress);

  // Stores a pending glyph and saves unsaved changes, asking first when ask is
  // set; false when the caller must not go on.
  bool SaveFontChecked(bool ask);
  // Only a valid font file replaces the font; anything else leaves the window
  // as it was and throws.
  void OpenFontFile(const QString& name);
  void OpenFontExecute();
  void HistoryListClick(const QString& path);
  // Opens a file named outside the open dialog (dropped on the window, or
  // given on the command line) the way a chosen one is opened.
  void OpenFileChecked(const QString& path);
  void NewFontExecute();
  // Asks about a drawn glyph as closing does, then saves without asking about the font.
  void SaveFontExecute();
  void SaveFontAsExecute();
  // Imports a DOS OEM font file (256 glyphs, 8 pixels wide, no header), or
  // a BDF, PSF or Arduino GFX header font, as a new font without a file; the
  // formats that speak Unicode map code points to codes through the page.
  void ImportActionExecute(CodePage codePage = CodePage::Latin1);
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
  // Takes over a font that has no file yet.
  void AdoptUnnamedFont(std::unique_ptr<TFontHandler> font);
  // Asks for an installed font and takes over what it renders.
  void NewImportedFont();
  // Renders every glyph of the chosen face, showing the progress.
  std::unique_ptr<TFontHandler> RenderInstalledFont(const TImportChoice& choice);

  EditSession& fsession;
  FontDocument& fdocument;
  UserDialogs& fdialogs;
  FontRequests& frequests;
  ProgressDisplay& fprogress;
};
