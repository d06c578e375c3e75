#include "commands/filecommands.h"

#include "document.h"
#include "editsession.h"
#include "fontrequests.h"
#include "formats/readertable.h"
#include "model/fontimport.h"
#include "model/ioerror.h"
#include "progressdisplay.h"
#include "waitcursor.h"

#include <QFile>
#include <QFontInfo>

namespace {

const char* const kSaveQuestion = QT_TRANSLATE_NOOP("TFileCommands",
                                                    "Die Änderungen an der aktuellen Font\r"
                                                    "wurden noch nicht gespeichert. Soll\r"
                                                    "die Font jetzt gespeichert werden?");

constexpr int kFullType = 3;

QString TypeWarning(int type) {
  if (type == 1)
    return TFileCommands::tr(
        "Sie haben den Type 1 zu speichern der aktuellen Font\rgewählt. Dieser Dateitype speichert die "
        "Zeichenbreite,\rdie Baseline und das Kerning nicht. \r\rSoll der Vorgang trotzdem fortgesetzt werden?");
  return TFileCommands::tr(
             "Sie haben den Type %1 zu speichern der aktuellen Font\rgewählt. Dieser Dateitype speichert das "
             "Kerning nicht.\r\rSoll der Vorgang trotzdem fortgesetzt werden?")
      .arg(type);
}

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QStringList ReaderFilters(ReaderDialog dialog) {
  QStringList filters;
  for (const std::string_view filter : DialogFilters(dialog))
    filters << QCoreApplication::translate("ReaderTable", std::string(filter).c_str());
  return filters;
}

FileChoice FntChoice(const QString& title, const QStringList& filters, int filterIndex) {
  FileChoice choice;
  choice.Title = title;
  choice.Filters = filters;
  choice.FilterIndex = filterIndex;
  choice.DefaultExt = QStringLiteral("FNT");
  return choice;
}

}  // namespace

TFileCommands::TFileCommands(EditSession& session, UserDialogs& dialogs, FontRequests& requests,
                             ProgressDisplay& progress)
    : FontOpenDialog(FntChoice(tr("Fontdatei öffnen"), ReaderFilters(ReaderDialog::Open), 1)),
      FontSaveDialog(FntChoice(tr("Font speichern"),
                               {tr("Typ1 <kelvaront>-Fontfile (*.FNT *.fnt)"),
                                tr("Typ2 <kelvaront>-Fontfile (mit Zeichenbreite) (*.FNT *.fnt)"),
                                tr("Typ3 <kelvaront>-Fontfile (mit Kerning) (*.FNT *.fnt)")},
                               kFullType)),
      fsession(session),
      fdocument(session.Document()),
      fdialogs(dialogs),
      frequests(requests),
      fprogress(progress) {
  ImportDialog.Title = tr("Import OEM-Font");
  ImportDialog.Filters = ReaderFilters(ReaderDialog::Import);
}

bool TFileCommands::SaveFontChecked(bool ask) {
  fsession.StoreEditChar(true);
  if (!fdocument.SaveRequest()) return true;
  if (ask) {
    const DialogAnswer answer = fdialogs.AskYesNoCancel(tr(kSaveQuestion));
    if (answer == DialogAnswer::No) return true;
    if (answer == DialogAnswer::Cancel) return false;
  }
  const bool hadName = !fdocument.filename().isEmpty();
  const int oldType = fdocument.fonttype();
  if (!hadName) ChooseSaveName();
  if (fdocument.filename().isEmpty()) return false;
  try {
    WriteFont();
  } catch (...) {
    // A name and type chosen just now must not stay for a file that was never written.
    if (!hadName) {
      fdocument.Setfilename(QString());
      fdocument.Setfonttype(oldType);
    }
    throw;
  }
  return true;
}

void TFileCommands::ChooseSaveName() {
  if (!fdialogs.ChooseSaveFile(FontSaveDialog)) return;
  fdocument.Setfilename(FontSaveDialog.FileName);
  const int type = FontSaveDialog.FilterIndex;
  if (type == kFullType) {
    fdocument.Setfonttype(kFullType);
  } else if (fdialogs.AskYesNo(TypeWarning(type)) == DialogAnswer::Yes) {
    fdocument.Setfonttype(type);
  } else {
    fdocument.Setfilename(QString());
  }
}

