#include "model/fileio.h"

#include "model/ioerror.h"
#include "model/outputfile.h"

#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <optional>

namespace {

constexpr std::size_t kChunkSize = 65536;

bool IsWrittenThrough(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && IsWrittenThrough(info);
}

void RequireRegularFile(const struct stat& info) {
  if (S_ISDIR(info.st_mode)) throw IoError(EISDIR);
  if (!S_ISREG(info.st_mode)) throw IoError::NotRegularFile();
}

// Ctrl-C and its kin wait while files are put in place, so that a pair is
// never left half replaced.
class SignalsHeld {
 public:
  SignalsHeld() {
    sigset_t held;
    sigemptyset(&held);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&held, signal);
    ::pthread_sigmask(SIG_BLOCK, &held, &fprevious);
  }
  ~SignalsHeld() { ::pthread_sigmask(SIG_SETMASK, &fprevious, nullptr); }
  SignalsHeld(const SignalsHeld&) = delete;
  SignalsHeld& operator=(const SignalsHeld&) = delete;

 private:
  sigset_t fprevious;
};

bool SameFolder(const OutputFile* a, const OutputFile* b) {
  struct stat first {};
  struct stat second {};
  return ::fstat(a->Folder(), &first) == 0 && ::fstat(b->Folder(), &second) == 0 && first.st_dev == second.st_dev &&
         first.st_ino == second.st_ino;
}

// The files the journal of a commit of several can bring in place: those
// replaced by renaming in the first file's folder. Copies into old files
// cannot be taken back or done again.
std::vector<JournaledFile> JournaledFiles(const std::vector<OutputFile*>& files) {
  std::vector<JournaledFile> journaled;
  for (const OutputFile* file : files) {
    std::optional<JournaledFile> entry = file->Journaled();
    if (entry && SameFolder(file, files.front())) journaled.push_back(std::move(*entry));
  }
  return journaled;
}

// Each folder once, after every kept old file is gone.
void SyncFolders(const std::vector<OutputFile*>& files) {
  for (auto file = files.begin(); file != files.end(); ++file)
    if (std::none_of(files.begin(), file, [&](const OutputFile* earlier) { return SameFolder(earlier, *file); }))
      (*file)->SyncFolder();
}

}  // namespace

ByteArray ReadWholeFile(const std::string& path, std::uintmax_t maxSize) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) throw IoError(errno);
  RequireRegularFile(info);
  // Not blocking: should a FIFO take the file's place meanwhile, the check
  // below refuses it instead of waiting for a writer.
  const FileDescriptor file = OpenFile(AT_FDCWD, path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY);
  if (::fstat(file.get(), &info) != 0) throw IoError(errno);
  RequireRegularFile(info);
  if (static_cast<std::uintmax_t>(info.st_size) > maxSize) throw IoError::TooLarge(info.st_size, maxSize);
  ByteArray data;
  data.reserve(static_cast<std::size_t>(info.st_size));
  std::uint8_t chunk[kChunkSize];
  for (;;) {
    const ssize_t got = ::read(file.get(), chunk, sizeof chunk);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) throw IoError(errno);
    if (got == 0) return data;
    data.insert(data.end(), chunk, chunk + got);
    // A file that grows while it is read is held to the same limit.
    if (data.size() > maxSize) throw IoError::TooLarge(data.size(), maxSize);
  }
}

void RequireFileName(const std::string& path) {
  if (path.empty()) throw IoError::NoFileName();
  const std::filesystem::path name = std::filesystem::path(path).filename();
  if (!name.empty() && name != "." && name != "..") return;
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) throw IoError(EISDIR);
  throw IoError::NoFileName();
}

std::string OutputFileName(const std::string& name, std::string_view extension) {
  if (IsWrittenThrough(name)) return name;
  return std::filesystem::path(name).replace_extension(extension).string();
}

SafeFileWriter::SafeFileWriter(const std::string& target) : ffile(std::make_unique<OutputFile>(target)) {}

SafeFileWriter::~SafeFileWriter() = default;

void SafeFileWriter::Write(const void* data, std::size_t size) { ffile->Write(data, size); }

void SafeFileWriter::Finish() { ffile->Finish(); }

void SafeFileWriter::Commit() { CommitTogether({this}); }

void CommitTogether(std::initializer_list<SafeFileWriter*> writers) {
  std::vector<OutputFile*> files;
  for (SafeFileWriter* writer : writers)
    if (!writer->fcommitted) files.push_back(writer->ffile.get());
  if (files.empty()) return;
  for (OutputFile* file : files) file->Finish();
  // Copies into old files cannot be taken back: they go last.
  std::stable_partition(files.begin(), files.end(), [](const OutputFile* file) { return !file->WritesInPlace(); });
  const bool together = files.size() > 1;
  const SignalsHeld held;
  const FolderLock lock(files.front()->Folder());
  std::optional<CommitJournal> journal;
  std::size_t replaced = 0;
  try {
    for (OutputFile* file : files) file->Link(together);
    if (const std::vector<JournaledFile> journaled = JournaledFiles(files); journaled.size() > 1)
      journal.emplace(files.front()->Folder(), journaled);
    for (; replaced < files.size(); ++replaced) files[replaced]->Replace();
  } catch (...) {
    while (replaced > 0) files[--replaced]->Restore();
    for (OutputFile* file : files) file->Discard();
    throw;
  }
  for (SafeFileWriter* writer : writers) writer->fcommitted = true;
  if (journal) journal->Close();
  for (OutputFile* file : files) file->DropKept();
  SyncFolders(files);
}

void WriteFileSafely(const std::string& path, const ByteArray& data) {
  SafeFileWriter writer(path);
  writer.Write(data);
  writer.Commit();
}
