#include "commands/picturefiles.h"

#include "commands/metafiles.h"
#include "errortext.h"
#include "model/fileio.h"
#include "model/ioerror.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPainter>

namespace {

// Far above any picture worth cropping to a glyph cell.
constexpr std::uintmax_t kMaxPictureFileSize = std::uintmax_t{64} * 1024 * 1024;

struct RasterFormat {
  const char* plugin;
  const char* description;
  QStringList extensions;
};

const RasterFormat kRasterFormats[] = {
    {"bmp", QT_TRANSLATE_NOOP("PictureFiles", "Bitmaps"), {QStringLiteral("bmp")}},
    {"jpeg", QT_TRANSLATE_NOOP("PictureFiles", "JPEG-Bilder"), {QStringLiteral("jpg"), QStringLiteral("jpeg")}},
    {"png", QT_TRANSLATE_NOOP("PictureFiles", "PNG-Bilder"), {QStringLiteral("png")}},
    {"tiff", QT_TRANSLATE_NOOP("PictureFiles", "TIFF-Bilder"), {QStringLiteral("tif"), QStringLiteral("tiff")}},
    {"ico", QT_TRANSLATE_NOOP("PictureFiles", "Symbole"), {QStringLiteral("ico")}},
};

QString Patterns(const QStringList& extensions) {
  QStringList patterns;
  for (const QString& extension : extensions) patterns << QStringLiteral("*.") + extension;
  return patterns.join(' ');
}

[[noreturn]] void Unreadable(const QString& path, const QString& reason) {
  throw FontError(
      QCoreApplication::translate("PictureFiles", "Die Datei \"%1\" kann nicht als Bild gelesen werden (%2).")
          .arg(QDir::toNativeSeparators(path), reason)
          .toStdString());
}

// Read through the file layer, which refuses what is no regular file and a
// file beyond the limit before reading it.
QByteArray ReadPictureFile(const QString& path) {
  try {
    const ByteArray data = ReadWholeFile(QFile::encodeName(path).toStdString(), kMaxPictureFileSize);
    return QByteArray(reinterpret_cast<const char*>(data.data()), static_cast<qsizetype>(data.size()));
  } catch (const IoError& error) {
    Unreadable(path, ErrorText(error));
  }
}

QImage OnWhite(const QImage& picture) {
  QImage result(picture.size(), QImage::Format_RGB32);
  result.fill(Qt::white);
  QPainter painter(&result);
  painter.drawImage(0, 0, picture);
  return result;
}

QImage ReadRaster(const QByteArray& data, QSize limit) {
  QBuffer buffer;
  buffer.setData(data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  const QSize size = reader.size();
  if (size.isValid()) reader.setClipRect(QRect(QPoint(0, 0), size.boundedTo(limit)));
  const QImage picture = reader.read();
  return picture.isNull() ? picture : OnWhite(picture.copy(QRect(QPoint(0, 0), picture.size().boundedTo(limit))));
}

}  // namespace

std::vector<PictureFormat> ReadablePictureFormats() {
  const QList<QByteArray> installed = QImageReader::supportedImageFormats();
  std::vector<PictureFormat> formats;
  for (const RasterFormat& raster : kRasterFormats)
    if (installed.contains(raster.plugin))
      formats.push_back({QCoreApplication::translate("PictureFiles", raster.description), raster.extensions});
  formats.push_back({QCoreApplication::translate("PictureFiles", "Erweiterte Metadateien"), {QStringLiteral("emf")}});
  formats.push_back({QCoreApplication::translate("PictureFiles", "Metadateien"), {QStringLiteral("wmf")}});
  return formats;
}

QStringList PictureFilters(const std::vector<PictureFormat>& formats) {
  QStringList all;
  QStringList filters;
  for (const PictureFormat& format : formats) {
    all << format.Extensions;
    filters << QStringLiteral("%1 (%2)").arg(format.Description, Patterns(format.Extensions));
  }
  filters.prepend(QCoreApplication::translate("PictureFiles", "Alle Bilder (%1)").arg(Patterns(all)));
  return filters;
}

QImage LoadPicture(const QString& path, QSize limit) {
  const QByteArray data = ReadPictureFile(path);
  QImage picture = DetectMetafile(data) != MetafileKind::None ? RenderMetafile(data, limit) : ReadRaster(data, limit);
  if (picture.isNull())
    Unreadable(path, QCoreApplication::translate("PictureFiles", "unbekanntes oder beschädigtes Bildformat"));
  return picture;
}
