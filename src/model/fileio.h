#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

using ByteArray = std::vector<std::uint8_t>;

// Reads a whole file; throws IoError when it cannot be opened or read.
ByteArray ReadWholeFile(const std::string& path);

// Writes a file beside its target under a temporary name and renames it over
// the target only on Commit, so a failed write never destroys the old file.
// An uncommitted writer removes its temporary file.
class SafeFileWriter {
 public:
  // Throws IoError when the target is write-protected: renaming would
  // replace it.
  explicit SafeFileWriter(const std::string& target);
  ~SafeFileWriter();
  SafeFileWriter(const SafeFileWriter&) = delete;
  SafeFileWriter& operator=(const SafeFileWriter&) = delete;

  void Write(const void* data, std::size_t size);
  void Write(const ByteArray& data) { Write(data.data(), data.size()); }
  void Write(const std::string& text) { Write(text.data(), text.size()); }
  // Flushes and closes the temporary file; throws IoError on failure.
  void Finish();
  // Finishes if needed and moves the temporary file over the target.
  void Commit();

 private:
  std::string ftarget;
  unsigned fmode;
  std::string ftemp;
  std::FILE* ffile = nullptr;
  bool fcommitted = false;
};

// Writes data to path through a SafeFileWriter.
void WriteFileSafely(const std::string& path, const ByteArray& data);
