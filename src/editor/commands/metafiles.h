#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

// Windows metafiles: EMF through libemf2svg, WMF through libwmf, both drawn
// by Qt's SVG renderer at the picture's own size in pixels.
enum class MetafileKind { None, Emf, Wmf };

// Recognised by content, whatever the file is called.
MetafileKind DetectMetafile(const QByteArray& data);

// The top-left part of the metafile, at most limit, drawn on white; a null
// image when the data cannot be read. A WMF with a placeable header is drawn
// at 96 pixels per inch; one without is drawn over the extent of its drawing.
QImage RenderMetafile(const QByteArray& data, QSize limit);
