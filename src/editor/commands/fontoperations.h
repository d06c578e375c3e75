#pragma once

#include <QCoreApplication>

#include <functional>

class CharSpace;
class EditSession;
class FontDocument;
class FontRequests;
class ProgressDisplay;
class QString;
class TFontHandler;
class UserDialogs;

// The commands that act on the whole font (cell size, all widths, leading
// columns of every glyph) and on the metrics of the glyph in the editor.
// The font-wide ones that overwrite manual work ask first.
class TFontOperations {
  Q_DECLARE_TR_FUNCTIONS(TFontOperations)

 public:
  // The automatic widths leave space after the ink; a new cell size shows
  // its progress on progress.
  TFontOperations(EditSession& session, UserDialogs& dialogs, FontRequests& requests, CharSpace& space,
                  ProgressDisplay& progress);

  // New cell size and baseline; the old glyphs are placed as the user says.
  // A smaller cell is confirmed first.
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
  FontRequests& frequests;
  CharSpace& fspace;
  ProgressDisplay& fprogress;
  // Offered again next time, once a change was made with it.
  int fplacement = 0;
};
