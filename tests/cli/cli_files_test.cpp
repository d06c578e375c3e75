// The converter binary with hostile outputs and inputs, as a build server
// would run it: signals during a long export, two exports of one pair at
// once, devices, FIFOs, huge files and names without a file part.

#include "clifixture.h"
#include "model/fonthandler.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <signal.h>
#include <stddef.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr auto kPatience = 120s;

// Makes every attempt of this process to open an unnamed file fail as on a
// file system that has none. O_TMPFILE includes O_DIRECTORY: only its own
// bit tells such an open from that of a folder.
void ForbidUnnamedFiles() {
  sock_filter filter[] = {
      BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
      BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_openat, 0, 3),
      BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, args[2])),
      BPF_JUMP(BPF_JMP | BPF_JSET | BPF_K, O_TMPFILE & ~O_DIRECTORY, 0, 1),
      BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | EOPNOTSUPP),
      BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
  };
  sock_fprog program{static_cast<unsigned short>(std::size(filter)), filter};
  if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0 || ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) != 0)
    ::_exit(125);
}

enum class TempFiles { Unnamed, Named };

// The converter binary as a child process, its stderr kept in a file.
class Converter {
 public:
  Converter(const std::vector<std::string>& args, const std::string& errFile, TempFiles temps = TempFiles::Unnamed) {
    std::vector<std::string> argv{GLYPH_CLI};
    argv.insert(argv.end(), args.begin(), args.end());
    fpid = ::fork();
    if (fpid != 0) return;
    const int err = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int null = ::open("/dev/null", O_RDWR);
    ::dup2(null, 0);
    ::dup2(null, 1);
    ::dup2(err, 2);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) ::signal(signal, SIG_DFL);
    if (temps == TempFiles::Named) ForbidUnnamedFiles();
    std::vector<char*> raw;
    for (std::string& arg : argv) raw.push_back(arg.data());
    raw.push_back(nullptr);
    ::execv(raw[0], raw.data());
    ::_exit(127);
  }
  ~Converter() {
    if (fpid > 0 && !fwaited) {
      ::kill(fpid, SIGKILL);
      Wait();
    }
  }

  pid_t Pid() const { return fpid; }
  int Wait() {
    ::waitpid(fpid, &fstatus, 0);
    fwaited = true;
    return fstatus;
  }

 private:
  pid_t fpid;
  int fstatus = 0;
  bool fwaited = false;
};

// Polls until the condition holds; false if it never did.
bool Eventually(const std::function<bool()>& condition) {
  const auto end = std::chrono::steady_clock::now() + kPatience;
  while (std::chrono::steady_clock::now() < end) {
    if (condition()) return true;
    std::this_thread::sleep_for(1ms);
  }
  return false;
}

// Whether the process has a file inside the folder open.
bool HasFileOpenIn(pid_t pid, const fs::path& folder) {
  std::error_code error;
  for (const auto& entry : fs::directory_iterator("/proc/" + std::to_string(pid) + "/fd", error)) {
    const std::string target = fs::read_symlink(entry.path(), error).string();
    if (!error && target.rfind(folder.string() + "/", 0) == 0) return true;
  }
  return false;
}

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class CliFiles : public CliFixture {
 protected:
  CliFiles() {
    fs::create_directory(fdir.Path() / "in");
    fs::create_directory(fdir.Path() / "out");
    TFontHandler font(8, 8);
    font.SetPixel('A', 1, 1, true);
    font.SaveFont(File("in/font.fnt"), 3);
  }

  // A 64 x 64 font of dots that no coder squeezes: long to export.
  std::string LargeFont() const {
    TFontHandler font(64, 64);
    unsigned seed = 7;
    for (int c = 0; c < kGlyphCount; ++c)
      for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) font.SetPixel(c, x, y, ((seed = seed * 1103515245 + 12345) >> 16) & 1);
    font.SaveFont(File("in/large.fnt"), 3);
    return File("in/large.fnt");
  }

  std::string Out(const std::string& name) const { return File("out/" + name); }
  std::vector<std::string> OutNames() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(fdir.Path() / "out")) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }

  // Runs the binary to its end: exit status (-1 if killed) and stderr.
  std::pair<int, std::string> RunBinary(const std::vector<std::string>& args, TempFiles temps = TempFiles::Unnamed) {
    Converter converter(args, File("stderr.txt"), temps);
    const int status = converter.Wait();
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(File("stderr.txt"))};
  }
};

