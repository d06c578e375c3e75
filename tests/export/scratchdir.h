#pragma once

#include <filesystem>

// A fresh directory under the system's temporary folder, removed with
// everything in it when the object goes.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& Path() const { return fpath; }
  std::filesystem::path operator/(const std::filesystem::path& name) const { return fpath / name; }

 private:
  std::filesystem::path fpath;
};
