#pragma once

#include <stdexcept>
#include <string>

// A failed file operation. The text is the run-time's German message that the
// program shows; the code (errno) lets other front ends word their own.
class IoError : public std::runtime_error {
 public:
  explicit IoError(int code);

  int Code() const { return fcode; }
  static std::string GermanText(int code);

 private:
  int fcode;
};

// An operation refused because the font or the input is not usable; the text
// is German, for the program's message box.
class FontError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
