#pragma once

#include "settings.h"

#include <QPoint>
#include <QString>

#include <type_traits>

// One value of the settings store, declared once beside its use with its
// section, key and default. Integers, switches and texts keep the store's
// spellings (decimal, "1"/"0", the text itself).
template <typename T>
struct Setting {
  static_assert(std::is_same_v<T, int> || std::is_same_v<T, bool> || std::is_same_v<T, QString>,
                "the store holds integers, switches and texts");

  const char* Section;
  const char* Key;
  T Default;

  T Read(const Settings& settings) const {
    if constexpr (std::is_same_v<T, bool>)
      return settings.ReadBool(Section, Key, Default);
    else if constexpr (std::is_same_v<T, int>)
      return settings.ReadInteger(Section, Key, Default);
    else
      return settings.ReadString(Section, Key, Default);
  }

  void Write(Settings& settings, const T& value) const {
    if constexpr (std::is_same_v<T, bool>)
      settings.WriteBool(Section, Key, value);
    else if constexpr (std::is_same_v<T, int>)
      settings.WriteInteger(Section, Key, value);
    else
      settings.WriteString(Section, Key, value);
  }
};

// A point stored as two integers.
struct PointSetting {
  Setting<int> X;
  Setting<int> Y;

  QPoint Read(const Settings& settings) const { return {X.Read(settings), Y.Read(settings)}; }
  void Write(Settings& settings, QPoint value) const {
    X.Write(settings, value.x());
    Y.Write(settings, value.y());
  }
};
