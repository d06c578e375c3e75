#include "fontoperations.h"

#include "dialogs/charspacedlg.h"
#include "dialogs/inprocess.h"
#include "dialogs/parameterdlg.h"
#include "document.h"
#include "editsession.h"
#include "model/fontresize.h"
#include "placement.h"
#include "qimagecanvas.h"
#include "userdialogs.h"
#include "waitcursor.h"

namespace {

const QString kAutoWidthsQuestion = QStringLiteral(
    "Sie haben die Funktion \"Automatisches Setzen der Zeichenbreite im gesamten Zeichensatz\" gewählt.\r"
    "Diese Funktion überschreibt alle von ihnen manuell vorgenommenen Änderungen!\r"
    "Wollen sie die Funktion dennoch ausführen?");
const QString kFullWidthsQuestion = QStringLiteral(
    "Sie haben die Funktion \" Setzen der Breite aller Zeichen auf Maximum\" gewählt.\r"
    "Diese Funktion überschreibt alle von ihnen manuell vorgenommenen Änderungen!\r"
    "Wollen sie die Funktion dennoch ausführen?");
const QString kRemoveColumnsQuestion = QStringLiteral(
    "Sie haben die Funktion \"Leerspalten vor allen Zeichen entfernen\" gewählt.\r"
    "Diese Funktion kann nicht rückgängig gemacht werden!\r"
    "Wollen sie die Funktion dennoch ausführen?");
const QString kConverting = QStringLiteral("Konvertiere...");

// The glyph in the editor is glyph 0 of the scratch font.
constexpr int kEdited = 0;

}  // namespace

TFontOperations::TFontOperations(EditSession& session, UserDialogs& dialogs, TParameterDLG& parameterDlg,
                                 TCharSpaceDlg& charSpaceDlg, TInProcess& inProcess, QWidget& window)
    : fsession(session),
      fdocument(session.Document()),
      fdialogs(dialogs),
      fparameterDlg(parameterDlg),
      fcharSpaceDlg(charSpaceDlg),
      finProcess(inProcess),
      fwindow(window) {}

int TFontOperations::Space() const { return fcharSpaceDlg.space(); }

void TFontOperations::ChangeParameterExecute() {
  const TFontHandler& font = fdocument.EditFont();
  fparameterDlg.Setfontwidth(font.FontWidth());
  fparameterDlg.Setfontheight(font.FontHeight());
  fparameterDlg.Setfontbase(font.BaseLine());
  CenterForm(fwindow, fparameterDlg);
  if (!fdialogs.Execute(fparameterDlg)) return;
  const WaitCursor wait;
  TInProcessRun progress(finProcess, fwindow, fdocument.filename(), kConverting);
  // The editor and the views follow the new font through the document.
  fdocument.ChangeFont(ResizeFont(font, fparameterDlg.fontwidth(), fparameterDlg.fontheight(), fparameterDlg.fontbase(),
                                  fparameterDlg.position(), [&](int c) { progress.Step(c); }));
}

void TFontOperations::ChangeEveryGlyph(const QString& question, const std::function<void(TFontHandler&, int c)>& change,
                                       const std::function<void()>& followInEditor) {
  fsession.StoreEditChar(true);
  if (fdialogs.AskYesNo(question) != DialogAnswer::Yes) return;
  fdocument.ChangeMetrics([&](TFontHandler& font) {
    for (int c = 0; c < kGlyphCount; ++c) change(font, c);
  });
  followInEditor();
  // The editor's glyph took the same change as the font: nothing to store.
  fsession.SetCharRequest(false);
}

void TFontOperations::CalculateFontSizesExecute() {
  ChangeEveryGlyph(
      kAutoWidthsQuestion, [this](TFontHandler& font, int c) { font.CalculateCharSize(c, Space()); },
      [this] { CalculateCharSizeExecute(); });
}

void TFontOperations::ResetCharSizeExecute() {
  ChangeEveryGlyph(
      kFullWidthsQuestion, [](TFontHandler& font, int c) { font.SetCharSize(c, font.FontWidth()); },
      [this] { fsession.SetEditSize(fdocument.EditFont().FontWidth()); });
}

TFontHandler TFontOperations::EditedGlyph() {
  QImage picture = fsession.CharBMP();
  TFontHandler glyph(picture.width(), picture.height());
  QImageCanvas canvas(picture);
  canvas.PenColor = fsession.SetColor();
  glyph.ScanCharacter(kEdited, canvas, 0, 0);
  glyph.SetCharSize(kEdited, fsession.EditSize());
  glyph.SetKerning(kEdited, fsession.EditKerning());
  return glyph;
}

void TFontOperations::CalculateCharSizeExecute() {
  TFontHandler glyph = EditedGlyph();
  glyph.CalculateCharSize(kEdited, Space());
  fsession.ChangeEditSize(glyph.GetCharSize(kEdited));
}

void TFontOperations::RemoveLeftColsExecute() {
  TFontHandler glyph = EditedGlyph();
  glyph.RemoveLeftCols(kEdited, Space());
  QImage shifted = fsession.CharBMP().copy();
  QImageCanvas canvas(shifted);
  canvas.PenColor = fsession.SetColor();
  canvas.BrushColor = fsession.OffColor();
  glyph.DrawCharacter(kEdited, canvas, 0, 0);
  // No ink, or ink in the first column: nothing moves.
  if (shifted == fsession.CharBMP()) return;
  // The width shrinks by the columns removed, but never below 0.
  fsession.ChangeGlyph(shifted, glyph.GetCharSize(kEdited), glyph.GetKerning(kEdited));
}

void TFontOperations::RemoveFontLeftColsExecute() {
  ChangeEveryGlyph(
      kRemoveColumnsQuestion, [this](TFontHandler& font, int c) { font.RemoveLeftCols(c, Space()); },
      [this] { RemoveLeftColsExecute(); });
}

void TFontOperations::CharSpaceExecute() {
  fcharSpaceDlg.SetMaxFontsize(fdocument.EditFont().FontWidth());
  CenterForm(fwindow, fcharSpaceDlg);
  fdialogs.Execute(fcharSpaceDlg);
}
