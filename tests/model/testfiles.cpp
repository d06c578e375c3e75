#include "testfiles.h"

#include <fstream>
#include <random>
#include <stdexcept>

TempDir::TempDir() {
  std::random_device random;
  fpath = std::filesystem::temp_directory_path() / ("glyphtest-" + std::to_string(random()));
  std::filesystem::create_directories(fpath);
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::permissions(fpath, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(fpath, ignored);
}

void WriteBytes(const std::string& path, const ByteArray& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write test file " + path);
}

void WriteText(const std::string& path, const std::string& text) {
  WriteBytes(path, ByteArray(text.begin(), text.end()));
}
