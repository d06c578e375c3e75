#pragma once

#include "changelistbox.h"

class FontDocument;

// The list of the 256 glyphs beside the editor: each row shows its code and
// the glyph as the font holds it.
class TFontList : public TChangeListBox {
  Q_OBJECT

 public:
  TFontList(const FontDocument& document, QWidget* parent = nullptr);

  // The last mouse press on the list held Shift; keyboard selection keeps it.
  bool MoveChar() const { return fMoveChar; }
  // Rows fit the font's cell height.
  void UpdateRowHeight();
  int RowHeight() const;

 signals:
  // A double click asks to load the selected glyph.
  void LoadRequested();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  const FontDocument& fdocument;
  bool fMoveChar = false;
};
