#include "model/fileio.h"

#include "model/ioerror.h"

#include <sys/stat.h>
#include <unistd.h>
#include <atomic>
#include <cerrno>
#include <filesystem>
#include <memory>

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

std::string TemporaryNameFor(const std::string& target) {
  static std::atomic<unsigned> counter{0};
  return target + ".~" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
}

// A link is saved through: the file it points to gets the new content.
std::string ResolvedTarget(const std::string& target) {
  std::error_code error;
  const std::filesystem::path resolved = std::filesystem::canonical(target, error);
  return error ? target : resolved.string();
}

// Root's access() grants writing whatever the mode says, so a file without
// any write permission counts as write-protected too.
bool IsWriteProtected(const std::string& path, const struct stat& info) {
  return ::access(path.c_str(), W_OK) != 0 || (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

// The temporary file is created 0600; the saved file keeps the mode of the
// file it replaces, or gets the mode a plain create would give it.
unsigned ModeForSaving(const std::string& target) {
  struct stat info {};
  if (::stat(target.c_str(), &info) == 0) {
    if (IsWriteProtected(target, info)) throw IoError(EACCES);
    return info.st_mode & 07777;
  }
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

ByteArray ReadWholeFile(const std::string& path) {
  FilePtr file(std::fopen(path.c_str(), "rb"));
  if (!file) throw IoError(errno);
  struct stat info {};
  if (::fstat(::fileno(file.get()), &info) != 0) throw IoError(errno);
  if (S_ISDIR(info.st_mode)) throw IoError(EISDIR);
  ByteArray data;
  std::uint8_t chunk[65536];
  std::size_t got = 0;
  while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) data.insert(data.end(), chunk, chunk + got);
  if (std::ferror(file.get())) throw IoError(EIO);
  return data;
}

SafeFileWriter::SafeFileWriter(const std::string& target)
    : ftarget(ResolvedTarget(target)), fmode(ModeForSaving(ftarget)) {
  ftemp = TemporaryNameFor(ftarget);
  ffile = std::fopen(ftemp.c_str(), "wbx");
  if (!ffile) throw IoError(errno);
}

SafeFileWriter::~SafeFileWriter() {
  if (ffile) std::fclose(ffile);
  if (!fcommitted) std::remove(ftemp.c_str());
}

void SafeFileWriter::Write(const void* data, std::size_t size) {
  if (!ffile) throw IoError(EBADF);
  if (size > 0 && std::fwrite(data, 1, size, ffile) != size) throw IoError(errno ? errno : EIO);
}

void SafeFileWriter::Finish() {
  if (!ffile) return;
  std::FILE* file = ffile;
  ffile = nullptr;
  const bool flushed = std::fflush(file) == 0;
  const int flushError = errno;
  if (std::fclose(file) != 0 || !flushed) throw IoError(flushed ? errno : flushError);
}

void SafeFileWriter::Commit() {
  Finish();
  ::chmod(ftemp.c_str(), fmode);
  if (std::rename(ftemp.c_str(), ftarget.c_str()) != 0) throw IoError(errno);
  fcommitted = true;
}

void WriteFileSafely(const std::string& path, const ByteArray& data) {
  SafeFileWriter writer(path);
  writer.Write(data);
  writer.Commit();
}
