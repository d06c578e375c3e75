#include "support/tempdir.h"

#include <stdlib.h>
#include <algorithm>
#include <stdexcept>

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "glyphtest-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create " + pattern);
  fpath = pattern;
}

TempDir::~TempDir() {
  // Tests may leave a folder write-protected; it must go all the same.
  std::error_code ignored;
  std::filesystem::permissions(fpath, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(fpath, ignored);
}

std::vector<std::string> TempDir::Names() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(fpath)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}
