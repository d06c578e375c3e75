#include "mainactions.h"

#include "commands/filecommands.h"
#include "commands/selection.h"
#include "mainform.h"
#include "views/charsetview.h"

#include <algorithm>
#include <stdexcept>

namespace {

const ActionDeclaration kActions[] = {
    {ActionId::ShowAbout, "ShowAbout", "Info ...", "Über das Programm", "F1", "", kPlain,
     [](TMainForm& f) { f.ShowAboutBox(); }},
    {ActionId::OpenFont, "OpenFont", "Öffnen", "Font laden", "Ctrl+O", "open", kPlain,
     [](TMainForm& f) { f.Files().OpenFontExecute(); }, QKeySequence::Open},
    {ActionId::NewFont, "NewFont", "Neu", "Neue Font erstellen", "Ctrl+N", "new", kPlain,
     [](TMainForm& f) { f.Files().NewFontExecute(); }, QKeySequence::New},
    {ActionId::SaveFont, "SaveFont", "Speichern", "Font speichern", "Ctrl+S", "save", kPlain,
     [](TMainForm& f) { f.Files().SaveFontExecute(); }, QKeySequence::Save},
    {ActionId::SaveFontAs, "SaveFontAs", "Speichern unter", "Font unter anderem Namen speichern", "Ctrl+Shift+S", "",
     kPlain, [](TMainForm& f) { f.Files().SaveFontAsExecute(); }, QKeySequence::SaveAs},
    {ActionId::Undo, "Undo", "Rückgängig", "Rückgängig", "Ctrl+Z", "undo", kPlain,
     [](TMainForm& f) { f.Session().Undo(); }},
    {ActionId::Redo, "Redo", "Wiederherstellen", "Wiederherstellen", "Ctrl+Y; Ctrl+Shift+Z", "redo", kPlain,
     [](TMainForm& f) { f.Session().Redo(); }},
    {ActionId::Cut, "Cut", "Ausschneiden", "ausschneiden", "Ctrl+X", "cut", kPlain,
     [](TMainForm& f) { f.Selection().CutExecute(); }},
    {ActionId::Cut2, "Cut2", "Cut2", "ausschneiden", "Shift+Del", "cut", kPlain,
     [](TMainForm& f) { f.Selection().CutExecute(); }},
    {ActionId::Paste, "Paste", "Einfügen", "einfügen", "Ctrl+V", "paste", kPlain,
     [](TMainForm& f) { f.Selection().PasteExecute(); }},
    {ActionId::Paste2, "Paste2", "Paste2", "einfügen", "Shift+Ins", "paste", kPlain,
     [](TMainForm& f) { f.Selection().PasteExecute(); }},
    {ActionId::Copy, "Copy", "Kopieren", "kopieren", "Ctrl+C", "copy", kPlain,
     [](TMainForm& f) { f.Selection().CopyExecute(); }},
    {ActionId::Copy2, "Copy2", "Copy2", "kopieren", "Ctrl+Ins", "copy", kPlain,
     [](TMainForm& f) { f.Selection().CopyExecute(); }},
    {ActionId::SaveAsBitmap, "SaveAsBitmap", "Zeichen als Bitmap speichern", "", "", "", kPlain,
     [](TMainForm& f) { f.Pictures().SaveAsBitmapExecute(); }},
    {ActionId::LoadFromBitmap, "LoadFromBitmap", "Zeichen aus Bitmap importieren", "", "", "", kPlain,
     [](TMainForm& f) { f.Pictures().LoadFromBitmapExecute(); }},
    {ActionId::Invert, "Invert", "Invertieren", "Markierung invertieren", "", "invert", kPlain,
     [](TMainForm& f) { f.Selection().InvertExecute(); }},
    {ActionId::ChangeParameter, "ChangeParameter", "Font Parameter ändern ...", "", "", "", kPlain,
     [](TMainForm& f) { f.FontOperations().ChangeParameterExecute(); }},
    {ActionId::CharEdit, "CharEdit", "Zeicheneditor", "", "", "", kPlain,
     [](TMainForm& f) { f.SwitchView(ViewAction::CharEdit); }},
    {ActionId::Charset, "Charset", "Zeichensatz", "", "", "", kPlain,
     [](TMainForm& f) { f.SwitchView(ViewAction::Charset); }},
    {ActionId::Print, "Print", "Drucken", "", "Ctrl+P", "print", kPlain,
     [](TMainForm& f) {
       f.Printing().PrintExecute(f.Document().EditFont(), f.Document().filename(),
                                 f.IsChecked(ActionId::HighlightSize));
     }},
    {ActionId::Export, "Export", "Exportieren", "", "Ctrl+E", "export", kPlain,
     [](TMainForm& f) { f.Exporter().ExportExecute(f.IsChecked(ActionId::HighlightSize)); }},
    {ActionId::CalculateFontSizes, "CalculateFontSizes", "Breite aller Zeichen automatisch setzen", "", "", "", kPlain,
     [](TMainForm& f) { f.FontOperations().CalculateFontSizesExecute(); }},
    {ActionId::ResetCharSize, "ResetCharSize", "Breite aller Zeichen auf Zeichensatzbreite setzen", "", "", "", kPlain,
     [](TMainForm& f) { f.FontOperations().ResetCharSizeExecute(); }},
    {ActionId::CalculateCharSize, "CalculateCharSize", "Zeichenbreite setzen", "", "Ctrl+W", "", kPlain,
     [](TMainForm& f) { f.FontOperations().CalculateCharSizeExecute(); }},
    {ActionId::CharSpace, "CharSpace", "Minimaler Freiraum nach dem Zeichen", "", "", "", kPlain,
     [](TMainForm& f) { f.FontOperations().CharSpaceExecute(); }},
    {ActionId::ToggleEditSet, "ToggleEditSet", "ToggleEditSet", "Anzeige des Zeichensatzes ein/aus", "", "", kPlain,
     [](TMainForm& f) { f.SwitchView(ViewAction::ToggleEditSet); }},
    {ActionId::ImportAction, "ImportAction", "Import", "", "", "", kPlain,
     [](TMainForm& f) { f.Files().ImportActionExecute(); }},
    {ActionId::KerningSpacing, "KerningSpacing", "Kerning Test", "", "", "", kPlain,
     [](TMainForm& f) { f.SwitchView(ViewAction::KerningSpacing); }},
    {ActionId::HighlightSize, "HighlightSize", "Zeichenbreite hervorheben", "", "", "", kOption,
     [](TMainForm& f) { f.CharsetView().SetHighlightSize(f.IsChecked(ActionId::HighlightSize)); }},
    {ActionId::AutoLoadChar, "AutoLoadChar", "Zeichen bei Auswahl automatisch laden", "", "", "", kOption, nullptr},
    {ActionId::AutoStoreChar, "AutoStoreChar", "Zeichen bei Auswahl automatisch sichern", "", "", "", kOption, nullptr},
    {ActionId::RemoveLeftCols, "RemoveLeftCols", "Leerspalten vor dem Zeichen entfernen", "", "Ctrl+R", "", kPlain,
     [](TMainForm& f) { f.FontOperations().RemoveLeftColsExecute(); }},
    {ActionId::RemoveFontLeftCols, "RemoveFontLeftCols", "Leerspalten vor allen Zeichen entfernen", "", "", "", kPlain,
     [](TMainForm& f) { f.FontOperations().RemoveFontLeftColsExecute(); }},
    {ActionId::SelectStyleAction, "SelectStyleAction", "Erscheinungsbild ändern", "", "", "", kPlain,
     [](TMainForm& f) { f.SelectStyle(); }},
    {ActionId::Close, "Close", "Beenden", "", "Ctrl+Q", "", kPlain, [](TMainForm& f) { f.close(); },
     QKeySequence::Quit},
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
