#include "settings.h"

#include "model/ioerror.h"

#include <QCoreApplication>
#include <cerrno>

Settings::Settings() : fstore(QCoreApplication::organizationName(), QCoreApplication::applicationName()) {}

Settings::Settings(const QString& iniFile) : fstore(iniFile, QSettings::IniFormat) {}

QString Settings::Key(const QString& section, const QString& ident) { return section + '/' + ident; }

QString Settings::ReadString(const QString& section, const QString& ident, const QString& defaultValue) const {
  return fstore.value(Key(section, ident), defaultValue).toString();
}

int Settings::ReadInteger(const QString& section, const QString& ident, int defaultValue) const {
  bool isNumber = false;
  const int value = ReadString(section, ident, {}).trimmed().toInt(&isNumber);
  return isNumber ? value : defaultValue;
}

bool Settings::ReadBool(const QString& section, const QString& ident, bool defaultValue) const {
  return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

void Settings::WriteString(const QString& section, const QString& ident, const QString& value) {
  fstore.setValue(Key(section, ident), value);
}

void Settings::WriteInteger(const QString& section, const QString& ident, int value) {
  WriteString(section, ident, QString::number(value));
}

void Settings::WriteBool(const QString& section, const QString& ident, bool value) {
  WriteString(section, ident, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool Settings::ValueExists(const QString& section, const QString& ident) const {
  return fstore.contains(Key(section, ident));
}

void Settings::DeleteKey(const QString& section, const QString& ident) { fstore.remove(Key(section, ident)); }

void Settings::EraseSection(const QString& section) { fstore.remove(section); }

void Settings::Sync() {
  fstore.sync();
  if (fstore.status() == QSettings::AccessError) throw IoError(EACCES);
}
