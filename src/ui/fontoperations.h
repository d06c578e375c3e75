#pragma once

#include <functional>

class EditSession;
class FontDocument;
class QString;
class QWidget;
class TCharSpaceDlg;
class TFontHandler;
class TInProcess;
class TParameterDLG;
class UserDialogs;

// The commands that act on the whole font (cell size, all widths, leading
// columns of every glyph) and on the metrics of the glyph in the editor.
// The font-wide ones that overwrite manual work ask first.
class TFontOperations {
 public:
  // Dialogs and the progress window are centred over the window.
  TFontOperations(EditSession& session, UserDialogs& dialogs, TParameterDLG& parameterDlg, TCharSpaceDlg& charSpaceDlg,
                  TInProcess& inProcess, QWidget& window);

  // New cell size and baseline; the old glyphs are placed as the dialog says.
  void ChangeParameterExecute();
  void CalculateFontSizesExecute();
  void ResetCharSizeExecute();
  // The edited glyph's width from its ink.
  void CalculateCharSizeExecute();
  // Moves the edited glyph left over its empty leading columns.
  void RemoveLeftColsExecute();
  void RemoveFontLeftColsExecute();
  void CharSpaceExecute();

 private:
  // Stores a pending glyph and asks; on Yes changes every glyph of the font
  // and then the glyph in the editor the same way. The font ends up changed
  // and the editor glyph counts as stored.
  void ChangeEveryGlyph(const QString& question, const std::function<void(TFontHandler&, int c)>& change,
                        const std::function<void()>& followInEditor);
  // The glyph in the editor as glyph 0 of a font of the editor's cell, with
  // its width and zones, so the font's own rules apply to it.
  TFontHandler EditedGlyph();
  int Space() const;

  EditSession& fsession;
  FontDocument& fdocument;
  UserDialogs& fdialogs;
  TParameterDLG& fparameterDlg;
  TCharSpaceDlg& fcharSpaceDlg;
  TInProcess& finProcess;
  QWidget& fwindow;
};
