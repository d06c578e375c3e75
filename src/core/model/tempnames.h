#pragma once

#include <sys/types.h>
#include <string>
#include <string_view>
#include <vector>

// A name in a folder that a write uses only for a while (a temporary file, or
// the old file kept until a pair of files is in place). While it is held, a
// SIGINT, SIGTERM or SIGHUP removes the file of that name before the process
// ends as the signal says, so an interrupted write leaves nothing behind.
// Signals the program has handlers for, or ignores, are left to it.
class TemporaryName {
 public:
  // folder: an open descriptor of the folder, kept open while this lives.
  TemporaryName(int folder, std::string name);
  // Removes the file of that name unless it was released.
  ~TemporaryName();
  TemporaryName(const TemporaryName&) = delete;
  TemporaryName& operator=(const TemporaryName&) = delete;

  const std::string& Name() const { return fname; }
  // The file no longer goes by this name (renamed, or removed by the caller).
  void Release();

 private:
  int ffolder;
  std::string fname;
  int fslot;  // -1: no slot was free
  bool freleased = false;
};

// A name for a temporary file beside the file called target in the same
// folder: the target's name, shortened where the folder's name limit needs
// it, with ".~PID-N" and the kind (empty for the file's own content) after it.
std::string TemporaryNameFor(int folder, const std::string& target, std::string_view kind = {});

// The process that gave name to a temporary file of target and that kind, or
// 0 when the name is no such name.
pid_t TemporaryNameOwner(int folder, const std::string& name, const std::string& target, std::string_view kind = {});

// Whether the process is gone for sure: one that runs, even as another
// user, keeps its names.
bool HasEnded(pid_t process);

// Every name in the folder; none where it cannot be listed.
std::vector<std::string> FolderNames(int folder);

// Removes what writes of target left behind when they were killed: their
// temporary names, recognised by the pattern and a process that has ended.
void RemoveLeftoverNames(int folder, const std::string& target);