// ---- Interrupted writes

struct Interruption {
  TempFiles temps;
  int signal;
};

void PrintTo(const Interruption& k, std::ostream* out) {
  *out << (k.temps == TempFiles::Named ? "named" : "unnamed") << " temporary file, SIG" << sigabbrev_np(k.signal);
}

class CliInterrupted : public CliFiles, public ::testing::WithParamInterface<Interruption> {};

TEST_P(CliInterrupted, LeavesTheTargetAndNoTemporaryFile) {
  const auto [temps, signal] = GetParam();
  const std::string font = LargeFont();
  std::ofstream(Out("demo.bmp")) << "old picture";
  Converter converter({"export", "--entry", "bmp", font, Out("demo")}, File("stderr.txt"), temps);
  ASSERT_TRUE(Eventually([&] { return HasFileOpenIn(converter.Pid(), fdir.Path() / "out"); }));
  ::kill(converter.Pid(), signal);
  const int status = converter.Wait();
  ASSERT_TRUE(WIFSIGNALED(status)) << "the export ended before the signal came; status " << status;
  EXPECT_EQ(WTERMSIG(status), signal);
  EXPECT_EQ(ReadText(Out("demo.bmp")), "old picture");
  EXPECT_EQ(OutNames(), std::vector<std::string>{"demo.bmp"});
}

INSTANTIATE_TEST_SUITE_P(
    Signals, CliInterrupted,
    ::testing::Values(Interruption{TempFiles::Unnamed, SIGINT}, Interruption{TempFiles::Unnamed, SIGTERM},
                      Interruption{TempFiles::Unnamed, SIGHUP}, Interruption{TempFiles::Named, SIGINT},
                      Interruption{TempFiles::Named, SIGTERM}, Interruption{TempFiles::Named, SIGHUP}),
    [](const auto& info) {
      return std::string(info.param.temps == TempFiles::Named ? "Named" : "Unnamed") + sigabbrev_np(info.param.signal);
    });

// Where the file system has no unnamed files, the named ones work too, also
// beside a name at the length limit.
TEST_F(CliFiles, WithoutUnnamedFilesSavesAndExportsWork) {
  const std::string name = std::string(246, 'x');
  std::ofstream(Out(name + ".fnt")) << "old";
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"convert", "--type", "2", File("in/font.fnt"), Out(name + ".fnt")},
        {"export", "--entry", "tft", File("in/font.fnt"), Out(name)}}) {
    const auto [status, err] = RunBinary(args, TempFiles::Named);
    EXPECT_EQ(status, 0) << err;
  }
  EXPECT_EQ(OutNames(), (std::vector<std::string>{name + ".c", name + ".fnt", name + ".h"}));
  EXPECT_EQ(fs::file_size(Out(name + ".fnt")), 32u + 256u * 9u);
}

// ---- One pair at a time

// Whether /proc/locks shows the process waiting for a lock.
bool WaitsForALock(pid_t pid) {
  std::ifstream locks("/proc/locks");
  for (std::string line; std::getline(locks, line);)
    if (line.find("->") != std::string::npos && line.find(" " + std::to_string(pid) + " ") != std::string::npos)
      return true;
  return false;
}

