#include "model/outputfile.h"

#include "model/fileio.h"
#include "model/ioerror.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <filesystem>

namespace {

constexpr std::size_t kBufferSize = 65536;
constexpr int kMaxLinkHops = 40;

[[noreturn]] void ThrowErrno() { throw IoError(errno); }

// Root's access() grants writing whatever the mode says, so a file without
// any write permission counts as write-protected too.
bool IsWriteProtected(const std::string& path, const struct stat& info) {
  return ::access(path.c_str(), W_OK) != 0 || (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

// The file a chain of symbolic links ends in, whether it exists or not.
std::filesystem::path FollowLinks(std::filesystem::path path) {
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    std::error_code error;
    const std::filesystem::path target = std::filesystem::read_symlink(path, error);
    if (error) throw IoError(error.value());
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  throw IoError(ELOOP);
}

// Linking an unnamed file needs /proc; the file system may not offer them.
bool CanLinkUnnamedFiles() {
  static const bool procFds = ::access("/proc/self/fd", X_OK) == 0;
  return procFds;
}

bool UnnamedFilesUnsupported(int openError) {
  return openError == EOPNOTSUPP || openError == EISDIR || openError == EINVAL;
}

void CopyContent(int from, int to) {
  std::uint8_t chunk[kBufferSize];
  for (off_t offset = 0;;) {
    const ssize_t got = ::pread(from, chunk, sizeof chunk, offset);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) ThrowErrno();
    if (got == 0) return;
    WriteAll(to, chunk, static_cast<std::size_t>(got));
    offset += got;
  }
}

// The existing file to replace, if any; throws for what cannot be replaced.
std::optional<struct stat> ReplaceableFile(const std::string& target) {
  struct stat info {};
  if (::stat(target.c_str(), &info) != 0) {
    if (errno != ENOENT) ThrowErrno();
    return std::nullopt;
  }
  if (S_ISDIR(info.st_mode)) throw IoError(EISDIR);
  if (!S_ISREG(info.st_mode)) throw IoError::NotRegularFile();
  if (IsWriteProtected(target, info)) throw IoError(EACCES);
  return info;
}

}  // namespace

bool IsWrittenThrough(const struct stat& info) { return S_ISCHR(info.st_mode) || S_ISFIFO(info.st_mode); }

FileDescriptor OpenFile(int folder, const char* path, int flags, unsigned mode) {
  const int fd = ::openat(folder, path, flags | O_CLOEXEC, static_cast<mode_t>(mode));
  if (fd < 0) ThrowErrno();
  return FileDescriptor(fd);
}

void WriteAll(int fd, const void* data, std::size_t size) {
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  while (size > 0) {
    const ssize_t written = ::write(fd, bytes, size);
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) ThrowErrno();
    bytes += written;
    size -= static_cast<std::size_t>(written);
  }
}

OutputFile::OutputFile(const std::string& target) {
  RequireFileName(target);
  struct stat info {};
  if (::stat(target.c_str(), &info) == 0 && IsWrittenThrough(info)) {
    OpenWriteThrough(target);
    return;
  }
  // Refused before anything in the folder changes.
  ReplaceableFile(target);
  OpenFolder(target);
  CleanUpAfterKilledWrites(ffolder.get(), fname);
  // Finishing a killed commit may have put another file in place.
  fexisting = ReplaceableFile(target);
  CreateTemporary();
}

void OutputFile::OpenFolder(const std::string& target) {
  const std::filesystem::path file = FollowLinks(target);
  RequireFileName(file.string());
  fname = file.filename().string();
  ffolder = OpenFile(AT_FDCWD, file.has_parent_path() ? file.parent_path().c_str() : ".", O_RDONLY | O_DIRECTORY);
}

void OutputFile::OpenWriteThrough(const std::string& target) {
  fkind = Kind::WriteThrough;
  // A FIFO nobody reads fails at once instead of blocking.
  ffile = OpenFile(AT_FDCWD, target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY);
  ::fcntl(ffile.get(), F_SETFL, ::fcntl(ffile.get(), F_GETFL) & ~O_NONBLOCK);
}

void OutputFile::CreateTemporary() {
  const mode_t mode = fexisting ? fexisting->st_mode & 07777 : 0666;
  if (CanLinkUnnamedFiles()) {
    const int unnamed = ::openat(ffolder.get(), ".", O_TMPFILE | O_RDWR | O_CLOEXEC, mode);
    if (unnamed >= 0) {
      ffile = FileDescriptor(unnamed);
      return TakeOverOwnerAndMode();
    }
    if (!UnnamedFilesUnsupported(errno)) ThrowErrno();
  }
  ftemp.emplace(ffolder.get(), TemporaryNameFor(ffolder.get(), fname));
  ffile = OpenFile(ffolder.get(), ftemp->Name().c_str(), O_RDWR | O_CREAT | O_EXCL, mode);
  TakeOverOwnerAndMode();
}

