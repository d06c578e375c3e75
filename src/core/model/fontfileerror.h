#pragma once

#include "model/ioerror.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// A font file that a reader refuses. Both texts begin with the kind of file
// and the line or byte offset where the fault lies.
class FontFileError : public FontError {
 public:
  using FontError::FontError;
};

// The kind of file as the two languages name it in a message.
struct FileKind {
  std::string_view german;
  std::string_view english;
};

// Where in a file a fault lies: a line of a text file or a byte offset.
class FilePlace {
 public:
  static FilePlace Line(FileKind kind, std::size_t line) { return {kind, "Zeile", "line", line}; }
  static FilePlace Offset(FileKind kind, std::size_t offset) { return {kind, "Offset", "offset", offset}; }

  // The error for a fault at this place; the texts follow the place.
  FontFileError Error(const std::string& german, const std::string& english) const;

 private:
  FilePlace(FileKind kind, std::string_view germanUnit, std::string_view englishUnit, std::size_t number)
      : fkind(kind), fgermanUnit(germanUnit), fenglishUnit(englishUnit), fnumber(number) {}

  FileKind fkind;
  std::string_view fgermanUnit;
  std::string_view fenglishUnit;
  std::size_t fnumber;
};

// A word of a file as a message quotes it: short, printable, in quotes.
std::string QuotedWord(std::string_view word);

// Throws FontFileError when a file of that size is more than a reader takes.
void RequireSizeAtMost(std::uintmax_t size, std::size_t limit);
