#include "fontio.h"

#include "clierror.h"
#include "model/fontfileerror.h"
#include "model/fontimport.h"
#include "model/ioerror.h"

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

ImportedFont LoadFontFile(const std::string& path, CodePage page) {
  try {
    return ImportFontFile(path, page);
  } catch (const IoError& error) {
    throw CliError("cannot read '" + path + "': " + DescribeIoError(error));
  } catch (const FontFileError& error) {
    throw CliError("cannot import '" + path + "': " + error.English());
  }
}

void SaveFntFile(const TFontHandler& font, const std::string& path, int type) {
  try {
    font.SaveFont(path, type);
  } catch (const IoError& error) {
    throw CliError("cannot write '" + path + "': " + DescribeIoError(error));
  }
}
