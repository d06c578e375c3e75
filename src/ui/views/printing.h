#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <memory>

class QPrinter;
class TFontHandler;
class WindowDialogs;

// The printable part of a page, in printer pixels.
struct PrintPage {
  int Dpi = 72;
  bool Landscape = false;
  QSize Printable;
};

// Where the charset picture goes on the page, in printer pixels from the
// printable area's top-left corner.
struct PrintLayout {
  // One inch of margin: on the left in portrait, at the top in landscape.
  int Left = 0;
  int Top = 0;
  // Printer pixels per picture pixel: as large as fits, never more than one
  // point per pixel.
  int Scale = 1;
  // The picture does not fit the page even at 1:1; it is printed at 1:1 from
  // the band's top-left corner and cut off at the band's edges.
  bool Clipped = false;
  // Between two title heights below the top margin and three above the page bottom.
  QRect Band;
  QRect Picture;
};

PrintLayout LayoutPrint(const PrintPage& page, QSize picture, int titleHeight);

// "name (WxH Pixel) 1:r" with the size of a printed pixel against one point,
// in the user's locale; the name is the font file's without its folder.
QString PrintTitle(const QString& fontFile, QSize cell, int dpi, const PrintLayout& layout);

// The charset table as the charset page shows it, but on white paper rather
// than the window's colour.
QImage PrintedCharset(const TFontHandler& font, bool highlightSize);

// Prints the charset picture on one page of an open printer, with the
// title above and the program's name, version, notice and web address below.
void PrintCharset(QPrinter& printer, const QImage& charset, const QString& fontFile, QSize cell);

// The print command. The printer is kept, so the print dialog shows the
// choice of its last use.
class TPrintCommand {
  Q_DECLARE_TR_FUNCTIONS(TPrintCommand)

 public:
  explicit TPrintCommand(WindowDialogs& dialogs);
  ~TPrintCommand();

  void PrintExecute(const TFontHandler& font, const QString& fontFile, bool highlightSize);

 private:
  WindowDialogs& fdialogs;
  std::unique_ptr<QPrinter> fprinter;
};
