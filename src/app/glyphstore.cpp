#include "app/glyphstore.h"

#include "app/mainstate.h"
#include "app/qimagecanvas.h"
#include "app/userdialogs.h"

namespace {

const QString kStoreQuestion = QStringLiteral(
    "Das aktuelle Zeichen wurde noch nicht gesichert.\r"
    "Soll die Sicherung jetzt durchgeführt werden?");

}  // namespace

TGlyphStore::TGlyphStore(MainState& state, UserDialogs& dialogs) : fstate(state), fdialogs(dialogs) {}

void TGlyphStore::StoreEditChar(bool ask) {
  if (!fstate.CharRequest()) return;
  if (!ask || fdialogs.AskYesNo(kStoreQuestion) == DialogAnswer::Yes) WriteEditChar();
  fstate.SetCharRequest(false);
  fstate.SetSaveRequest(true);
  emit EditCharHandled();
}

void TGlyphStore::WriteEditChar() {
  const int c = fstate.EditChar;
  TFontHandler& font = fstate.EditFont();
  QImageCanvas canvas(fstate.CharBMP);
  canvas.PenColor = fstate.SetColor;
  font.ScanCharacter(c, canvas, 0, 0);
  font.SetCharSize(c, fstate.EditSize());
  font.GetKerning(c).Assign(fstate.EditKerning());
  emit GlyphStored(c);
}
