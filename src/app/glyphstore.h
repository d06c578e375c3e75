#pragma once

#include <QObject>

class MainState;
class UserDialogs;

// Moves the glyph in the editor into the font.
class TGlyphStore : public QObject {
  Q_OBJECT

 public:
  TGlyphStore(MainState& state, UserDialogs& dialogs);

  // Writes a pending editor glyph into the font, after a question when ask is
  // set. Either way the glyph counts as handled: the font is marked changed.
  void StoreEditChar(bool ask);

 signals:
  // The font's glyph c was rewritten from the editor.
  void GlyphStored(int c);
  // The pending edit was handled, stored or not.
  void EditCharHandled();

 private:
  void WriteEditChar();

  MainState& fstate;
  UserDialogs& fdialogs;
};
