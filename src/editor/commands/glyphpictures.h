#pragma once

#include "glyphblocks.h"
#include "userdialogs.h"

#include <QCoreApplication>
#include <QImage>
#include <QString>

class EditSession;

// The name proposed for the picture of glyph code: the font file's name with
// its extension replaced by _Cxx.bmp (xx the code in upper-case hex), the
// suffix alone for a font without a file.
QString ProposedPictureName(const QString& fontFile, int code);

// Writes the glyph as an uncompressed BMP in its two colours; throws IoError.
void WriteGlyphPicture(const QImage& glyph, const GlyphColors& colors, const QString& path);

// The two commands that exchange the editor glyph with picture files.
class TGlyphPictureCommands {
  Q_DECLARE_TR_FUNCTIONS(TGlyphPictureCommands)

 public:
  TGlyphPictureCommands(EditSession& session, UserDialogs& dialogs);

  void SaveAsBitmapExecute();
  // Brings a picture into the glyph like a paste, without an undo step. A
  // file that cannot be read changes nothing.
  void LoadFromBitmapExecute();
  // The same for a picture file named outside the dialog (dropped on the editor).
  void ImportPicture(const QString& path);
  // Whether the file's name marks a picture format that loads here.
  static bool IsPictureFileName(const QString& path);

  // Kept between uses, so each dialog shows its last choice.
  FileChoice SavePictureDialog;
  FileChoice OpenPictureDialog;

 private:
  EditSession& fsession;
  UserDialogs& fdialogs;
};