// Two exports of one pair at once must not mix their files: a pair's files
// are put in place under a lock on their folder.
TEST_F(CliFiles, APairWaitsWhileAnotherIsPutInPlace) {
  std::ofstream(Out("f.h")) << "old header";
  std::ofstream(Out("f.c")) << "old source";
  const int folder = ::open((fdir.Path() / "out").c_str(), O_RDONLY | O_DIRECTORY);
  ASSERT_EQ(::flock(folder, LOCK_EX), 0);
  Converter converter({"export", "--entry", "tft-rle", File("in/font.fnt"), Out("f")}, File("stderr.txt"));
  EXPECT_TRUE(Eventually([&] { return WaitsForALock(converter.Pid()); }));
  EXPECT_EQ(ReadText(Out("f.h")), "old header");
  EXPECT_EQ(ReadText(Out("f.c")), "old source");
  ::flock(folder, LOCK_UN);
  ::close(folder);
  const int status = converter.Wait();
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << ReadText(File("stderr.txt"));
  EXPECT_NE(ReadText(Out("f.h")).find("#include <Fonts/f.c>"), std::string::npos);
  EXPECT_NE(ReadText(Out("f.c")).find("// RLE compressed"), std::string::npos);
}

// ---- Flushed before success

TEST_F(CliFiles, TheFileAndThenItsFolderAreFlushedToDisk) {
  if (std::system("strace -V >/dev/null 2>&1") != 0) GTEST_SKIP() << "strace is not installed";
  const std::string log = File("strace.txt");
  // LeakSanitizer cannot work under ptrace; in a sanitizer build it must stay off.
  const std::string command = "ASAN_OPTIONS=detect_leaks=0 strace -f -o '" + log +
                              "' -e trace=fsync,renameat,renameat2,rename '" + GLYPH_CLI + "' convert --type 1 '" +
                              File("in/font.fnt") + "' '" + Out("font.fnt") + "'";
  ASSERT_EQ(std::system(command.c_str()), 0);
  std::vector<std::string> calls;
  std::istringstream lines(ReadText(log));
  for (std::string line; std::getline(lines, line);)
    for (const char* call : {"fsync(", "rename"})
      if (line.find(call) != std::string::npos && line.find("= 0") != std::string::npos) calls.push_back(call);
  EXPECT_EQ(calls, (std::vector<std::string>{"fsync(", "rename", "fsync("})) << ReadText(log);
}

// ---- Odd outputs and inputs, one line each

TEST_F(CliFiles, DevicesAreWrittenThrough) {
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string message;
  };
  const std::string font = File("in/font.fnt");
  ASSERT_EQ(::mkfifo(Out("pipe").c_str(), 0644), 0);
  const Case cases[] = {
      {{"convert", "--type", "3", font, "/dev/null"}, 0, ""},
      {{"export", "--entry", "tft", font, "/dev/null"}, 0, ""},
      {{"convert", "--type", "3", font, "/dev/full"}, 1, "cannot write '/dev/full': No space left on device\n"},
      {{"export", "--entry", "db", font, "/dev/full"}, 1, "cannot write '/dev/full': No space left on device\n"},
      {{"export", "--entry", "tft", font, "/dev/full"}, 1, "cannot write '/dev/full': No space left on device\n"},
      {{"export", "--entry", "gas", font, Out("pipe")}, 1, "cannot write '" + Out("pipe") + "': No such device"},
  };
  for (const Case& k : cases) {
    const auto [status, err] = RunBinary(k.args);
    EXPECT_EQ(status, k.status) << k.args.back();
    EXPECT_NE(err.find(k.message), std::string::npos) << err;
    EXPECT_LE(std::count(err.begin(), err.end(), '\n'), 1) << err;
  }
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  EXPECT_TRUE(fs::is_character_file("/dev/full"));
  EXPECT_EQ(OutNames(), std::vector<std::string>{"pipe"});
}

