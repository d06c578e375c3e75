#include "cli/fontio.h"

#include "cli/clierror.h"
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

std::unique_ptr<TFontHandler> LoadFntFile(const std::string& path) {
  auto font = std::make_unique<TFontHandler>(16, 16);
  try {
    font->LoadFont(path);
  } catch (const IoError& error) {
    throw CliError("cannot read '" + path + "': " + DescribeIoError(error.Code()));
  }
  if (!font->Fontvalid()) throw CliError("'" + path + "' is not a valid FNT font file");
  return font;
}

void SaveFntFile(const TFontHandler& font, const std::string& path, int type) {
  try {
    font.SaveFont(path, type);
  } catch (const IoError& error) {
    throw CliError("cannot write '" + path + "': " + DescribeIoError(error.Code()));
  }
}
