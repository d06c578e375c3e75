#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>

#include <functional>
#include <memory>

class TFontHandler;

// The cell heights an import offers.
constexpr int kMinImportHeight = 8;
constexpr int kMaxImportHeight = 64;
// Side of the picture each code is rendered into.
constexpr int kRenderSize = 70;

// An installed font face as the import dialog describes it.
struct TImportChoice {
  QString Face;
  // 100 (thin) .. 900 (black).
  int Weight = QFont::Normal;
  bool Italic = false;
  // The cell height, ascent plus descent; limited to 8 .. 64.
  int Height = 16;
  // Codes 1..255 stand for the characters of the DOS code page 437.
  bool Ansi = true;
};

int ImportHeight(int value);

// The face at the given weight and italics with the largest pixel size whose
// ascent plus descent is at most height (the smallest the face has when none
// is), drawn without anti-aliasing.
QFont CellFont(const QString& face, int height, int weight, bool italic);
QFont CellFont(const TImportChoice& choice);

// The cell width an import uses: the widest advance among U+0001 .. U+00FF
// plus one, at most 64.
int MaxWidth(const QFont& font);

// The character rendered for code c: the code itself, or with ansi the
// character of the DOS code page for codes 1 .. 255.
char32_t ImportCharacter(int c, bool ansi);

// The width of a glyph whose rightmost inked column is x (-1 for none) in a
// cell of the given width.
int ImportedWidth(int rightmostInk, int cellWidth);

// Renders characters one at a time, black on the button face without
// anti-aliasing, with the top-left corner of the character cell at the
// picture's top-left corner, and reads them back.
class TGlyphRenderer {
 public:
  explicit TGlyphRenderer(const QFont& font);
  ~TGlyphRenderer();
  TGlyphRenderer(const TGlyphRenderer&) = delete;
  TGlyphRenderer& operator=(const TGlyphRenderer&) = delete;

  const QImage& Render(char32_t character);
  const QImage& Picture() const { return fpicture; }
  // Glyph c of the font, still clear, takes the pure black pixels of the
  // picture within its cell, and the width they give.
  void ReadGlyph(TFontHandler& font, int c) const;

 private:
  int fascent;
  QColor fbackground;
  QImage fpicture;
  // Stays open for all the characters: opening a painter costs more than drawing one.
  QPainter fpainter;
};

// Called with each code and its rendering before it is read back.
using ImportProgress = std::function<void(int code, const QImage& rendering)>;

// A new font of MaxWidth x height with every code rendered and read back, its
// baseline under the capitals.
std::unique_ptr<TFontHandler> ImportInstalledFont(const TImportChoice& choice, const ImportProgress& progress = {});