void TFileCommands::WriteFont() {
  fdocument.EditFont().SaveFont(LocalPath(fdocument.filename()), fdocument.fonttype());
  fdocument.SetSaveRequest(false);
}

void TFileCommands::SaveFontExecute() { SaveFontChecked(false); }

void TFileCommands::SaveFontAsExecute() {
  const QString oldName = fdocument.filename();
  const int oldType = fdocument.fonttype();
  const bool oldRequest = fdocument.SaveRequest();
  const auto restore = [&] {
    fdocument.Setfilename(oldName);
    fdocument.Setfonttype(oldType);
    fdocument.SetSaveRequest(oldRequest);
  };
  fdocument.SetSaveRequest(true);
  fdocument.Setfilename(QString());
  try {
    if (!SaveFontChecked(false)) restore();
  } catch (...) {
    // A failed write must not leave the window naming a file that was never written.
    restore();
    throw;
  }
}

void TFileCommands::OpenFontExecute() {
  if (SaveFontChecked(true) && fdialogs.ChooseOpenFile(FontOpenDialog)) OpenFontFile(FontOpenDialog.FileName);
}

void TFileCommands::HistoryListClick(const QString& path) { OpenFileChecked(path); }

void TFileCommands::OpenFileChecked(const QString& path) {
  if (SaveFontChecked(true)) OpenFontFile(path);
}

void TFileCommands::OpenFontFile(const QString& name) {
  // Loaded beside the current font, so a bad file never replaces it.
  TFontHandler loaded(fdocument.EditFont().FontWidth(), fdocument.EditFont().FontHeight());
  loaded.Assign(fdocument.EditFont());
  loaded.LoadFont(LocalPath(name));
  if (!loaded.Fontvalid()) throw FontError(tr("Die Datei \"%1\" ist keine gültige Fontdatei.").arg(name).toStdString());
  fdocument.Setfilename(name);
  fdocument.Setfonttype(loaded.fonttype());
  fdocument.AssignFont(loaded);
  fdocument.SetSaveRequest(false);
}

void TFileCommands::NewFontExecute() {
  if (!SaveFontChecked(true)) return;
  if (const auto answer = frequests.AskNewFont()) {
    if (!answer->Import) {
      AdoptUnnamedFont(std::make_unique<TFontHandler>(answer->Width, answer->Height));
      fdocument.SetSaveRequest(false);
    } else {
      NewImportedFont();
    }
  }
  fsession.SetCharRequest(false);
}

void TFileCommands::AdoptUnnamedFont(std::unique_ptr<TFontHandler> font) {
  const int type = font->fonttype();
  fdocument.Setfilename(QString());
  fdocument.Setfonttype(type);
  fdocument.ReplaceFont(std::move(font));
}

void TFileCommands::NewImportedFont() {
  const auto choice = frequests.AskImportFont();
  if (!choice) {
    // The font stays; the editor starts afresh all the same.
    fsession.ResetForNewFont();
    return;
  }
  const std::unique_ptr<TFontHandler> imported = RenderInstalledFont(*choice);
  fdocument.Setfilename(QString());
  fdocument.Setfonttype(imported->fonttype());
  fdocument.AssignFont(*imported);
  fdocument.SetSaveRequest(true);
}

std::unique_ptr<TFontHandler> TFileCommands::RenderInstalledFont(const TImportChoice& choice) {
  const WaitCursor hourglass;
  ProgressRun run(fprogress, QFontInfo(CellFont(choice)).family(), tr("Generiere..."));
  return ImportInstalledFont(choice, [&run](int code, const QImage& rendering) {
    run.Step(code);
    run.ShowPicture(rendering);
  });
}

void TFileCommands::ImportActionExecute(CodePage codePage) {
  if (!SaveFontChecked(true) || !fdialogs.ChooseOpenFile(ImportDialog)) return;
  // Checked before anything changes: a file of the wrong size leaves the font alone.
  const std::string path = LocalPath(ImportDialog.FileName);
  // A DOS dump has no header to recognise it by, so its entry decides; the
  // other formats are told apart by their content.
  const FontReader* chosen = DialogReader(ReaderDialog::Import, ImportDialog.FilterIndex);
  AdoptUnnamedFont(std::move(ImportChosenFontFile(path, chosen, codePage).font));
  fdocument.SetSaveRequest(true);
}

bool TFileCommands::FormCloseQuery() {
  fsession.StoreEditChar(true);
  return SaveFontChecked(true);
}
