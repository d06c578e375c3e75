#include "model/ioerror.h"

#include <cerrno>

IoError::IoError(int code) : BilingualError(GermanText(code), EnglishText(code)), fcode(code) {}

IoError::IoError(Reason reason, int code, const std::string& german, const std::string& english, std::uintmax_t size,
                 std::uintmax_t limit)
    : BilingualError(german, english), fcode(code), freason(reason), fsize(size), flimit(limit) {}

IoError IoError::NoFileName() {
  return IoError(Reason::NoFileName, ENOENT, "Kein Dateiname angegeben", "No file name given");
}

IoError IoError::NotRegularFile() {
  return IoError(Reason::NotRegularFile, EINVAL, "Keine gewöhnliche Datei (Gerät, FIFO oder Socket)",
                 "Not a regular file (device, FIFO or socket)");
}

IoError IoError::TooLarge(std::uintmax_t size, std::uintmax_t limit) {
  const std::string bytes = std::to_string(size);
  const std::string most = std::to_string(limit);
  return IoError(
      Reason::TooLarge, EFBIG,
      "Die Datei ist mit " + bytes + " Bytes zu groß: eine Datei dieses Formats hat höchstens " + most + " Bytes",
      "The file is too large at " + bytes + " bytes: a file of this format has at most " + most + " bytes", size,
      limit);
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

std::string IoError::EnglishText(int code) {
  switch (code) {
    case ENOENT:
    case ENOTDIR:
      return "File not found";
    case EACCES:
    case EPERM:
    case EROFS:
      return "Access denied";
    case EISDIR:
      return "The name is a folder, not a file";
    default:
      return "I/O error " + std::to_string(code);
  }
}

FontError NoDataToExportError() {
  return {"Der Font enthält keine gültigen Daten und kann nicht exportiert werden.",
          "The font holds no valid data and cannot be exported."};
}
