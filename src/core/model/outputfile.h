#pragma once

#include "model/commitjournal.h"
#include "model/filedescriptor.h"
#include "model/tempnames.h"

#include <sys/stat.h>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A character device or FIFO: written into directly, never replaced.
bool IsWrittenThrough(const struct stat& info);

// One file being written, and the steps that put it in place.
//
// A regular file (or a new one) is written to a temporary file in its folder,
// unnamed where the file system allows, with the final mode and owner from
// the start. Committing links it under a temporary name and renames that over
// the target; where the new file could not carry the old one's owner, or the
// old one has further hard links, the finished content is copied into the old
// file instead. A character device or FIFO is written directly. Anything else
// is refused. Symbolic links are followed, also to a file that does not exist
// yet.
class OutputFile {
 public:
  explicit OutputFile(const std::string& target);

  void Write(const void* data, std::size_t size);
  // Writes what is buffered and flushes the temporary file to disk.
  void Finish();

  // The steps of a commit, in this order, after Finish.
  int Folder() const { return ffolder.get(); }
  bool WritesInPlace() const { return fkind == Kind::InPlace; }
  // keepOld: keep the old file under a temporary name so that Restore can
  // bring it back.
  void Link(bool keepOld);
  // What a journal of the commit records; none for a file not replaced by
  // renaming.
  std::optional<JournaledFile> Journaled() const;
  void Replace();
  void Restore() noexcept;
  // Removes the temporary file's name after a failed commit.
  void Discard() noexcept { ftemp.reset(); }
  void DropKept();
  void SyncFolder();

 private:
  enum class Kind { Replace, InPlace, WriteThrough };

  void OpenWriteThrough(const std::string& target);
  void OpenFolder(const std::string& target);
  void CreateTemporary();
  void TakeOverOwnerAndMode();
  void KeepOld();
  void WriteInPlace();
  void Flush();
  // Remembers the first failure: a writer that failed once stays failed.
  [[noreturn]] void Fail(int code);

  Kind fkind = Kind::Replace;
  std::optional<struct stat> fexisting;
  std::string fname;
  FileDescriptor ffolder;
  std::optional<TemporaryName> ftemp;
  std::optional<TemporaryName> fold;
  FileDescriptor ffile;
  std::vector<std::uint8_t> fbuffer;
  std::uintmax_t fsize = 0;
  int ffailure = 0;
  bool ffinished = false;
  bool freplaced = false;
};
