#pragma once

#include <QObject>

class Settings;

// The minimum free space the automatic width leaves after a glyph's ink,
// kept in the settings.
class CharSpace : public QObject {
  Q_OBJECT

 public:
  // Reads the stored space (default 1).
  explicit CharSpace(Settings& settings);

  int Value() const { return fvalue; }
  // Stores the value and announces it.
  void Set(int value);

 signals:
  void Changed(int space);

 private:
  Settings& fsettings;
  int fvalue;
};