void OutputFile::TakeOverOwnerAndMode() {
  if (!fexisting) return;
  const bool owned = ::fchown(ffile.get(), fexisting->st_uid, fexisting->st_gid) == 0;
  // After the owner, whose change clears set-id bits, and past the umask.
  ::fchmod(ffile.get(), fexisting->st_mode & 07777);
  if (!owned || fexisting->st_nlink > 1) fkind = Kind::InPlace;
}

void OutputFile::Fail(int code) {
  if (ffailure == 0) ffailure = code;
  throw IoError(ffailure);
}

void OutputFile::Write(const void* data, std::size_t size) {
  if (ffailure != 0 || ffinished) Fail(ffailure != 0 ? ffailure : EBADF);
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  fbuffer.insert(fbuffer.end(), bytes, bytes + size);
  if (fbuffer.size() >= kBufferSize) Flush();
}

void OutputFile::Flush() {
  try {
    WriteAll(ffile.get(), fbuffer.data(), fbuffer.size());
  } catch (const IoError& error) {
    Fail(error.Code());
  }
  fsize += fbuffer.size();
  fbuffer.clear();
}

void OutputFile::Finish() {
  if (ffailure != 0) Fail(ffailure);
  if (ffinished) return;
  Flush();
  if (fkind != Kind::WriteThrough && ::fsync(ffile.get()) != 0) Fail(errno);
  ffinished = true;
}

void OutputFile::Link(bool keepOld) {
  if (fkind != Kind::Replace) return;
  if (keepOld && fexisting) fold.emplace(ffolder.get(), TemporaryNameFor(ffolder.get(), fname));
  if (ftemp) return;
  ftemp.emplace(ffolder.get(), TemporaryNameFor(ffolder.get(), fname));
  const std::string self = "/proc/self/fd/" + std::to_string(ffile.get());
  CommitStep();
  if (::linkat(AT_FDCWD, self.c_str(), ffolder.get(), ftemp->Name().c_str(), AT_SYMLINK_FOLLOW) == 0) return;
  const int error = errno;
  ftemp.reset();
  throw IoError(error);
}

std::optional<JournaledFile> OutputFile::Journaled() const {
  struct stat info {};
  if (fkind != Kind::Replace || ::fstat(ffile.get(), &info) != 0) return std::nullopt;
  return JournaledFile{fname, ftemp->Name(), fold ? fold->Name() : std::string(), info.st_ino};
}

void OutputFile::Replace() {
  if (fkind == Kind::WriteThrough) return;
  if (fkind == Kind::InPlace) return WriteInPlace();
  if (fold) KeepOld();
  CommitStep();
  if (::renameat(ffolder.get(), ftemp->Name().c_str(), ffolder.get(), fname.c_str()) != 0) ThrowErrno();
  ftemp->Release();
  freplaced = true;
}

// A second name for the old file; without hard links it cannot be kept.
void OutputFile::KeepOld() {
  CommitStep();
  if (::linkat(ffolder.get(), fname.c_str(), ffolder.get(), fold->Name().c_str(), 0) != 0) fold.reset();
}

void OutputFile::Restore() noexcept {
  if (!freplaced) return;
  freplaced = false;
  if (fold) {
    // Should that fail, the old content stays under its temporary name.
    ::renameat(ffolder.get(), fold->Name().c_str(), ffolder.get(), fname.c_str());
    fold->Release();
  } else if (!fexisting) {
    ::unlinkat(ffolder.get(), fname.c_str(), 0);
  }
}

// The new content is complete in the temporary file; room for it is taken
// first, so that a full disk stops the write before the old content changes.
void OutputFile::WriteInPlace() {
  const FileDescriptor target = OpenFile(ffolder.get(), fname.c_str(), O_WRONLY | O_NOCTTY);
  const auto size = static_cast<off_t>(fsize);
  if (size > 0 && ::fallocate(target.get(), FALLOC_FL_KEEP_SIZE, 0, size) != 0 && errno != EOPNOTSUPP) ThrowErrno();
  CopyContent(ffile.get(), target.get());
  if (::ftruncate(target.get(), size) != 0 || ::fsync(target.get()) != 0) ThrowErrno();
}

void OutputFile::DropKept() {
  if (!fold) return;
  CommitStep();
  fold.reset();
}

void OutputFile::SyncFolder() {
  if (fkind == Kind::Replace && ::fsync(ffolder.get()) != 0) ThrowErrno();
}
