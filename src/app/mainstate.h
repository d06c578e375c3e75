#pragma once

#include "model/fonthandler.h"

#include <QImage>
#include <QObject>
#include <QString>

#include <memory>

// The main window's document state that the editor parts share: the font, the
// glyph in the editor and the two change flags. Assigning through the setters
// announces the change, so the window can show it.
class MainState : public QObject {
  Q_OBJECT

 public:
  MainState();
  ~MainState() override;

  TFontHandler& EditFont() { return *fEditFont; }
  const TFontHandler& EditFont() const { return *fEditFont; }
  // Takes over a new font object; the old one is released.
  void ReplaceFont(std::unique_ptr<TFontHandler> font);

  const QString& filename() const { return ffilename; }
  void Setfilename(const QString& value);
  int fonttype() const { return ffonttype; }
  void Setfonttype(int value);
  bool SaveRequest() const { return fsaverequest; }
  void SetSaveRequest(bool value);
  bool CharRequest() const { return fcharrequest; }
  void SetCharRequest(bool value);
  int EditSize() const { return fEditSize; }
  // Clamped to the font's cell width.
  void SetEditSize(int value);
  const TKerning& EditKerning() const { return fEditKerning; }
  void SetEditKerning(const TKerning& value) { fEditKerning.Assign(value); }
  int BaseLine() const { return fEditFont->BaseLine(); }
  void SetBaseLine(int value);

  // Sizes the editor glyph to the font's cell and clears it.
  void ClearEditChar();

  // The editor's working glyph: one pixel per font pixel, each SetColor or OffColor.
  QImage CharBMP;
  // The colours CharBMP really stores for light grey and grey.
  TColor SetColor = 0;
  TColor OffColor = 0;
  int EditChar = 0;

 signals:
  void filenameChanged(const QString& filename);
  void fonttypeChanged(int fonttype);
  void SaveRequestChanged(bool value);
  void CharRequestChanged(bool value);
  void EditSizeChanged(int size);
  void BaseLineChanged(int baseline);

 private:
  std::unique_ptr<TFontHandler> fEditFont;
  QString ffilename;
  int ffonttype;
  bool fsaverequest = false;
  bool fcharrequest = false;
  int fEditSize;
  TKerning fEditKerning;
};
