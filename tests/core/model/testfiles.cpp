#include "testfiles.h"

#include <fstream>
#include <random>
#include <stdexcept>

void WriteBytes(const std::string& path, const ByteArray& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write test file " + path);
}

void WriteText(const std::string& path, const std::string& text) {
  WriteBytes(path, ByteArray(text.begin(), text.end()));
}
