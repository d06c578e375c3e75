#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

// A picture format the glyph picture import reads.
struct PictureFormat {
  QString Description;
  // Without the dot, lower case.
  QStringList Extensions;
};

// The formats that load on this machine: the raster formats whose Qt image
// plugin is installed, and the two metafile formats, in the open dialog's order.
std::vector<PictureFormat> ReadablePictureFormats();

// File dialog entries: one for all the formats, then one per format.
QStringList PictureFilters(const std::vector<PictureFormat>& formats);

// The top-left part, at most limit, of the picture in the file at its own
// size in pixels; transparent parts lie on white. The format is taken from
// the content. Throws FontError naming the file when it cannot be read.
QImage LoadPicture(const QString& path, QSize limit);
