#include "model/ioerror.h"

#include <cerrno>

IoError::IoError(int code) : std::runtime_error(GermanText(code)), fcode(code) {}

std::string IoError::GermanText(int code) {
  switch (code) {
    case ENOENT:
    case ENOTDIR:
      return "Datei nicht gefunden";
    case EACCES:
    case EPERM:
    case EROFS:
      return "Dateizugriff verweigert";
    default:
      return "E/A-Fehler " + std::to_string(code);
  }
}
