#include "scratchdir.h"

#include <stdlib.h>
#include <stdexcept>
#include <string>

ScratchDir::ScratchDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "glyphtest-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create " + pattern);
  fpath = pattern;
}

ScratchDir::~ScratchDir() {
  std::error_code ignored;
  std::filesystem::remove_all(fpath, ignored);
}
