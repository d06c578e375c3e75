#include "commands/fontoperations.h"

#include "charspace.h"
#include "document.h"
#include "editsession.h"
#include "fontrequests.h"
#include "model/fontresize.h"
#include "progressdisplay.h"
#include "qimagecanvas.h"
#include "userdialogs.h"
#include "waitcursor.h"

namespace {

const char* const kAutoWidthsQuestion = QT_TRANSLATE_NOOP(
    "TFontOperations",
    "Sie haben die Funktion \"Automatisches Setzen der Zeichenbreite im gesamten Zeichensatz\" gewählt.\r"
    "Diese Funktion überschreibt alle von ihnen manuell vorgenommenen Änderungen!\r"
    "Wollen sie die Funktion dennoch ausführen?");
const char* const kFullWidthsQuestion =
    QT_TRANSLATE_NOOP("TFontOperations",
                      "Sie haben die Funktion \" Setzen der Breite aller Zeichen auf Maximum\" gewählt.\r"
                      "Diese Funktion überschreibt alle von ihnen manuell vorgenommenen Änderungen!\r"
                      "Wollen sie die Funktion dennoch ausführen?");
const char* const kRemoveColumnsQuestion =
    QT_TRANSLATE_NOOP("TFontOperations",
                      "Sie haben die Funktion \"Leerspalten vor allen Zeichen entfernen\" gewählt.\r"
                      "Diese Funktion kann nicht rückgängig gemacht werden!\r"
                      "Wollen sie die Funktion dennoch ausführen?");
const char* const kShrinkQuestion = QT_TRANSLATE_NOOP("TFontOperations",
                                                      "Sie wollen die Zeichengröße verringern.\r"
                                                      "Dabei kann es zu Infomationsverlusten kommen.\r"
                                                      "Soll die Aktion dennoch ausgeführt werden?");
const char* const kConverting = QT_TRANSLATE_NOOP("TFontOperations", "Konvertiere...");

// The glyph in the editor is glyph 0 of the scratch font.
constexpr int kEdited = 0;

}  // namespace

TFontOperations::TFontOperations(EditSession& session, UserDialogs& dialogs, FontRequests& requests, CharSpace& space,
                                 ProgressDisplay& progress)
    : fsession(session),
      fdocument(session.Document()),
      fdialogs(dialogs),
      frequests(requests),
      fspace(space),
      fprogress(progress) {}

int TFontOperations::Space() const { return fspace.Value(); }

void TFontOperations::ChangeParameterExecute() {
  const TFontHandler& font = fdocument.EditFont();
  const auto chosen = frequests.AskFontParameters({font.FontWidth(), font.FontHeight(), font.BaseLine(), fplacement});
  if (!chosen) return;
  const bool shrinks = chosen->Width < font.FontWidth() || chosen->Height < font.FontHeight();
  if (shrinks && fdialogs.AskYesNo(tr(kShrinkQuestion)) != DialogAnswer::Yes) return;
  fplacement = chosen->Position;
  const WaitCursor wait;
  ProgressRun progress(fprogress, fdocument.filename(), tr(kConverting));
  // The editor and the views follow the new font through the document.
  fdocument.ChangeFont(ResizeFont(font, chosen->Width, chosen->Height, chosen->Base, chosen->Position,
                                  [&](int c) { progress.Step(c); }));
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
      tr(kAutoWidthsQuestion), [this](TFontHandler& font, int c) { font.CalculateCharSize(c, Space()); },
      [this] { CalculateCharSizeExecute(); });
}

void TFontOperations::ResetCharSizeExecute() {
  ChangeEveryGlyph(
      tr(kFullWidthsQuestion), [](TFontHandler& font, int c) { font.SetCharSize(c, font.FontWidth()); },
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
      tr(kRemoveColumnsQuestion), [this](TFontHandler& font, int c) { font.RemoveLeftCols(c, Space()); },
      [this] { RemoveLeftColsExecute(); });
}

void TFontOperations::CharSpaceExecute() {
  if (const auto space = frequests.AskCharSpace(Space(), fdocument.EditFont().FontWidth())) fspace.Set(*space);
}
