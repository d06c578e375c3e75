#include "mainactions.h"

#include "commands/filecommands.h"
#include "commands/selection.h"
#include "mainform.h"
#include "views/charsetview.h"

#include <QCoreApplication>

#include <algorithm>
#include <stdexcept>

namespace {

const ActionDeclaration kActions[] = {
    {ActionId::ShowAbout, "ShowAbout", QT_TRANSLATE_NOOP("MainActions", "Info ..."),
     QT_TRANSLATE_NOOP("MainActions", "Über das Programm"), "F1", "", kPlain, [](TMainForm& f) { f.ShowAboutBox(); }},
    {ActionId::OpenFont, "OpenFont", QT_TRANSLATE_NOOP("MainActions", "Öffnen"),
     QT_TRANSLATE_NOOP("MainActions", "Font laden"), "Ctrl+O", "open", kPlain,
     [](TMainForm& f) { f.Files().OpenFontExecute(); }, QKeySequence::Open},
    {ActionId::NewFont, "NewFont", QT_TRANSLATE_NOOP("MainActions", "Neu"),
     QT_TRANSLATE_NOOP("MainActions", "Neue Font erstellen"), "Ctrl+N", "new", kPlain,
     [](TMainForm& f) { f.Files().NewFontExecute(); }, QKeySequence::New},
    {ActionId::SaveFont, "SaveFont", QT_TRANSLATE_NOOP("MainActions", "Speichern"),
     QT_TRANSLATE_NOOP("MainActions", "Font speichern"), "Ctrl+S", "save", kPlain,
     [](TMainForm& f) { f.Files().SaveFontExecute(); }, QKeySequence::Save},
    {ActionId::SaveFontAs, "SaveFontAs", QT_TRANSLATE_NOOP("MainActions", "Speichern unter"),
     QT_TRANSLATE_NOOP("MainActions", "Font unter anderem Namen speichern"), "Ctrl+Shift+S", "", kPlain,
     [](TMainForm& f) { f.Files().SaveFontAsExecute(); }, QKeySequence::SaveAs},
    {ActionId::Undo, "Undo", QT_TRANSLATE_NOOP("MainActions", "Rückgängig"),
     QT_TRANSLATE_NOOP("MainActions", "Rückgängig"), "Ctrl+Z", "undo", kPlain,
     [](TMainForm& f) { f.Session().Undo(); }},
    {ActionId::Redo, "Redo", QT_TRANSLATE_NOOP("MainActions", "Wiederherstellen"),
     QT_TRANSLATE_NOOP("MainActions", "Wiederherstellen"), "Ctrl+Y; Ctrl+Shift+Z", "redo", kPlain,
     [](TMainForm& f) { f.Session().Redo(); }},
    {ActionId::Cut, "Cut", QT_TRANSLATE_NOOP("MainActions", "Ausschneiden"),
     QT_TRANSLATE_NOOP("MainActions", "ausschneiden"), "Ctrl+X", "cut", kPlain,
     [](TMainForm& f) { f.Selection().CutExecute(); }},
    {ActionId::Cut2, "Cut2", QT_TRANSLATE_NOOP("MainActions", "Cut2"), QT_TRANSLATE_NOOP("MainActions", "ausschneiden"),
     "Shift+Del", "cut", kPlain, [](TMainForm& f) { f.Selection().CutExecute(); }},
    {ActionId::Paste, "Paste", QT_TRANSLATE_NOOP("MainActions", "Einfügen"),
     QT_TRANSLATE_NOOP("MainActions", "einfügen"), "Ctrl+V", "paste", kPlain,
     [](TMainForm& f) { f.Selection().PasteExecute(); }},
    {ActionId::Paste2, "Paste2", QT_TRANSLATE_NOOP("MainActions", "Paste2"),
     QT_TRANSLATE_NOOP("MainActions", "einfügen"), "Shift+Ins", "paste", kPlain,
     [](TMainForm& f) { f.Selection().PasteExecute(); }},
    {ActionId::Copy, "Copy", QT_TRANSLATE_NOOP("MainActions", "Kopieren"), QT_TRANSLATE_NOOP("MainActions", "kopieren"),
     "Ctrl+C", "copy", kPlain, [](TMainForm& f) { f.Selection().CopyExecute(); }},
    {ActionId::Copy2, "Copy2", QT_TRANSLATE_NOOP("MainActions", "Copy2"), QT_TRANSLATE_NOOP("MainActions", "kopieren"),
     "Ctrl+Ins", "copy", kPlain, [](TMainForm& f) { f.Selection().CopyExecute(); }},
    {ActionId::SaveAsBitmap, "SaveAsBitmap", QT_TRANSLATE_NOOP("MainActions", "Zeichen als Bitmap speichern"), "", "",
     "", kPlain, [](TMainForm& f) { f.Pictures().SaveAsBitmapExecute(); }},
    {ActionId::LoadFromBitmap, "LoadFromBitmap", QT_TRANSLATE_NOOP("MainActions", "Zeichen aus Bitmap importieren"), "",
     "", "", kPlain, [](TMainForm& f) { f.Pictures().LoadFromBitmapExecute(); }},
    {ActionId::Invert, "Invert", QT_TRANSLATE_NOOP("MainActions", "Invertieren"),
     QT_TRANSLATE_NOOP("MainActions", "Markierung invertieren"), "", "invert", kPlain,
     [](TMainForm& f) { f.Selection().InvertExecute(); }},
    {ActionId::ChangeParameter, "ChangeParameter", QT_TRANSLATE_NOOP("MainActions", "Font Parameter ändern ..."), "",
     "", "", kPlain, [](TMainForm& f) { f.FontOperations().ChangeParameterExecute(); }},
    {ActionId::CharEdit, "CharEdit", QT_TRANSLATE_NOOP("MainActions", "Zeicheneditor"), "", "", "", kPlain,
     [](TMainForm& f) { f.SwitchView(ViewAction::CharEdit); }},
    {ActionId::Charset, "Charset", QT_TRANSLATE_NOOP("MainActions", "Zeichensatz"), "", "", "", kPlain,
     [](TMainForm& f) { f.SwitchView(ViewAction::Charset); }},
    {ActionId::Print, "Print", QT_TRANSLATE_NOOP("MainActions", "Drucken"), "", "Ctrl+P", "print", kPlain,
     [](TMainForm& f) {
       f.Printing().PrintExecute(f.Document().EditFont(), f.Document().filename(),
                                 f.IsChecked(ActionId::HighlightSize));
     }},
    {ActionId::Export, "Export", QT_TRANSLATE_NOOP("MainActions", "Exportieren"), "", "Ctrl+E", "export", kPlain,
     [](TMainForm& f) { f.Exporter().ExportExecute(f.IsChecked(ActionId::HighlightSize), f.ChosenCodePage()); }},
    {ActionId::CalculateFontSizes, "CalculateFontSizes",
     QT_TRANSLATE_NOOP("MainActions", "Breite aller Zeichen automatisch setzen"), "", "", "", kPlain,
     [](TMainForm& f) { f.FontOperations().CalculateFontSizesExecute(); }},
    {ActionId::ResetCharSize, "ResetCharSize",
     QT_TRANSLATE_NOOP("MainActions", "Breite aller Zeichen auf Zeichensatzbreite setzen"), "", "", "", kPlain,
     [](TMainForm& f) { f.FontOperations().ResetCharSizeExecute(); }},
    {ActionId::CalculateCharSize, "CalculateCharSize", QT_TRANSLATE_NOOP("MainActions", "Zeichenbreite setzen"), "",
     "Ctrl+W", "", kPlain, [](TMainForm& f) { f.FontOperations().CalculateCharSizeExecute(); }},
    {ActionId::CharSpace, "CharSpace", QT_TRANSLATE_NOOP("MainActions", "Minimaler Freiraum nach dem Zeichen"), "", "",
     "", kPlain, [](TMainForm& f) { f.FontOperations().CharSpaceExecute(); }},
    {ActionId::ToggleEditSet, "ToggleEditSet", QT_TRANSLATE_NOOP("MainActions", "ToggleEditSet"),
     QT_TRANSLATE_NOOP("MainActions", "Anzeige des Zeichensatzes ein/aus"), "", "", kPlain,
     [](TMainForm& f) { f.SwitchView(ViewAction::ToggleEditSet); }},
    {ActionId::ImportAction, "ImportAction", QT_TRANSLATE_NOOP("MainActions", "Import"), "", "", "", kPlain,
     [](TMainForm& f) { f.Files().ImportActionExecute(f.ChosenCodePage()); }},
    {ActionId::KerningSpacing, "KerningSpacing", QT_TRANSLATE_NOOP("MainActions", "Kerning Test"), "", "", "", kPlain,
     [](TMainForm& f) { f.SwitchView(ViewAction::KerningSpacing); }},
    {ActionId::HighlightSize, "HighlightSize", QT_TRANSLATE_NOOP("MainActions", "Zeichenbreite hervorheben"), "", "",
     "", kOption, [](TMainForm& f) { f.CharsetView().SetHighlightSize(f.IsChecked(ActionId::HighlightSize)); }},
    {ActionId::AutoLoadChar, "AutoLoadChar", QT_TRANSLATE_NOOP("MainActions", "Zeichen bei Auswahl automatisch laden"),
     "", "", "", kOption, nullptr},
    {ActionId::AutoStoreChar, "AutoStoreChar",
     QT_TRANSLATE_NOOP("MainActions", "Zeichen bei Auswahl automatisch sichern"), "", "", "", kOption, nullptr},
    {ActionId::RemoveLeftCols, "RemoveLeftCols",
     QT_TRANSLATE_NOOP("MainActions", "Leerspalten vor dem Zeichen entfernen"), "", "Ctrl+R", "", kPlain,
     [](TMainForm& f) { f.FontOperations().RemoveLeftColsExecute(); }},
    {ActionId::RemoveFontLeftCols, "RemoveFontLeftCols",
     QT_TRANSLATE_NOOP("MainActions", "Leerspalten vor allen Zeichen entfernen"), "", "", "", kPlain,
     [](TMainForm& f) { f.FontOperations().RemoveFontLeftColsExecute(); }},
    {ActionId::SelectStyleAction, "SelectStyleAction", QT_TRANSLATE_NOOP("MainActions", "Erscheinungsbild ändern"), "",
     "", "", kPlain, [](TMainForm& f) { f.SelectStyle(); }},
    {ActionId::Close, "Close", QT_TRANSLATE_NOOP("MainActions", "Beenden"), "", "Ctrl+Q", "", kPlain,
     [](TMainForm& f) { f.close(); }, QKeySequence::Quit},
};

std::optional<bool> ViewCheckOf(ActionId id, const ViewChecks& view) {
  switch (id) {
    case ActionId::CharEdit:
      return view.CharEdit;
    case ActionId::Charset:
      return view.Charset;
    case ActionId::ToggleEditSet:
      return view.ToggleEditSet;
    case ActionId::KerningSpacing:
      return view.KerningSpacing;
    default:
      return std::nullopt;
  }
}

bool IsEnabled(ActionId id, const CommandState& state) {
  switch (id) {
    case ActionId::SaveFont:
      // Saving stores a drawn glyph first, so a drawing alone is worth saving.
      return state.SaveRequest || state.CharRequest;
    case ActionId::Undo:
      return state.CanUndo;
    case ActionId::Redo:
      return state.CanRedo;
    case ActionId::Cut:
    case ActionId::Cut2:
    case ActionId::Copy:
    case ActionId::Copy2:
      return state.MarkCommands;
    case ActionId::Paste:
    case ActionId::Paste2:
      return state.ClipboardHasPicture;
    default:
      return true;
  }
}

}  // namespace

std::span<const ActionDeclaration> MainActions() { return kActions; }

const ActionDeclaration& Declaration(ActionId id) {
  const auto* found = std::find_if(std::begin(kActions), std::end(kActions),
                                   [id](const ActionDeclaration& declared) { return declared.id == id; });
  if (found == std::end(kActions)) throw std::out_of_range("undeclared action");
  return *found;
}

ActionState StateOf(ActionId id, const CommandState& state) {
  ActionState result;
  result.Enabled = IsEnabled(id, state);
  result.Checked = ViewCheckOf(id, state.View);
  return result;
}

ActionState StateOf(ToolId tool, const CommandState& state) { return {true, tool == state.Tool}; }
