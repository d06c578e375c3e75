#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

// A token of C source text.
struct CToken {
  enum class Kind { End, Identifier, Number, Literal, Punctuator };
  Kind kind = Kind::End;
  std::string_view text;
  std::size_t line = 1;

  bool Is(char punctuator) const { return kind == Kind::Punctuator && text.size() == 1 && text[0] == punctuator; }
};

// Splits C source into tokens, passing over white space, comments and
// preprocessor lines. Anything it does not know becomes a one-character
// punctuator, so any text can be walked through; a comment or literal that
// does not end runs to the end of the text.
class CTokenizer {
 public:
  explicit CTokenizer(std::string_view text) : ftext(text) {}

  // The next token; at the end, one of kind End on the text's last line.
  CToken Next();

 private:
  void SkipSpaceAndComments();
  void SkipPreprocessorLine();
  void SkipLiteral(char quote);
  // Moves past n characters, counting the lines passed.
  void Advance(std::size_t n);
  bool AtLineStart() const;
  char At(std::size_t offset) const { return fpos + offset < ftext.size() ? ftext[fpos + offset] : '\0'; }

  std::string_view ftext;
  std::size_t fpos = 0;
  std::size_t fline = 1;
};

// A C integer literal: decimal, 0x hexadecimal, 0b binary or 0 octal, with
// any u and l suffix; nothing for anything else or a value beyond largest.
std::optional<long long> CIntegerValue(std::string_view text, long long largest);
