#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>

// A fault the core words in both of the program's languages: what() is the
// German text, English() the same in English. The program shows the one of
// its interface language; the converter words its own where it has a reason.
class BilingualError : public std::runtime_error {
 public:
  BilingualError(const std::string& german, std::string english)
      : std::runtime_error(german), fenglish(std::move(english)) {}
  const std::string& English() const { return fenglish; }

 private:
  std::string fenglish;
};

// A failed file operation, worded as the run-time's message; the code (errno)
// and the reason let other front ends word their own.
class IoError : public BilingualError {
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
  static std::string EnglishText(int code);

 private:
  IoError(Reason reason, int code, const std::string& german, const std::string& english, std::uintmax_t size = 0,
          std::uintmax_t limit = 0);

  int fcode;
  Reason freason = Reason::System;
  std::uintmax_t fsize = 0;
  std::uintmax_t flimit = 0;
};

// An operation refused because the font or the input is not usable.
class FontError : public BilingualError {
 public:
  using BilingualError::BilingualError;
  // A text already in the program's language, for both.
  explicit FontError(const std::string& text) : BilingualError(text, text) {}
};

// The font holds no valid data to export.
FontError NoDataToExportError();
