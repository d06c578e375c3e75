// Writes killed at every step that changes a name in the folder, followed by
// one more run on the same names: the files are the old or the new ones,
// whole, a pair matches, and no temporary name survives.

#include "model/commitjournal.h"
#include "model/fileio.h"
#include "testfiles.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <climits>
#include <functional>
#include <string>

namespace {

enum Outcome { kStopped = 40, kFinished, kFailed };

int stepToStopAt = -1;
int stepsTaken = 0;

void StopLikeAKill() {
  if (stepsTaken++ == stepToStopAt) ::_exit(kStopped);
}

// Runs write in a child process that ends without any clean-up at the given
// step; false when write finished before it.
bool StoppedAtStep(int step, const std::function<void()>& write) {
  const pid_t child = ::fork();
  if (child == 0) {
    stepToStopAt = step;
    SetCommitStepHook(StopLikeAKill);
    try {
      write();
    } catch (...) {
      ::_exit(kFailed);
    }
    ::_exit(kFinished);
  }
  int status = 0;
  EXPECT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != kFailed) << "step " << step << ", status " << status;
  return WIFEXITED(status) && WEXITSTATUS(status) == kStopped;
}

std::string TextOf(const TempDir& dir, const std::string& name) {
  const ByteArray bytes = ReadWholeFile(dir.File(name));
  return {bytes.begin(), bytes.end()};
}

void WritePair(const TempDir& dir, const std::string& version) {
  SafeFileWriter header(dir.File("f.h"));
  SafeFileWriter source(dir.File("f.c"));
  header.Write(version + " header");
  source.Write(version + " source");
  CommitTogether({&header, &source});
}

// The next run that opens one of the pair (as a write that gets no further).
void OpenForWriting(const TempDir& dir, const std::string& name) { const SafeFileWriter next(dir.File(name)); }

// Old or new, both files, or (without an old pair) neither.
void ExpectWholePair(const TempDir& dir, bool hadOldPair, const std::string& where) {
  const bool header = std::filesystem::exists(dir / "f.h");
  ASSERT_EQ(std::filesystem::exists(dir / "f.c"), header) << where;
  if (!header) {
    EXPECT_FALSE(hadOldPair) << where;
    return;
  }
  const std::string text = TextOf(dir, "f.h");
  ASSERT_TRUE(text == "old header" || text == "new header") << where;
  EXPECT_EQ(TextOf(dir, "f.c"), text.substr(0, 4) + "source") << where;
}

// The next run opens both files, as the export does, and leaves no other name.
// Either file's writer, opened first, finds the record.
void ExpectCleanNextRun(const TempDir& dir, bool hadOldPair, const std::string& first, const std::string& where) {
  OpenForWriting(dir, first);
  ExpectWholePair(dir, hadOldPair, where);
  OpenForWriting(dir, "f.h");
  OpenForWriting(dir, "f.c");
  ExpectWholePair(dir, hadOldPair, where);
  const std::vector<std::string> names = dir.Names();
  EXPECT_TRUE(names.empty() || names == (std::vector<std::string>{"f.c", "f.h"})) << where;
}

// A new header beside an old or missing source, as a kill between the renames
// leaves them.
bool IsHalfPair(const TempDir& dir) {
  return std::filesystem::exists(dir / "f.h") && TextOf(dir, "f.h") == "new header" &&
         (!std::filesystem::exists(dir / "f.c") || TextOf(dir, "f.c") != "new source");
}

TEST(KilledWrites, LeaveAWholeMatchingPairAfterTheNextRun) {
  for (const bool hadOldPair : {true, false}) {
    bool stopped = true;
    bool sawHalfPair = false;
    for (int step = 0; stopped; ++step) {
      TempDir dir;
      if (hadOldPair) WritePair(dir, "old");
      stopped = StoppedAtStep(step, [&] { WritePair(dir, "new"); });
      sawHalfPair = sawHalfPair || IsHalfPair(dir);
      ExpectCleanNextRun(dir, hadOldPair, step % 2 == 0 ? "f.h" : "f.c",
                         "step " + std::to_string(step) + ", old pair " + std::to_string(hadOldPair));
    }
    EXPECT_TRUE(sawHalfPair) << "no kill fell between the renames";
  }
}

// The run that finishes a killed commit may itself be killed.
TEST(KilledWrites, LeaveAWholeMatchingPairWhenTheRecoveryIsKilledToo) {
  bool stopped = true;
  for (int step = 0; stopped; ++step) {
    bool recoveryStopped = true;
    for (int recoveryStep = 0; recoveryStopped; ++recoveryStep) {
      TempDir dir;
      WritePair(dir, "old");
      stopped = StoppedAtStep(step, [&] { WritePair(dir, "new"); });
      recoveryStopped = StoppedAtStep(recoveryStep, [&] { OpenForWriting(dir, "f.c"); });
      ExpectCleanNextRun(dir, true, "f.h", "steps " + std::to_string(step) + ", " + std::to_string(recoveryStep));
    }
  }
}

TEST(KilledWrites, LeaveTheOldOrNewSingleFileAndNoTemporaryName) {
  bool stopped = true;
  for (int step = 0; stopped; ++step) {
    TempDir dir;
    WriteText(dir.File("f.fnt"), "old");
    stopped = StoppedAtStep(step, [&] { WriteFileSafely(dir.File("f.fnt"), ByteArray{'n', 'e', 'w'}); });
    OpenForWriting(dir, "f.fnt");
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"f.fnt"}) << step;
    const std::string text = TextOf(dir, "f.fnt");
    EXPECT_TRUE(text == "old" || text == "new") << step;
  }
}

// A process that has ended, whose id is not used again in the test's time.
pid_t EndedProcess() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return child;
}

TEST(KilledWrites, OnlyTheirOwnLeftoversAreRemovedByTheNextWrite) {
  TempDir dir;
  const std::string ended = std::to_string(EndedProcess());
  const std::string running = std::to_string(::getpid());
  const std::string longName = std::string(NAME_MAX, 'x');
  const std::string longLeftover = ".~" + ended + "-2";
  struct Case {
    std::string name;
    bool removed;
  };
  const Case cases[] = {
      {"f.c.~" + ended + "-3", true},
      {"f.c.~" + ended + "-0", true},
      {longName.substr(0, NAME_MAX - longLeftover.size()) + longLeftover, true},
      {"f.c.~" + running + "-7", false},    // a write of this process in progress
      {"g.c.~" + ended + "-3", false},      // beside another file
      {"f.c.~" + ended + "-3.pair", true},  // a commit record cut short
      {"f.c.~" + ended + "-x", false},
      {"f.c.~" + ended, false},
      {"f.c~" + ended + "-1", false},
  };
  for (const Case& k : cases) WriteText(dir.File(k.name), "left");
  WriteFileSafely(dir.File("f.c"), ByteArray{'c'});
  WriteFileSafely(dir.File(longName), ByteArray{'x'});
  for (const Case& k : cases) EXPECT_EQ(!std::filesystem::exists(dir / k.name), k.removed) << k.name;
}

}  // namespace
