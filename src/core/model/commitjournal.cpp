#include "model/commitjournal.h"

#include "model/filedescriptor.h"
#include "model/ioerror.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <optional>

namespace {

constexpr std::string_view kJournalKind = ".pair";
constexpr std::string_view kMagic = "glyphwright commit\n";
constexpr std::string_view kEnd = "end";
constexpr std::size_t kMaxJournalSize = 65536;

std::atomic<void (*)()> stepHook{nullptr};

// Fields end in a NUL byte, which no file name holds; the end mark tells a
// complete record from one whose writer was killed.
std::string Encode(const std::vector<JournaledFile>& files) {
  std::string text(kMagic);
  for (const JournaledFile& file : files)
    for (const std::string& field : {file.target, file.temporary, file.kept, std::to_string(file.content)})
      text += field + '\0';
  return text + std::string(kEnd) + '\0';
}

std::optional<std::vector<JournaledFile>> Decode(const std::string& text) {
  if (!text.starts_with(kMagic)) return std::nullopt;
  std::vector<std::string> fields;
  for (std::size_t at = kMagic.size(); at < text.size();) {
    const std::size_t end = text.find('\0', at);
    if (end == std::string::npos) return std::nullopt;
    fields.push_back(text.substr(at, end - at));
    at = end + 1;
  }
  if (fields.empty() || fields.size() % 4 != 1 || fields.back() != kEnd) return std::nullopt;
  std::vector<JournaledFile> files;
  for (std::size_t i = 0; i + 4 < fields.size(); i += 4) {
    const std::string& inode = fields[i + 3];
    JournaledFile file{fields[i], fields[i + 1], fields[i + 2]};
    const auto [end, error] = std::from_chars(inode.data(), inode.data() + inode.size(), file.content);
    if (error != std::errc() || end != inode.data() + inode.size()) return std::nullopt;
    files.push_back(file);
  }
  return files;
}

std::string ReadJournal(int folder, const std::string& name) {
  std::string text;
  const int fd = ::openat(folder, name.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return text;
  const FileDescriptor file(fd);
  char chunk[4096];
  for (ssize_t got = 0; text.size() <= kMaxJournalSize;) {
    got = ::read(file.get(), chunk, sizeof chunk);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    text.append(chunk, static_cast<std::size_t>(got));
  }
  return text;
}

ino_t InodeOf(int folder, const std::string& name) {
  struct stat info {};
  return ::fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 ? info.st_ino : 0;
}

bool InPlace(int folder, const JournaledFile& file) { return InodeOf(folder, file.target) == file.content; }

// Only names of the commit's own making: a record cannot move other files.
bool Plausible(int folder, const std::string& journal, const std::vector<JournaledFile>& files) {
  if (files.empty() || TemporaryNameOwner(folder, journal, files.front().target, kJournalKind) == 0) return false;
  return std::all_of(files.begin(), files.end(), [folder](const JournaledFile& file) {
    return file.target.find('/') == std::string::npos && TemporaryNameOwner(folder, file.temporary, file.target) != 0 &&
           (file.kept.empty() || TemporaryNameOwner(folder, file.kept, file.target) != 0);
  });
}

bool RollForward(int folder, const std::vector<JournaledFile>& files) {
  return std::all_of(files.begin(), files.end(), [folder](const JournaledFile& file) {
    if (InPlace(folder, file)) return true;
    CommitStep();
    return ::renameat(folder, file.temporary.c_str(), folder, file.target.c_str()) == 0;
  });
}

void RollBack(int folder, const std::vector<JournaledFile>& files) {
  for (const JournaledFile& file : files) {
    if (!InPlace(folder, file)) continue;
    CommitStep();
    if (file.kept.empty())
      ::unlinkat(folder, file.target.c_str(), 0);
    else
      ::renameat(folder, file.kept.c_str(), folder, file.target.c_str());
  }
}

// Forward when every new file is still on disk, in place or under its
// temporary name: the commit had got past its last check, and the user asked
// for the new files. A new file is gone only when a failed commit was being
// undone, so then, or when a rename forward fails, back to the kept old
// files. Either way a second kill during this leads to the same decision.
void Recover(int folder, const std::string& journal, const std::vector<JournaledFile>& files) {
  const bool complete = std::all_of(files.begin(), files.end(), [folder](const JournaledFile& file) {
    return InPlace(folder, file) || InodeOf(folder, file.temporary) == file.content;
  });
  if (!complete || !RollForward(folder, files)) RollBack(folder, files);
  for (const JournaledFile& file : files) {
    CommitStep();
    ::unlinkat(folder, file.temporary.c_str(), 0);
    if (!file.kept.empty()) ::unlinkat(folder, file.kept.c_str(), 0);
  }
  CommitStep();
  ::unlinkat(folder, journal.c_str(), 0);
  ::fsync(folder);
}

void RecoverKilledCommits(int folder, const std::string& target) {
  for (const std::string& name : FolderNames(folder)) {
    if (!name.ends_with(kJournalKind)) continue;
    const std::optional<std::vector<JournaledFile>> files = Decode(ReadJournal(folder, name));
    const bool ours = files && std::any_of(files->begin(), files->end(),
                                           [&target](const JournaledFile& file) { return file.target == target; });
    if (ours && Plausible(folder, name, *files)) {
      Recover(folder, name, *files);
    } else if (!files && TemporaryNameOwner(folder, name, target, kJournalKind) != 0) {
      // Killed while it was written, before any rename.
      ::unlinkat(folder, name.c_str(), 0);
    }
  }
}

}  // namespace

CommitJournal::CommitJournal(int folder, const std::vector<JournaledFile>& files)
    : ffolder(folder), fname(folder, TemporaryNameFor(folder, files.front().target, kJournalKind)) {
  CommitStep();
  const FileDescriptor file = OpenFile(folder, fname.Name().c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
  CommitStep();
  const std::string text = Encode(files);
  WriteAll(file.get(), text.data(), text.size());
  if (::fsync(file.get()) != 0 || ::fsync(folder) != 0) throw IoError(errno);
}

void CommitJournal::Close() {
  CommitStep();
  ::unlinkat(ffolder, fname.Name().c_str(), 0);
  fname.Release();
}

FolderLock::FolderLock(int folder) : ffolder(folder) {
  while (::flock(ffolder, LOCK_EX) != 0 && errno == EINTR) {
  }
}

FolderLock::~FolderLock() { ::flock(ffolder, LOCK_UN); }

void CleanUpAfterKilledWrites(int folder, const std::string& target) {
  const FolderLock lock(folder);
  // Under the lock, a record is never one of a commit that runs.
  RecoverKilledCommits(folder, target);
  RemoveLeftoverNames(folder, target);
}

void CommitStep() {
  if (const auto hook = stepHook.load()) hook();
}

void SetCommitStepHook(void (*hook)()) { stepHook.store(hook); }