TEST_F(CliFiles, ThePairGoesToStandardOutputHeaderFirst) {
  std::string output;
  FILE* pipe = ::popen(
      ("'" + std::string(GLYPH_CLI) + "' export --entry tft '" + File("in/font.fnt") + "' /dev/stdout").c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  char buffer[4096];
  for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, got);
  EXPECT_EQ(::pclose(pipe), 0);
  const std::size_t header = output.find("#define nr_chrs_stdout 96");
  const std::size_t source = output.find("PROGMEM const unsigned char widtbl_stdout[96]");
  ASSERT_NE(header, std::string::npos) << output;
  ASSERT_NE(source, std::string::npos) << output;
  EXPECT_LT(header, source);
}

// The PNG coder's own complaint must not come on top of the converter's.
TEST_F(CliFiles, AFailedPngWriteGivesOneLine) {
  const auto [status, err] = RunBinary({"export", "--entry", "png", LargeFont(), "/dev/full"});
  EXPECT_EQ(status, 1);
  EXPECT_EQ(err, "glyphwright-cli: cannot write '/dev/full': No space left on device\n");
}

TEST_F(CliFiles, InputsThatAreNoRegularFileOrTooLargeAreRefusedAtOnce) {
  ASSERT_EQ(::mkfifo(File("in/pipe").c_str(), 0644), 0);
  { std::ofstream huge(File("in/huge")); }
  fs::resize_file(File("in/huge"), 2ull << 30);
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const Case cases[] = {
      {{"info", File("in/pipe")}, "cannot read '" + File("in/pipe") + "': not a regular file"},
      {{"import-dos", File("in/pipe"), Out("x.fnt")}, "cannot read '" + File("in/pipe") + "': not a regular file"},
      {{"info", "/dev/zero"}, "cannot read '/dev/zero': not a regular file"},
      {{"import-dos", "/dev/zero", Out("x.fnt")}, "cannot read '/dev/zero': not a regular file"},
      {{"info", File("in")}, "cannot read '" + File("in") + "': Is a directory"},
      {{"info", File("in/huge")},
       "cannot read '" + File("in/huge") +
           "': it has 2147483648 bytes, more than the 67108864 bytes a file of its format can have"},
      {{"import-dos", File("in/huge"), Out("x.fnt")},
       "cannot read '" + File("in/huge") +
           "': it has 2147483648 bytes, more than the 16639 bytes a file of its format can have"},
      {{"export", "--entry", "png", File("in/huge"), Out("x")}, "cannot read '" + File("in/huge") + "': it has"},
  };
  for (const Case& k : cases) {
    const auto [status, err] = RunBinary(k.args);
    EXPECT_EQ(status, 1) << k.message;
    EXPECT_EQ(err.rfind("glyphwright-cli: " + k.message, 0), 0u) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
  }
  EXPECT_TRUE(OutNames().empty());
}

TEST_F(CliFiles, OutputNamesWithoutAFilePartAreRefused) {
  fs::create_directory(Out("sub"));
  struct Case {
    std::string name;
    std::string reason;
  };
  const Case cases[] = {{"", "no file name given"},
                        {Out("sub/"), "Is a directory"},
                        {Out("."), "Is a directory"},
                        {Out(".."), "Is a directory"},
                        {Out("none/"), "no file name given"}};
  for (const Case& k : cases)
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"convert", "--type", "3", File("in/font.fnt"), k.name},
          {"export", "--entry", "db", File("in/font.fnt"), k.name},
          {"export", "--entry", "tft", File("in/font.fnt"), k.name},
          {"import-dos", File("in/font.fnt"), k.name}}) {
      const Result r = Run(args);
      EXPECT_EQ(r.status, 1) << args[0] << " '" << k.name << "'";
      EXPECT_EQ(r.err, "glyphwright-cli: cannot write '" + k.name + "': " + k.reason + "\n") << args[0];
    }
  EXPECT_EQ(OutNames(), std::vector<std::string>{"sub"});
  EXPECT_TRUE(fs::is_empty(Out("sub")));
}

}  // namespace
