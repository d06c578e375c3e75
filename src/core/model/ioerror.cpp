#include "model/ioerror.h"

#include <cerrno>

IoError::IoError(int code) : std::runtime_error(GermanText(code)), fcode(code) {}

IoError::IoError(Reason reason, int code, const std::string& text, std::uintmax_t size, std::uintmax_t limit)
    : std::runtime_error(text), fcode(code), freason(reason), fsize(size), flimit(limit) {}

IoError IoError::NoFileName() { return IoError(Reason::NoFileName, ENOENT, "Kein Dateiname angegeben"); }

IoError IoError::NotRegularFile() {
  return IoError(Reason::NotRegularFile, EINVAL, "Keine gewöhnliche Datei (Gerät, FIFO oder Socket)");
}

IoError IoError::TooLarge(std::uintmax_t size, std::uintmax_t limit) {
  return IoError(Reason::TooLarge, EFBIG,
                 "Die Datei ist mit " + std::to_string(size) +
                     " Bytes zu groß: eine Datei dieses Formats hat höchstens " + std::to_string(limit) + " Bytes",
                 size, limit);
}

std::string IoError::GermanText(int code) {
  switch (code) {
    case ENOENT:
    case ENOTDIR:
      return "Datei nicht gefunden";
    case EACCES:
    case EPERM:
    case EROFS:
      return "Dateizugriff verweigert";
    case EISDIR:
      return "Der Name bezeichnet einen Ordner, keine Datei";
    default:
      return "E/A-Fehler " + std::to_string(code);
  }
}
