#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

// A failed file operation. The text is the run-time's German message that the
// program shows; the code (errno) and the reason let other front ends word
// their own.
class IoError : public std::runtime_error {
 public:
  // Files the file layer refuses before the system could fail on them; the
  // code then is the nearest errno.
  enum class Reason { System, NoFileName, NotRegularFile, TooLarge };

  explicit IoError(int code);
  static IoError NoFileName();
  static IoError NotRegularFile();
  // A file of size bytes where its format allows at most limit.
  static IoError TooLarge(std::uintmax_t size, std::uintmax_t limit);

  int Code() const { return fcode; }
  Reason reason() const { return freason; }
  std::uintmax_t Size() const { return fsize; }
  std::uintmax_t Limit() const { return flimit; }
  static std::string GermanText(int code);

 private:
  IoError(Reason reason, int code, const std::string& text, std::uintmax_t size = 0, std::uintmax_t limit = 0);

  int fcode;
  Reason freason = Reason::System;
  std::uintmax_t fsize = 0;
  std::uintmax_t flimit = 0;
};

// An operation refused because the font or the input is not usable; the text
// is German, for the program's message box.
class FontError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
