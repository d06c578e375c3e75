#pragma once

#include <QString>
#include <QStringList>

enum class DialogAnswer { Yes, No, Cancel };

// One open or save file choice. The caller keeps it between uses, so the
// dialog shows the filter and file of its last use.
struct FileChoice {
  QString Title;
  // Entries as Qt writes them: "Text (*.fnt)".
  QStringList Filters;
  // The chosen filter entry, counted from 1; in: preselected, out: chosen.
  int FilterIndex = 1;
  // In: initial name or path; out: the chosen path.
  QString FileName;
  QString InitialDir;
  // Appended (without dot) when the user types a name without extension.
  QString DefaultExt;
  // When given, one per filter entry: choosing an entry in the dialog makes
  // its extension the DefaultExt.
  QStringList FilterExts;
  // Open: only existing files can be chosen.
  bool MustExist = true;
  // Save: ask before overwriting an existing file.
  bool OverwritePrompt = true;
};

// Every question the program asks the user goes through here, so tests can
// answer them from a script. Texts may break lines with a single CR.
class UserDialogs {
 public:
  virtual ~UserDialogs() = default;

  // "Bestätigen" with "&Ja" and "&Nein"; gives Yes or No.
  virtual DialogAnswer AskYesNo(const QString& text) = 0;
  // "Bestätigen" with "&Ja", "&Nein" and "Abbrechen".
  virtual DialogAnswer AskYesNoCancel(const QString& text) = 0;
  virtual void ShowError(const QString& text) = 0;
  virtual void ShowInformation(const QString& text) = 0;
  // True when the user chose a file; then FileName and FilterIndex hold the
  // choice. Cancelling leaves the choice untouched.
  virtual bool ChooseOpenFile(FileChoice& choice) = 0;
  virtual bool ChooseSaveFile(FileChoice& choice) = 0;
};
