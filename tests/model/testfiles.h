#pragma once

#include "model/fileio.h"

#include <filesystem>
#include <string>

// A temporary directory that lives as long as the test.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  std::string File(const std::string& name) const { return (fpath / name).string(); }
  const std::filesystem::path& Path() const { return fpath; }

 private:
  std::filesystem::path fpath;
};

void WriteBytes(const std::string& path, const ByteArray& bytes);
void WriteText(const std::string& path, const std::string& text);
