#include "views/printing.h"

#include "model/fonthandler.h"
#include "programinfo.h"
#include "render/charsetpicture.h"
#include "version.h"
#include "views/picturebox.h"
#include "waitcursor.h"
#include "windowdialogs.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <stdexcept>

namespace {

constexpr int kPointsPerInch = 72;
constexpr int kTitlePointSize = 12;
constexpr int kFooterPointSize = 10;
// Title heights kept free above the picture and below it.
constexpr int kBandTop = 2;
constexpr int kBandBottom = 3;

// Writes text with its top-left corner at (x, y).
void TextOut(QPainter& painter, int x, int y, const QString& text) {
  painter.drawText(x, y + painter.fontMetrics().ascent(), text);
}

QFont PrinterFont(int pointSize) { return QFont(QStringLiteral("Arial"), pointSize); }

}  // namespace

PrintLayout LayoutPrint(const PrintPage& page, QSize picture, int titleHeight) {
  PrintLayout layout;
  (page.Landscape ? layout.Top : layout.Left) = page.Dpi;
  const int width = page.Printable.width() - layout.Left;
  const int height = page.Printable.height() - (kBandTop + kBandBottom) * titleHeight - layout.Top;
  layout.Band = QRect(layout.Left, layout.Top + kBandTop * titleHeight, width, height);
  const int fitting = std::min(width / std::max(picture.width(), 1), height / std::max(picture.height(), 1));
  // Below 72 dpi a printer pixel is already larger than a point.
  layout.Scale = std::max(1, std::min(fitting, page.Dpi / kPointsPerInch));
  layout.Clipped = fitting < 1;
  const QSize printed = picture * layout.Scale;
  QPoint corner((width - printed.width()) / 2 + layout.Left, (height - printed.height()) / 2 + layout.Band.top());
  if (layout.Clipped)
    corner = QPoint(std::max(corner.x(), layout.Band.left()), std::max(corner.y(), layout.Band.top()));
  layout.Picture = QRect(corner, printed);
  return layout;
}

QString PrintTitle(const QString& fontFile, QSize cell, int dpi, const PrintLayout& layout) {
  const double ratio = double(dpi) / kPointsPerInch / layout.Scale;
  QString title = TPrintCommand::tr("%1 (%2x%3 Pixel) 1:%4")
                      .arg(QFileInfo(fontFile).fileName())
                      .arg(cell.width())
                      .arg(cell.height())
                      .arg(QLocale().toString(ratio, 'f', 1));
  if (layout.Clipped) title += TPrintCommand::tr(" (größer als die Seite, abgeschnitten)");
  return title;
}

QImage PrintedCharset(const TFontHandler& font, bool highlightSize) {
  Bitmap table;
  PaintCharset(font, highlightSize, charset::kPaper, table);
  QImage picture(table.Width(), table.Height(), QImage::Format_RGB32);
  CopyBitmapArea(table, picture, picture.rect());
  return picture;
}

void PrintCharset(QPrinter& printer, const QImage& charset, const QString& fontFile, QSize cell) {
  QPainter painter;
  if (!painter.begin(&printer))
    throw std::runtime_error(TPrintCommand::tr("Der Drucker kann nicht angesprochen werden.").toStdString());
  const PrintPage page{printer.resolution(), printer.pageLayout().orientation() == QPageLayout::Landscape,
                       printer.pageLayout().paintRectPixels(printer.resolution()).size()};
  painter.setFont(PrinterFont(kTitlePointSize));
  const int th = painter.fontMetrics().height();
  const PrintLayout layout = LayoutPrint(page, charset.size(), th);
  const QString title = PrintTitle(fontFile, cell, page.Dpi, layout);
  const int pw = page.Printable.width();
  const int ph = page.Printable.height();
  TextOut(painter, layout.Left + (pw - layout.Left - painter.fontMetrics().horizontalAdvance(title)) / 2, layout.Top,
          title);

  painter.setFont(PrinterFont(kFooterPointSize));
  const QString address = QString::fromUtf8(kMakerWebAddress);
  TextOut(
      painter, layout.Left, ph - 2 * th,
      QStringLiteral("%1 (Version %2)").arg(QString::fromUtf8(kApplicationTitle), FileVersionString(ProgramFile())));
  TextOut(painter, layout.Left, ph - th, QCoreApplication::translate("ProgramInfo", kNoticeText));
  TextOut(painter, pw - painter.fontMetrics().horizontalAdvance(address), ph - th, address);

  if (layout.Clipped) painter.setClipRect(layout.Band);
  // Printing goes through PDF, whose default JPEG coding would blur the pixels.
  painter.setRenderHint(QPainter::LosslessImageRendering);
  painter.drawImage(layout.Picture, charset);
  if (!painter.end())
    throw std::runtime_error(TPrintCommand::tr("Der Druckauftrag konnte nicht abgeschlossen werden.").toStdString());
}

TPrintCommand::TPrintCommand(WindowDialogs& dialogs) : fdialogs(dialogs) {}

TPrintCommand::~TPrintCommand() = default;

void TPrintCommand::PrintExecute(const TFontHandler& font, const QString& fontFile, bool highlightSize) {
  // Made on first use: finding the printers can take a while.
  if (!fprinter) fprinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
  if (!fdialogs.ChoosePrinter(*fprinter)) return;
  const WaitCursor hourglass;
  fprinter->setDocName(QString::fromUtf8(kApplicationTitle));
  PrintCharset(*fprinter, PrintedCharset(font, highlightSize), fontFile, QSize(font.FontWidth(), font.FontHeight()));
}
