#pragma once

#include "model/fonthandler.h"

#include <QObject>
#include <QString>

#include <memory>

// The font being edited, with its file name, the type it is saved in and
// whether it has unsaved changes. It is the one place that replaces the font,
// and it announces every change so the views update themselves.
class FontDocument : public QObject {
  Q_OBJECT

 public:
  FontDocument();
  ~FontDocument() override;

  TFontHandler& EditFont() { return *fEditFont; }
  const TFontHandler& EditFont() const { return *fEditFont; }
  // Takes over a new font object; the old one is released.
  void ReplaceFont(std::unique_ptr<TFontHandler> font);
  // The current font object takes the contents of another one (opening a
  // file reloads the same object).
  void AssignFont(const TFontHandler& font);

  const QString& filename() const { return ffilename; }
  void Setfilename(const QString& value);
  int fonttype() const { return ffonttype; }
  void Setfonttype(int value);
  bool SaveRequest() const { return fsaverequest; }
  void SetSaveRequest(bool value);
  int BaseLine() const { return fEditFont->BaseLine(); }
  // No limit: the font takes any value.
  void SetBaseLine(int value);

  // Commands that change the font in place announce it through these.
  void NotifyGlyphChanged(int c);
  void NotifyMetricsChanged();

 signals:
  void filenameChanged(const QString& filename);
  void fonttypeChanged(int fonttype);
  void SaveRequestChanged(bool value);
  void BaseLineChanged(int baseline);
  // The font was replaced or reloaded: cell size and every glyph may differ.
  void FontReplaced();
  // Glyph c's pixels, width or kerning zones changed.
  void GlyphChanged(int c);
  // Widths, zones or pixels of many glyphs changed; the cell stays.
  void MetricsChanged();

 private:
  std::unique_ptr<TFontHandler> fEditFont;
  QString ffilename;
  int ffonttype;
  bool fsaverequest = false;
};
