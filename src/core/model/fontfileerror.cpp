#include "model/fontfileerror.h"

FontFileError FilePlace::Error(const std::string& german, const std::string& english) const {
  const std::string number = std::to_string(fnumber);
  return FontFileError(std::string(fkind.german) + ", " + std::string(fgermanUnit) + " " + number + ": " + german,
                       std::string(fkind.english) + ", " + std::string(fenglishUnit) + " " + number + ": " + english);
}

void RequireSizeAtMost(std::uintmax_t size, std::size_t limit) {
  if (size <= limit) return;
  throw FontFileError(
      "Die Datei ist mit " + std::to_string(size) + " Bytes zu groß; gelesen werden höchstens " +
          std::to_string(limit) + " Bytes.",
      "the file is too large: " + std::to_string(size) + " bytes, at most " + std::to_string(limit) + " are read");
}

std::string QuotedWord(std::string_view word) {
  constexpr std::size_t kShown = 24;
  std::string text(word.substr(0, kShown));
  for (char& ch : text)
    if (static_cast<unsigned char>(ch) < 0x20 || static_cast<unsigned char>(ch) > 0x7E) ch = '?';
  return "\"" + text + (word.size() > kShown ? "...\"" : "\"");
}
