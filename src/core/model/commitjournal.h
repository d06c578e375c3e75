#pragma once

#include "model/tempnames.h"

#include <sys/types.h>
#include <string>
#include <vector>

// One file of a commit that replaces several files in one folder: the name it
// gets, the temporary name its new content waits under, the name the old file
// is kept under (empty: there was none) and the new content's inode.
struct JournaledFile {
  std::string target;
  std::string temporary;
  std::string kept;
  ino_t content = 0;
};

// Two renames cannot be one atomic step, so such a commit records its files
// in the folder, flushed to disk, before the first rename, and removes the
// record once every file is in place. A record found later belongs to a
// commit that was killed. A record removed unclosed (the commit failed and
// was undone) goes with the object.
class CommitJournal {
 public:
  // With the folder locked.
  CommitJournal(int folder, const std::vector<JournaledFile>& files);
  void Close();

 private:
  int ffolder;
  TemporaryName fname;
};

// Keeps commits into one folder, and the recovery of killed ones, from
// interleaving; a killed process's lock goes with it.
class FolderLock {
 public:
  explicit FolderLock(int folder);
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

 private:
  int ffolder;
};

// Before target is written: completes or undoes a killed commit that target
// belongs to, and removes the temporary names killed writes of target left.
void CleanUpAfterKilledWrites(int folder, const std::string& target);

// Every step of a commit that changes a name in a folder passes here first,
// so that a test can stop the commit there as a kill would.
void CommitStep();
// nullptr: no hook.
void SetCommitStepHook(void (*hook)());
