#include "app/filecommands.h"

#include "app/glyphstore.h"
#include "app/mainstate.h"
#include "dialogs/newfontdlg.h"
#include "model/dosfont.h"
#include "model/ioerror.h"

#include <QFile>

namespace {

const QString kSaveQuestion = QStringLiteral(
    "Die Änderungen an der aktuellen Font\r"
    "wurden noch nicht gespeichert. Soll\r"
    "die Font jetzt gespeichert werden?");

constexpr int kFullType = 3;

QString TypeWarning(int type) {
  const QString lost = type == 1 ? QStringLiteral("die Zeichenbreite,\rdie Baseline und das Kerning nicht. ")
                                 : QStringLiteral("das Kerning nicht.");
  return QStringLiteral("Sie haben den Type %1 zu speichern der aktuellen Font\rgewählt. Dieser Dateitype speichert ")
             .arg(type) +
         lost + QStringLiteral("\r\rSoll der Vorgang trotzdem fortgesetzt werden?");
}

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

FileChoice FntChoice(const QString& title, const QStringList& filters, int filterIndex) {
  FileChoice choice;
  choice.Title = title;
  choice.Filters = filters;
  choice.FilterIndex = filterIndex;
  choice.DefaultExt = QStringLiteral("FNT");
  return choice;
}

}  // namespace

TFileCommands::TFileCommands(MainState& state, UserDialogs& dialogs, TGlyphStore& glyphs, TNewFontDLG& newFontDlg,
                             FileCommandHost& host)
    : FontOpenDialog(
          FntChoice(QStringLiteral("Fontdatei öffnen"), {QStringLiteral("<kelvaront>-Fontfile (*.FNT *.fnt)")}, 1)),
      FontSaveDialog(FntChoice(QStringLiteral("Font speichern"),
                               {QStringLiteral("Typ1 <kelvaront>-Fontfile (*.FNT *.fnt)"),
                                QStringLiteral("Typ2 <kelvaront>-Fontfile (mit Zeichenbreite) (*.FNT *.fnt)"),
                                QStringLiteral("Typ3 <kelvaront>-Fontfile (mit Kerning) (*.FNT *.fnt)")},
                               kFullType)),
      fstate(state),
      fdialogs(dialogs),
      fglyphs(glyphs),
      fnewFontDlg(newFontDlg),
      fhost(host) {
  ImportDialog.Title = QStringLiteral("Import OEM-Font");
  ImportDialog.Filters = {QStringLiteral("DOS-OEM-Fontdatei (*.fnt *.FNT)")};
}

bool TFileCommands::SaveFontChecked(bool ask) {
  fglyphs.StoreEditChar(true);
  if (!fstate.SaveRequest()) return true;
  if (ask) {
    const DialogAnswer answer = fdialogs.AskYesNoCancel(kSaveQuestion);
    if (answer == DialogAnswer::No) return true;
    if (answer == DialogAnswer::Cancel) return false;
  }
  const bool hadName = !fstate.filename().isEmpty();
  const int oldType = fstate.fonttype();
  if (!hadName) ChooseSaveName();
  if (fstate.filename().isEmpty()) return false;
  try {
    WriteFont();
  } catch (...) {
    // A name and type chosen just now must not stay for a file that was never written.
    if (!hadName) {
      fstate.Setfilename(QString());
      fstate.Setfonttype(oldType);
    }
    throw;
  }
  return true;
}

void TFileCommands::ChooseSaveName() {
  if (!fdialogs.ChooseSaveFile(FontSaveDialog)) return;
  fstate.Setfilename(FontSaveDialog.FileName);
  const int type = FontSaveDialog.FilterIndex;
  if (type == kFullType) {
    fstate.Setfonttype(kFullType);
  } else if (fdialogs.AskYesNo(TypeWarning(type)) == DialogAnswer::Yes) {
    fstate.Setfonttype(type);
  } else {
    fstate.Setfilename(QString());
  }
}

void TFileCommands::WriteFont() {
  fstate.EditFont().SaveFont(LocalPath(fstate.filename()), fstate.fonttype());
  fstate.SetSaveRequest(false);
}

void TFileCommands::SaveFontExecute() { SaveFontChecked(false); }

void TFileCommands::SaveFontAsExecute() {
  const QString oldName = fstate.filename();
  const int oldType = fstate.fonttype();
  const bool oldRequest = fstate.SaveRequest();
  const auto restore = [&] {
    fstate.Setfilename(oldName);
    fstate.Setfonttype(oldType);
    fstate.SetSaveRequest(oldRequest);
  };
  fstate.SetSaveRequest(true);
  fstate.Setfilename(QString());
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

void TFileCommands::HistoryListClick(const QString& path) {
  if (SaveFontChecked(true)) OpenFontFile(path);
}

void TFileCommands::OpenFontFile(const QString& name) {
  // Loaded beside the current font, so a bad file never replaces it.
  TFontHandler loaded(fstate.EditFont().FontWidth(), fstate.EditFont().FontHeight());
  loaded.Assign(fstate.EditFont());
  loaded.LoadFont(LocalPath(name));
  if (!loaded.Fontvalid())
    throw FontError(QStringLiteral("Die Datei \"%1\" ist keine gültige Fontdatei.").arg(name).toStdString());
  fstate.EditFont().Assign(loaded);
  fstate.Setfilename(name);
  fstate.Setfonttype(loaded.fonttype());
  fhost.ClearMark();
  SetUpNewFont();
  fhost.PaintKerningTest();
  fstate.SetSaveRequest(false);
}

void TFileCommands::SetUpNewFont() {
  fhost.UpdateForNewFont();
  fstate.SetEditKerning(TKerning());
  fhost.PaintCharset();
}

void TFileCommands::NewFontExecute() {
  if (!SaveFontChecked(true)) return;
  fhost.CenterForm(fnewFontDlg);
  if (fdialogs.Execute(fnewFontDlg)) {
    // The import of an installed font (type 1) is not offered yet; the font stays.
    if (fnewFontDlg.NewType() == 0) CreateEmptyFont();
    SetUpNewFont();
    fhost.PaintKerningTest();
    fhost.ClearMark();
  }
  fstate.SetCharRequest(false);
}

void TFileCommands::CreateEmptyFont() {
  AdoptUnnamedFont(std::make_unique<TFontHandler>(fnewFontDlg.FontWidth(), fnewFontDlg.FontHeight()));
  fstate.SetSaveRequest(false);
}

void TFileCommands::AdoptUnnamedFont(std::unique_ptr<TFontHandler> font) {
  fstate.ReplaceFont(std::move(font));
  fstate.Setfilename(QString());
  fstate.Setfonttype(fstate.EditFont().fonttype());
}

void TFileCommands::ImportActionExecute() {
  if (!SaveFontChecked(true) || !fdialogs.ChooseOpenFile(ImportDialog)) return;
  // Checked before anything changes: a file of the wrong size leaves the font alone.
  AdoptUnnamedFont(MakeDosFont(ReadWholeFile(LocalPath(ImportDialog.FileName), kDosFontMaxSize)));
  SetUpNewFont();
  fhost.ClearMark();
  fstate.SetSaveRequest(true);
}

bool TFileCommands::FormCloseQuery() {
  fglyphs.StoreEditChar(true);
  return SaveFontChecked(true);
}
