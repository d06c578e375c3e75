#include "cli/fontio.h"

#include "cli/clierror.h"

#include <cstring>

std::string DescribeIoError(const IoError& error) {
  switch (error.reason()) {
    case IoError::Reason::NoFileName:
      return "no file name given";
    case IoError::Reason::NotRegularFile:
      return "not a regular file";
    case IoError::Reason::TooLarge:
      return "it has " + std::to_string(error.Size()) + " bytes, more than the " + std::to_string(error.Limit()) +
             " bytes a file of its format can have";
    case IoError::Reason::System:
      break;
  }
  return std::strerror(error.Code());
}

ByteArray ReadInputFile(const std::string& path, std::uintmax_t maxSize) {
  try {
    return ReadWholeFile(path, maxSize);
  } catch (const IoError& error) {
    throw CliError("cannot read '" + path + "': " + DescribeIoError(error));
  }
}

std::unique_ptr<TFontHandler> LoadFntFile(const std::string& path) {
  auto font = std::make_unique<TFontHandler>(16, 16);
  try {
    font->LoadFont(path);
  } catch (const IoError& error) {
    throw CliError("cannot read '" + path + "': " + DescribeIoError(error));
  }
  if (!font->Fontvalid()) throw CliError("'" + path + "' is not a valid FNT font file");
  return font;
}

void SaveFntFile(const TFontHandler& font, const std::string& path, int type) {
  try {
    font.SaveFont(path, type);
  } catch (const IoError& error) {
    throw CliError("cannot write '" + path + "': " + DescribeIoError(error));
  }
}
