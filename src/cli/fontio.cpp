#include "cli/fontio.h"

#include "cli/clierror.h"
#include "model/fontfileerror.h"
#include "model/fontimport.h"
#include "model/ioerror.h"

#include <cstring>

std::string DescribeIoError(int code) { return std::strerror(code); }

ByteArray ReadInputFile(const std::string& path) {
  try {
    return ReadWholeFile(path);
  } catch (const IoError& error) {
    throw CliError("cannot read '" + path + "': " + DescribeIoError(error.Code()));
  }
}

ImportedFont LoadFontFile(const std::string& path) {
  try {
    return ImportFontFile(path);
  } catch (const IoError& error) {
    throw CliError("cannot read '" + path + "': " + DescribeIoError(error.Code()));
  } catch (const FontFileError& error) {
    throw CliError("cannot import '" + path + "': " + error.English());
  }
}

void SaveFntFile(const TFontHandler& font, const std::string& path, int type) {
  try {
    font.SaveFont(path, type);
  } catch (const IoError& error) {
    throw CliError("cannot write '" + path + "': " + DescribeIoError(error.Code()));
  }
}
