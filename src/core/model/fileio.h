#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

using ByteArray = std::vector<std::uint8_t>;

inline constexpr std::uintmax_t kNoSizeLimit = UINTMAX_MAX;

// Reads a whole file; throws IoError. What is no regular file (a folder, a
// device, a FIFO) and a file larger than maxSize are refused before a byte is
// read, so that nothing blocks or fills the memory: a reader of a format
// passes the size of the largest file that format can have.
ByteArray ReadWholeFile(const std::string& path, std::uintmax_t maxSize = kNoSizeLimit);

// Throws IoError when the name has no file part: empty, or ending in "/",
// "." or "..".
void RequireFileName(const std::string& path);

// The name an output is written to: the name with its extension replaced,
// but a device or FIFO under the name it has, so that it is written through.
std::string OutputFileName(const std::string& name, std::string_view extension);

class OutputFile;

// Writes a file so that a failed write never destroys the file that was there
// and an interrupted one leaves no temporary file behind (a killed one's are
// removed by the next write of the target): the content goes to
// a temporary file in the target's folder, flushed to disk, and replaces the
// target only on Commit. Symbolic links are written through, and the saved
// file keeps the old one's mode, owner and hard links. A character device or
// FIFO is written directly; a folder, block device or socket is refused. An
// uncommitted writer leaves the target as it was.
class SafeFileWriter {
 public:
  // Throws IoError when the target cannot be written, e.g. write-protected.
  explicit SafeFileWriter(const std::string& target);
  ~SafeFileWriter();
  SafeFileWriter(const SafeFileWriter&) = delete;
  SafeFileWriter& operator=(const SafeFileWriter&) = delete;

  void Write(const void* data, std::size_t size);
  void Write(const ByteArray& data) { Write(data.data(), data.size()); }
  void Write(const std::string& text) { Write(text.data(), text.size()); }
  // Writes out the content and flushes it to disk; throws IoError on failure.
  void Finish();
  // Finishes if needed and puts the file in place.
  void Commit();

 private:
  friend void CommitTogether(std::initializer_list<SafeFileWriter*> writers);
  std::unique_ptr<OutputFile> ffile;
  bool fcommitted = false;
};

// Commits files that belong together: either every target gets its new
// content or, when one fails, each keeps its old one. Two such commits into
// the same folder never interleave. A commit killed halfway is completed or
// undone by the next writer of one of its files.
void CommitTogether(std::initializer_list<SafeFileWriter*> writers);

// Writes data to path through a SafeFileWriter.
void WriteFileSafely(const std::string& path, const ByteArray& data);
