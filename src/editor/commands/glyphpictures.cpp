#include "commands/glyphpictures.h"

#include "commands/picturefiles.h"
#include "document.h"
#include "editsession.h"
#include "mainformtexts.h"
#include "render/imagefiles.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

QString ProposedPictureName(const QString& fontFile, int code) {
  const QString suffix = QStringLiteral("_C%1.bmp").arg(TwoHexDigits(code));
  const qsizetype separator = std::max(fontFile.lastIndexOf('/'), fontFile.lastIndexOf('\\'));
  const qsizetype dot = fontFile.lastIndexOf('.');
  return (dot > separator ? fontFile.left(dot) : fontFile) + suffix;
}

void WriteGlyphPicture(const QImage& glyph, const GlyphColors& colors, const QString& path) {
  const QImage picture = glyph.convertToFormat(QImage::Format_RGB32);
  IndexedImageSource source;
  source.width = picture.width();
  source.height = picture.height();
  source.palette = {colors.Off, colors.Set};
  source.row = [&](int y, std::uint8_t* indices) {
    const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
    for (int x = 0; x < picture.width(); ++x) indices[x] = (line[x] & 0xFFFFFFu) == colors.Set ? 1 : 0;
  };
  WriteBmp(QFile::encodeName(path).toStdString(), source);
}

TGlyphPictureCommands::TGlyphPictureCommands(EditSession& session, UserDialogs& dialogs)
    : fsession(session), fdialogs(dialogs) {
  SavePictureDialog.Title = tr("Speichere Zeichen als Bitmap");
  SavePictureDialog.Filters = {tr("Bitmaps (*.bmp)")};
  SavePictureDialog.DefaultExt = QStringLiteral("bmp");
  OpenPictureDialog.Title = tr("Zeichen aus Bitmap importieren");
}

void TGlyphPictureCommands::SaveAsBitmapExecute() {
  SavePictureDialog.FileName = ProposedPictureName(fsession.Document().filename(), fsession.EditChar());
  if (fdialogs.ChooseSaveFile(SavePictureDialog))
    WriteGlyphPicture(fsession.CharBMP(), fsession.Colors(), SavePictureDialog.FileName);
}

void TGlyphPictureCommands::LoadFromBitmapExecute() {
  OpenPictureDialog.Filters = PictureFilters(ReadablePictureFormats());
  if (fdialogs.ChooseOpenFile(OpenPictureDialog)) ImportPicture(OpenPictureDialog.FileName);
}

void TGlyphPictureCommands::ImportPicture(const QString& path) {
  fsession.PlaceBlock(LoadPicture(path, fsession.CharBMP().size()));
}

bool TGlyphPictureCommands::IsPictureFileName(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  const std::vector<PictureFormat> formats = ReadablePictureFormats();
  return std::any_of(formats.begin(), formats.end(),
                     [&suffix](const PictureFormat& format) { return format.Extensions.contains(suffix); });
}
