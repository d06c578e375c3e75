#pragma once

#include <QSettings>
#include <QString>

// Section names of the program's settings.
inline constexpr char kOptionsSection[] = "Options";
inline constexpr char kDesignSection[] = "Design";
inline constexpr char kFilesSection[] = "Files";

// The program's settings store: sections of string values (integers in
// decimal, switches as "1" and "0"). On Windows this is the registry key
// Software\kelvaront\Glyphwright of the current user.
class Settings {
 public:
  // The user's store under the application's organisation and name: "kelvaront"
  // and "Glyphwright" in the program, the test binaries' own names in tests,
  // so tests never touch the user's settings.
  Settings();
  // A store in the given INI file, for tests.
  explicit Settings(const QString& iniFile);
  Settings(const Settings&) = delete;
  Settings& operator=(const Settings&) = delete;

  // A missing value reads as the default; so does one that is not a number
  // when an integer or a switch is read.
  QString ReadString(const QString& section, const QString& ident, const QString& defaultValue) const;
  int ReadInteger(const QString& section, const QString& ident, int defaultValue) const;
  bool ReadBool(const QString& section, const QString& ident, bool defaultValue) const;

  void WriteString(const QString& section, const QString& ident, const QString& value);
  void WriteInteger(const QString& section, const QString& ident, int value);
  void WriteBool(const QString& section, const QString& ident, bool value);

  bool ValueExists(const QString& section, const QString& ident) const;
  void DeleteKey(const QString& section, const QString& ident);
  void EraseSection(const QString& section);

  // Writes pending changes to the store; throws IoError when it cannot.
  void Sync();
  // Where the values live (a registry path on Windows).
  QString FileName() const { return fstore.fileName(); }

 private:
  static QString Key(const QString& section, const QString& ident);

  QSettings fstore;
};
