#include "editsession.h"

#include "document.h"
#include "mainformtexts.h"
#include "qimagecanvas.h"
#include "userdialogs.h"

#include <algorithm>

namespace {

constexpr TColor kLightGrey = 0xC0C0C0;
constexpr TColor kGrey = 0x808080;

const char* const kStoreQuestion = QT_TRANSLATE_NOOP("EditSession",
                                                     "Das aktuelle Zeichen wurde noch nicht gesichert.\r"
                                                     "Soll die Sicherung jetzt durchgeführt werden?");

// The colour a pixel of the image really holds after writing the given one,
// so that later comparisons match the image's own representation.
TColor StoredColor(QImage& image, TColor color) {
  QImageCanvas canvas(image);
  canvas.SetPixel(0, 0, color);
  return canvas.GetPixel(0, 0);
}

QString ReassignQuestion(int from, int to) {
  return EditSession::tr(
             "Das aktuelle Zeichen wurde für den \rZeichencode %1h designt. Soll es\r"
             "tatsächlich %2h zugeordnet werden?")
      .arg(TwoHexDigits(from), TwoHexDigits(to));
}

}  // namespace

EditSession::EditSession(FontDocument& document, UserDialogs& dialogs)
    : fdocument(document),
      fdialogs(dialogs),
      fCharBMP(1, 1, QImage::Format_RGB32),
      fEditSize(document.EditFont().FontWidth()) {
  fcolors.Off = StoredColor(fCharBMP, kGrey);
  fcolors.Set = StoredColor(fCharBMP, kLightGrey);
  connect(&fdocument, &FontDocument::FontReplaced, this, [this] {
    ResetForNewFont();
    emit NewFontReady();
  });
  connect(&fdocument, &FontDocument::BaseLineChanged, this, &EditSession::PictureChanged);
}

EditSession::~EditSession() = default;

void EditSession::EditPicture(const PictureChange& change) {
  ChangePicture(false, change);
  emit PictureChanged();
}

void EditSession::EditPictureUndoable(const PictureChange& change) {
  ChangePicture(true, change);
  emit PictureChanged();
}

void EditSession::ChangePicture(bool undoable, const PictureChange& change) {
  // Shared until change writes, so keeping it costs nothing otherwise.
  const QImage before = fCharBMP;
  try {
    change(fCharBMP);
  } catch (...) {
    fCharBMP = before;
    throw;
  }
  if (undoable) {
    fhistory.Push(before);
    emit CommandStateChanged();
  }
  SetCharRequest(true);
}

void EditSession::SetEditSize(int value) {
  fEditSize = std::min(value, fdocument.EditFont().FontWidth());
  emit EditSizeChanged(fEditSize);
  emit PictureChanged();
}

void EditSession::ChangeEditSize(int value) {
  SetEditSize(value);
  SetCharRequest(true);
}

void EditSession::SetEditKerning(const TKerning& value) {
  fEditKerning.Assign(value);
  emit PictureChanged();
}

void EditSession::ChangeEditKerning(const TKerning& value) {
  fEditKerning.Assign(value);
  SetCharRequest(true);
  emit PictureChanged();
}

void EditSession::ChangeGlyph(const QImage& picture, int size, const TKerning& kerning) {
  fCharBMP = picture;
  SetEditSize(size);
  SetEditKerning(kerning);
  SetCharRequest(true);
}

void EditSession::SetCharRequest(bool value) {
  fcharrequest = value;
  emit CharRequestChanged(value);
}

void EditSession::SetMarkRect(const TMarkRect& value) {
  fMarkRect = value;
  emit MarkChanged();
}

QRect EditSession::MarkedArea() const { return MarkArea(fMarkRect, fCharBMP.size()); }

void EditSession::ClearMark() {
  fMarkRect = TMarkRect();
  fmarkCommands = false;
  emit CommandStateChanged();
  emit PictureChanged();
}

void EditSession::EnableMarkCommands() {
  fmarkCommands = true;
  emit CommandStateChanged();
}

void EditSession::SelectTool(ToolId tool) {
  ftool = tool;
  if (tool != ToolId::Mark) ClearMark();
  emit ToolChanged(tool);
}

void EditSession::PushUndo() {
  fhistory.Push(fCharBMP);
  emit CommandStateChanged();
}

void EditSession::Undo() {
  if (CanUndo()) RestorePicture(fhistory.Undo(fCharBMP));
}

void EditSession::Redo() {
  if (CanRedo()) RestorePicture(fhistory.Redo(fCharBMP));
}

void EditSession::RestorePicture(const QImage& picture) {
  fCharBMP = picture;
  SetCharRequest(true);
  ClearMark();
}

void EditSession::ClearHistory() {
  fhistory.Clear();
  emit CommandStateChanged();
}

