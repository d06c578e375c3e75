#pragma once

#include "glyphblocks.h"
#include "model/fonthandler.h"
#include "tools/tooltable.h"
#include "undohistory.h"

#include <QImage>
#include <QObject>

#include <functional>

class FontDocument;
class UserDialogs;

// The glyph being edited: a working copy of one glyph of the document's font
// with its width and kerning zones, the mark, the current tool and the undo
// history. The font changes only when the glyph is stored.
class EditSession : public QObject {
  Q_OBJECT

 public:
  EditSession(FontDocument& document, UserDialogs& dialogs);
  ~EditSession() override;

  FontDocument& Document() { return fdocument; }
  const FontDocument& Document() const { return fdocument; }

  // One pixel per font pixel, each SetColor or OffColor.
  const QImage& CharBMP() const { return fCharBMP; }
  // The colours CharBMP really stores for light grey and grey.
  const GlyphColors& Colors() const { return fcolors; }
  TColor SetColor() const { return fcolors.Set; }
  TColor OffColor() const { return fcolors.Off; }

  // Draws into the picture. When change returns, the glyph counts as changed
  // and the editor shows it again; when it throws, the picture is restored as
  // it was and nothing is flagged or announced.
  using PictureChange = std::function<void(QImage& picture)>;
  void EditPicture(const PictureChange& change);
  // The same as one undo step of its own.
  void EditPictureUndoable(const PictureChange& change);

  int EditChar() const { return fEditChar; }
  int EditSize() const { return fEditSize; }
  // Clamped to the font's cell width.
  void SetEditSize(int value);
  // Sets the width as a change of the glyph.
  void ChangeEditSize(int value);
  const TKerning& EditKerning() const { return fEditKerning; }
  void SetEditKerning(const TKerning& value);
  // Sets the zones as a change of the glyph.
  void ChangeEditKerning(const TKerning& value);
  // Picture, width and zones at once, as a change of the glyph.
  void ChangeGlyph(const QImage& picture, int size, const TKerning& kerning);
  bool CharRequest() const { return fcharrequest; }
  void SetCharRequest(bool value);

  const TMarkRect& MarkRect() const { return fMarkRect; }
  void SetMarkRect(const TMarkRect& value);
  // The block the editing commands act on (the whole glyph when nothing is marked).
  QRect MarkedArea() const;
  // Clears the mark and disables cutting and copying.
  void ClearMark();
  // A finished mark drag offers cutting and copying, even for the empty mark.
  void EnableMarkCommands();
  bool MarkCommandsEnabled() const { return fmarkCommands; }

  ToolId Tool() const { return ftool; }
  // Any tool but the mark tool clears the mark.
  void SelectTool(ToolId tool);

  // A drag that changes the picture over several moves takes its one undo
  // step when it begins.
  void PushUndo();
  bool CanUndo() const { return fhistory.CanUndo(); }
  bool CanRedo() const { return fhistory.CanRedo(); }
  // Both restore the picture only; the glyph counts as changed and the mark goes.
  void Undo();
  void Redo();
  void ClearHistory();

  // The background under a moving or placed block, and under a shape being drawn.
  const QImage& DragUndoBMP() const { return fDragUndoBMP; }
  // A shape drag begins: one undo step, and the picture is kept as the
  // background each move draws the shape over.
  void BeginShape();
  // A block drag begins: one undo step; the marked block is returned and,
  // unless it is a placed block, cut out of the picture, which becomes its background.
  QImage LiftBlock();
  // The lifted block, marked at mark, is shown over its background.
  void MoveBlock(const QImage& block, const TMarkRect& mark);
  // The block drag ends: the block stays where it is marked, the mark goes.
  void DropBlock(const QImage& block);
  // Clears the marked area as one undo step; the mark goes.
  void ClearMarkedArea();
  // A paste: one undo step, and the glyph counts as changed even when there
  // is no picture to place.
  void PasteBlock(const QImage& picture);
  // Puts a picture into the glyph the way a paste does: cropped to the cell,
  // thresholded, marked at the top left and left movable over its background.
  void PlaceBlock(const QImage& picture);
  // A pasted or imported block lies in the glyph, its background in DragUndoBMP.
  bool BlockPlaced() const { return fblockPlaced; }
  void EndPlacedBlock() { fblockPlaced = false; }

  // Sizes the glyph to the font's cell and clears it.
  void ClearEditChar();
  // The editor after the font was replaced: empty glyph, no zones, no history, no mark.
  void ResetForNewFont();
  // Draws glyph c of the font into the editor with its width and zones.
  void LoadChar(int c);
  // Writes a pending glyph into the font, after a question when ask is set.
  // Either way the edit counts as handled and the font as changed.
  void StoreEditChar(bool ask);
  // Writes the glyph as storing it would, into another font of the same cell.
  void WriteEditCharInto(TFontHandler& font) const;
  // Stores the glyph under the given code, asking first when that is not the
  // code it was loaded from; the editor then edits that code.
  void StoreCharAs(int code);
  // The load command: a pending glyph is stored (under the selected code after
  // a Shift click), then the selected glyph is loaded.
  void LoadCommand(int selected, bool moveChar, bool autoStore);

 signals:
  // The document's font was replaced and the editor is reset for it. Whatever
  // reads the editor's glyph, or may load one, follows the new font from here,
  // whatever the order the document's listeners were connected in.
  void NewFontReady();
  // The picture, zones or width changed: the editor shows it again.
  void PictureChanged();
  // Only the marked rectangle changed.
  void MarkChanged();
  void EditSizeChanged(int size);
  void CharRequestChanged(bool value);
  void ToolChanged(ToolId tool);
  // Undo, redo, cut or copy may have become available or unavailable.
  void CommandStateChanged();

 private:
  // Changes the picture and flags the glyph; restores the picture when change throws.
  void ChangePicture(bool undoable, const PictureChange& change);
  void WriteEditChar();
  void RestorePicture(const QImage& picture);

  FontDocument& fdocument;
  UserDialogs& fdialogs;
  QImage fCharBMP;
  GlyphColors fcolors;
  QImage fDragUndoBMP;
  int fEditChar = 0;
  int fEditSize;
  TKerning fEditKerning;
  bool fcharrequest = false;
  TMarkRect fMarkRect;
  bool fmarkCommands = false;
  ToolId ftool = ToolId::Mark;
  UndoHistory fhistory;
  bool fblockPlaced = false;
};
