#pragma once

#include <filesystem>
#include <string>
#include <vector>

// A fresh directory under the system's temporary folder for one test's files,
// removed with everything in it when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return fpath; }
  std::filesystem::path operator/(const std::filesystem::path& name) const { return fpath / name; }
  std::string File(const std::string& name) const { return (fpath / name).string(); }
  // Every file name in the directory, sorted.
  std::vector<std::string> Names() const;

 private:
  std::filesystem::path fpath;
};
