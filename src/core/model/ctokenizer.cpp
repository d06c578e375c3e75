#include "model/ctokenizer.h"

#include <algorithm>

namespace {

bool IsIdentifierStart(char ch) { return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || ch == '_'; }
bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }
bool IsIdentifierChar(char ch) { return IsIdentifierStart(ch) || IsDigit(ch); }
bool IsLineBreak(char ch) { return ch == '\n' || ch == '\r'; }
int DigitValue(char ch) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  if (ch >= 'a' && ch <= 'z') return ch - 'a' + 10;
  if (ch >= 'A' && ch <= 'Z') return ch - 'A' + 10;
  return 99;
}
bool IsSpace(char ch) { return ch == ' ' || ch == '\t' || IsLineBreak(ch) || ch == '\f' || ch == '\v'; }

}  // namespace

// A CR alone ends a line too: the multi-line blocks of GFX headers use it.
void CTokenizer::Advance(std::size_t n) {
  for (std::size_t end = std::min(fpos + n, ftext.size()); fpos < end; ++fpos)
    if (ftext[fpos] == '\n' || (ftext[fpos] == '\r' && At(1) != '\n')) ++fline;
}

bool CTokenizer::AtLineStart() const {
  for (std::size_t i = fpos; i > 0; --i) {
    const char ch = ftext[i - 1];
    if (IsLineBreak(ch)) return true;
    if (ch != ' ' && ch != '\t') return false;
  }
  return true;
}

void CTokenizer::SkipSpaceAndComments() {
  for (;;) {
    if (IsSpace(At(0))) {
      Advance(1);
    } else if (At(0) == '/' && At(1) == '/') {
      while (fpos < ftext.size() && !IsLineBreak(At(0))) Advance(1);
    } else if (At(0) == '/' && At(1) == '*') {
      const std::size_t end = ftext.find("*/", fpos + 2);
      Advance(end == std::string_view::npos ? ftext.size() - fpos : end + 2 - fpos);
    } else if (At(0) == '#' && AtLineStart()) {
      SkipPreprocessorLine();
    } else {
      return;
    }
  }
}

// A backslash at the end of a line carries the directive on.
void CTokenizer::SkipPreprocessorLine() {
  while (fpos < ftext.size() && !IsLineBreak(At(0))) {
    if (At(0) == '\\' && IsLineBreak(At(1)))
      Advance(At(1) == '\r' && At(2) == '\n' ? 3 : 2);
    else
      Advance(1);
  }
}

void CTokenizer::SkipLiteral(char quote) {
  Advance(1);
  while (fpos < ftext.size() && At(0) != quote && !IsLineBreak(At(0))) Advance(At(0) == '\\' ? 2 : 1);
  Advance(1);
}

CToken CTokenizer::Next() {
  SkipSpaceAndComments();
  CToken token;
  token.line = fline;
  const std::size_t start = fpos;
  if (fpos >= ftext.size()) return token;
  const char ch = At(0);
  if (IsIdentifierStart(ch)) {
    token.kind = CToken::Kind::Identifier;
    while (IsIdentifierChar(At(0))) Advance(1);
  } else if (IsDigit(ch)) {
    token.kind = CToken::Kind::Number;
    while (IsIdentifierChar(At(0))) Advance(1);
  } else if (ch == '"' || ch == '\'') {
    token.kind = CToken::Kind::Literal;
    SkipLiteral(ch);
  } else {
    token.kind = CToken::Kind::Punctuator;
    Advance(1);
  }
  token.text = ftext.substr(start, fpos - start);
  return token;
}

std::optional<long long> CIntegerValue(std::string_view text, long long largest) {
  while (!text.empty() && (text.back() == 'u' || text.back() == 'U' || text.back() == 'l' || text.back() == 'L'))
    text.remove_suffix(1);
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  } else if (text.size() > 2 && text[0] == '0' && (text[1] == 'b' || text[1] == 'B')) {
    base = 2;
    text.remove_prefix(2);
  } else if (text.size() > 1 && text[0] == '0') {
    base = 8;
  }
  if (text.empty()) return std::nullopt;
  long long value = 0;
  for (const char ch : text) {
    const int digit = DigitValue(ch);
    if (digit >= base) return std::nullopt;
    value = value * base + digit;
    if (value > largest) return std::nullopt;
  }
  return value;
}
