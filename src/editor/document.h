#pragma once

#include "model/fonthandler.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

// The font being edited, with its file name, the type it is saved in and
// whether it has unsaved changes. It is the one place that changes or replaces
// the font, and it announces every change so the views update themselves.
class FontDocument : public QObject {
  Q_OBJECT

 public:
  FontDocument();
  ~FontDocument() override;

  const TFontHandler& EditFont() const { return *fEditFont; }
  // Takes over a new font object; the old one is released.
  void ReplaceFont(std::unique_ptr<TFontHandler> font);
  // A font made from the current one takes its place: a change to be saved.
  void ChangeFont(std::unique_ptr<TFontHandler> font);
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
  // The same, as a change to be saved.
  void ChangeBaseLine(int value);

  // Changes the font in place. When change returns, the change is announced
  // and the font asks to be saved; when it throws, the font is restored as it
  // was and nothing is announced.
  using FontChange = std::function<void(TFontHandler& font)>;
  // Only glyph c changed.
  void ChangeGlyph(int c, const FontChange& change);
  // Many glyphs changed; the cell stays.
  void ChangeMetrics(const FontChange& change);

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
  void ChangeInPlace(const FontChange& change);

  std::unique_ptr<TFontHandler> fEditFont;
  QString ffilename;
  int ffonttype;
  bool fsaverequest = false;
};
