#include "commands/metafiles.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>

#include <emf2svg.h>
#include <libwmf/api.h>
#include <libwmf/svg.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <optional>

namespace {

constexpr quint32 kEmfHeaderRecord = 1;
constexpr quint32 kEmfSignature = 0x464D4520;  // " EMF"
constexpr int kEmfSignatureOffset = 40;
constexpr int kEmfHeaderSize = 88;
constexpr quint32 kPlaceableKey = 0x9AC6CDD7;
constexpr int kPlaceableHeaderSize = 22;
constexpr int kWmfHeaderSize = 18;
constexpr double kScreenDpi = 96;
constexpr double kPointsPerInch = 72;

template <typename T>
T Read(const QByteArray& data, int offset) {
  return qFromLittleEndian<T>(data.constData() + offset);
}

// A metafile turned into SVG, with the size it is drawn at.
struct SvgPicture {
  QByteArray Svg;
  QSize Size;
};

int ToPixels(double value) { return static_cast<int>(std::clamp(std::ceil(value - 1e-6), 0.0, double(INT_MAX))); }

// The converters' SVG uses one unit per pixel of the picture.
QImage DrawSvg(const SvgPicture& picture, QSize limit) {
  QSvgRenderer renderer(picture.Svg);
  if (!renderer.isValid() || picture.Size.isEmpty()) return {};
  QImage image(picture.Size.boundedTo(limit), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  renderer.render(&painter, QRectF(QPointF(0, 0), renderer.viewBoxF().size()));
  return image;
}

std::optional<SvgPicture> EmfToSvg(const QByteArray& data) {
  // The header's bounds are inclusive device pixels.
  const qint64 width = qint64(Read<qint32>(data, 16)) - Read<qint32>(data, 8) + 1;
  const qint64 height = qint64(Read<qint32>(data, 20)) - Read<qint32>(data, 12) + 1;
  if (width <= 0 || height <= 0) return std::nullopt;
  QByteArray contents = data;
  char noNamespace[] = "";
  generatorOptions options{};
  options.nameSpace = noNamespace;
  options.emfplus = true;
  options.svgDelimiter = true;
  char* svg = nullptr;
  size_t length = 0;
  const int converted = emf2svg(contents.data(), static_cast<size_t>(contents.size()), &svg, &length, &options);
  const std::unique_ptr<char, decltype(&std::free)> owned(svg, &std::free);
  if (!converted || svg == nullptr) return std::nullopt;
  return SvgPicture{
      QByteArray(svg, static_cast<qsizetype>(length)),
      QSize(static_cast<int>(std::min<qint64>(width, INT_MAX)), static_cast<int>(std::min<qint64>(height, INT_MAX)))};
}

class WmfPlayer {
 public:
  WmfPlayer() {
    wmfAPI_Options options{};
    options.function = wmf_svg_function;
    const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    if (wmf_api_create(&fapi, flags, &options) != wmf_E_None) fapi = nullptr;
  }
  ~WmfPlayer() {
    if (fapi) wmf_api_destroy(fapi);
  }
  WmfPlayer(const WmfPlayer&) = delete;
  WmfPlayer& operator=(const WmfPlayer&) = delete;

  // The player measures in points from the picture's top-left corner; the
  // SVG document it writes is in pixels of the picture.
  std::optional<SvgPicture> Play(QByteArray& data) {
    wmfD_Rect drawn{};
    if (!fapi || wmf_mem_open(fapi, reinterpret_cast<unsigned char*>(data.data()), data.size()) != wmf_E_None ||
        wmf_scan(fapi, 0, &drawn) != wmf_E_None)
      return std::nullopt;
    auto [frame, size] = Frame(data, drawn);
    if (size.isEmpty()) return std::nullopt;
    wmf_svg_t* device = WMF_SVG_GetData(fapi);
    device->out = wmf_stream_create(fapi, nullptr);
    device->bbox = frame;
    device->width = static_cast<unsigned>(size.width());
    device->height = static_cast<unsigned>(size.height());
    if (device->out == nullptr || wmf_play(fapi, 0, &frame) != wmf_E_None) return std::nullopt;
    char* svg = nullptr;
    unsigned long length = 0;
    wmf_stream_destroy(fapi, device->out, &svg, &length);
    SvgPicture result{QByteArray(svg, static_cast<qsizetype>(length)), size};
    wmf_free(fapi, svg);
    return result;
  }

 private:
  // The placeable header names the picture's extent and its units per inch;
  // without it the drawing's own extent is all there is.
  static std::pair<wmfD_Rect, QSize> Frame(const QByteArray& data, const wmfD_Rect& drawn) {
    if (Read<quint32>(data, 0) != kPlaceableKey) {
      const double width = drawn.BR.x - drawn.TL.x;
      const double height = drawn.BR.y - drawn.TL.y;
      return {drawn,
              QSize(ToPixels(width * kScreenDpi / kPointsPerInch), ToPixels(height * kScreenDpi / kPointsPerInch))};
    }
    const int units = Read<quint16>(data, 14);
    if (units == 0) return {drawn, QSize()};
    const double width = double(Read<qint16>(data, 10)) - Read<qint16>(data, 6);
    const double height = double(Read<qint16>(data, 12)) - Read<qint16>(data, 8);
    wmfD_Rect frame{};
    frame.BR.x = static_cast<float>(width * kPointsPerInch / units);
    frame.BR.y = static_cast<float>(height * kPointsPerInch / units);
    return {frame, QSize(ToPixels(width * kScreenDpi / units), ToPixels(height * kScreenDpi / units))};
  }

  wmfAPI* fapi = nullptr;
};

std::optional<SvgPicture> WmfToSvg(const QByteArray& data) {
  QByteArray contents = data;
  WmfPlayer player;
  return player.Play(contents);
}

}  // namespace

MetafileKind DetectMetafile(const QByteArray& data) {
  if (data.size() >= kEmfHeaderSize && Read<quint32>(data, 0) == kEmfHeaderRecord &&
      Read<quint32>(data, kEmfSignatureOffset) == kEmfSignature)
    return MetafileKind::Emf;
  if (data.size() >= kPlaceableHeaderSize + kWmfHeaderSize && Read<quint32>(data, 0) == kPlaceableKey)
    return MetafileKind::Wmf;
  // A plain WMF header: type 1 (memory) or 2 (disk), nine words long, version 1 or 3.
  if (data.size() >= kWmfHeaderSize) {
    const quint16 type = Read<quint16>(data, 0);
    const quint16 words = Read<quint16>(data, 2);
    const quint16 version = Read<quint16>(data, 4);
    if ((type == 1 || type == 2) && words == 9 && (version == 0x100 || version == 0x300)) return MetafileKind::Wmf;
  }
  return MetafileKind::None;
}

QImage RenderMetafile(const QByteArray& data, QSize limit) {
  std::optional<SvgPicture> svg;
  switch (DetectMetafile(data)) {
    case MetafileKind::Emf:
      svg = EmfToSvg(data);
      break;
    case MetafileKind::Wmf:
      svg = WmfToSvg(data);
      break;
    case MetafileKind::None:
      break;
  }
  return svg ? DrawSvg(*svg, limit) : QImage();
}