void EditSession::BeginShape() {
  PushUndo();
  fDragUndoBMP = fCharBMP.copy();
}

QImage EditSession::LiftBlock() {
  PushUndo();
  QImage block = CopyArea(fCharBMP, MarkedArea(), fcolors);
  // A placed block's background is kept already; the block is not cut out of it.
  if (!fblockPlaced) {
    ClearArea(fCharBMP, MarkedArea(), fcolors);
    fDragUndoBMP = fCharBMP.copy();
  }
  return block;
}

void EditSession::MoveBlock(const QImage& block, const TMarkRect& mark) {
  fCharBMP = fDragUndoBMP.copy();
  SetMarkRect(mark);
  PasteToArea(fCharBMP, block, MarkedArea());
  emit PictureChanged();
}

void EditSession::DropBlock(const QImage& block) {
  ChangePicture(false, [&](QImage& picture) { PasteToArea(picture, block, MarkedArea()); });
  ClearMark();
  emit PictureChanged();
}

void EditSession::ClearMarkedArea() {
  ChangePicture(true, [&](QImage& picture) { ClearArea(picture, MarkedArea(), fcolors); });
  ClearMark();
}

void EditSession::PasteBlock(const QImage& picture) {
  PushUndo();
  SetCharRequest(true);
  if (!picture.isNull()) PlaceBlock(picture);
}

void EditSession::PlaceBlock(const QImage& picture) {
  SelectTool(ToolId::Mark);
  QImage block =
      picture.convertToFormat(QImage::Format_RGB32)
          .copy(0, 0, std::min(picture.width(), fCharBMP.width()), std::min(picture.height(), fCharBMP.height()));
  ThresholdBitmap(block, fcolors);
  fMarkRect = {0, 0, block.width() - 1, block.height() - 1};
  fDragUndoBMP = fCharBMP.copy();
  // The block's own size, not the mark: a one-pixel block is the empty mark,
  // which would otherwise stand for the whole glyph.
  PasteToArea(fCharBMP, block, QRect(QPoint(0, 0), block.size()));
  fblockPlaced = true;
  SetCharRequest(true);
  emit PictureChanged();
}

void EditSession::ClearEditChar() {
  const TFontHandler& font = fdocument.EditFont();
  fCharBMP = QImage(font.FontWidth(), font.FontHeight(), QImage::Format_RGB32);
  fCharBMP.fill(0xFF000000u | fcolors.Off);
  SetEditSize(font.FontWidth());
  fdocument.SetBaseLine(fdocument.BaseLine());
}

void EditSession::ResetForNewFont() {
  ClearEditChar();
  fEditKerning.Reset();
  fblockPlaced = false;
  ClearHistory();
  ClearMark();
}

void EditSession::LoadChar(int c) {
  const TFontHandler& font = fdocument.EditFont();
  QImageCanvas canvas(fCharBMP);
  canvas.PenColor = fcolors.Set;
  canvas.BrushColor = fcolors.Off;
  font.DrawCharacter(c, canvas, 0, 0);
  SetEditSize(font.GetCharSize(c));
  fEditChar = c;
  fEditKerning.Assign(font.GetKerning(c));
  // A block placed into the previous glyph must not move over this one.
  fblockPlaced = false;
  SetCharRequest(false);
  ClearHistory();
  emit PictureChanged();
}

void EditSession::StoreEditChar(bool ask) {
  if (!fcharrequest) return;
  if (!ask || fdialogs.AskYesNo(tr(kStoreQuestion)) == DialogAnswer::Yes)
    WriteEditChar();
  else
    fdocument.SetSaveRequest(true);
  SetCharRequest(false);
}

void EditSession::WriteEditChar() {
  fdocument.ChangeGlyph(fEditChar, [this](TFontHandler& font) { WriteEditCharInto(font); });
}

void EditSession::WriteEditCharInto(TFontHandler& font) const {
  // The scan reads the picture only; the adapter takes it as writable.
  QImage picture = fCharBMP;
  QImageCanvas canvas(picture);
  canvas.PenColor = fcolors.Set;
  font.ScanCharacter(fEditChar, canvas, 0, 0);
  font.SetCharSize(fEditChar, fEditSize);
  font.GetKerning(fEditChar).Assign(fEditKerning);
}

void EditSession::StoreCharAs(int code) {
  if (code != fEditChar) {
    if (fdialogs.AskYesNo(ReassignQuestion(fEditChar, code)) != DialogAnswer::Yes) return;
    fEditChar = code;
  }
  SetCharRequest(true);
  StoreEditChar(false);
}

void EditSession::LoadCommand(int selected, bool moveChar, bool autoStore) {
  if (moveChar)
    StoreCharAs(selected);
  else
    StoreEditChar(!autoStore);
  LoadChar(selected);
}
