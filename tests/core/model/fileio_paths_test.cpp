// The file layer with every kind of path a user or a build server may hand
// it: devices, FIFOs, sockets, folders, names without a file part, long
// names, hard and symbolic links, other owners, and oversized inputs.

#include "model/dosfont.h"
#include "model/fileio.h"
#include "model/fntformat.h"
#include "model/fonthandler.h"
#include "model/ioerror.h"
#include "testfiles.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>
#include <cerrno>
#include <filesystem>
#include <functional>
#include <optional>

namespace {

namespace fs = std::filesystem;

const ByteArray kNew{'n', 'e', 'w'};

struct stat StatOf(const std::string& path) {
  struct stat info {};
  EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
  return info;
}

// The error a call raised, if any.
std::optional<IoError> IoErrorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const IoError& error) {
    return error;
  }
  return std::nullopt;
}

// A socket file bound in the folder; closed with the object.
class BoundSocket {
 public:
  explicit BoundSocket(const std::string& path) : ffd(::socket(AF_UNIX, SOCK_STREAM, 0)) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    EXPECT_EQ(::bind(ffd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0) << path;
  }
  ~BoundSocket() { ::close(ffd); }

 private:
  int ffd;
};

// ---- Outputs that are no regular file

TEST(OddOutputs, DevicesAndFifosAreWrittenThroughAndNeverReplaced) {
  TempDir dir;
  const std::string fifo = dir.File("pipe");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  struct Case {
    std::string path;
    int error;  // 0: written
  };
  // /dev/full says "no space" on every write; a FIFO nobody reads fails at once.
  for (const Case& k : {Case{"/dev/null", 0}, Case{"/dev/full", ENOSPC}, Case{fifo, ENXIO}}) {
    const struct stat before = StatOf(k.path);
    const std::optional<IoError> error = IoErrorOf([&] { WriteFileSafely(k.path, kNew); });
    EXPECT_EQ(error ? error->Code() : 0, k.error) << k.path;
    const struct stat after = StatOf(k.path);
    EXPECT_EQ(after.st_ino, before.st_ino) << k.path;
    EXPECT_EQ(after.st_mode, before.st_mode) << k.path;
  }
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"pipe"});
}

TEST(OddOutputs, AFifoWithAReaderGetsTheContent) {
  TempDir dir;
  const std::string fifo = dir.File("pipe");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  WriteFileSafely(fifo, kNew);
  char got[8] = {};
  EXPECT_EQ(::read(reader, got, sizeof got), 3);
  EXPECT_EQ(std::string(got), "new");
  ::close(reader);
  EXPECT_TRUE(S_ISFIFO(StatOf(fifo).st_mode));
}

TEST(OddOutputs, FoldersBlockDevicesAndSocketsAreRefused) {
  TempDir dir;
  fs::create_directory(dir / "folder");
  const BoundSocket socket(dir.File("socket"));
  struct Case {
    std::string path;
    IoError::Reason reason;
    int code;
  };
  std::vector<Case> cases = {{dir.File("folder"), IoError::Reason::System, EISDIR},
                             {dir.File("socket"), IoError::Reason::NotRegularFile, EINVAL}};
  // A device of no existing disk: had it been opened, the test would say so.
  if (::mknod(dir.File("disk").c_str(), S_IFBLK | 0600, makedev(7, 250)) == 0)
    cases.push_back({dir.File("disk"), IoError::Reason::NotRegularFile, EINVAL});
  for (const Case& k : cases) {
    const std::optional<IoError> error = IoErrorOf([&] { WriteFileSafely(k.path, kNew); });
    ASSERT_TRUE(error) << k.path;
    EXPECT_EQ(error->reason(), k.reason) << k.path;
    EXPECT_EQ(error->Code(), k.code) << k.path;
  }
  EXPECT_TRUE(fs::is_directory(dir / "folder"));
  EXPECT_TRUE(fs::is_socket(dir / "socket"));
}

TEST(OddOutputs, DevicesAndFifosKeepTheirNameWhenAnExtensionIsGiven) {
  TempDir dir;
  ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0644), 0);
  EXPECT_EQ(OutputFileName("/dev/null", ".inc"), "/dev/null");
  EXPECT_EQ(OutputFileName(dir.File("pipe"), ".h"), dir.File("pipe"));
  EXPECT_EQ(OutputFileName(dir.File("font.fnt"), ".h"), dir.File("font.h"));
}

// ---- Files written together

// The second file is found to be a folder only when it is replaced.
TEST(CommitTogether, WhenTheSecondFileCannotBeReplacedTheFirstKeepsItsOldContent) {
  for (const bool headerExisted : {true, false}) {
    TempDir dir;
    if (headerExisted) WriteText(dir.File("f.h"), "old header");
    WriteText(dir.File("f.c"), "old source");
    SafeFileWriter header(dir.File("f.h"));
    SafeFileWriter source(dir.File("f.c"));
    header.Write(std::string("new header"));
    source.Write(std::string("new source"));
    fs::remove(dir / "f.c");
    fs::create_directories(dir / "f.c" / "inside");
    EXPECT_THROW(CommitTogether({&header, &source}), IoError) << headerExisted;
    const std::vector<std::string> names =
        headerExisted ? std::vector<std::string>{"f.c", "f.h"} : std::vector<std::string>{"f.c"};
    EXPECT_EQ(dir.Names(), names);
    if (headerExisted) {
      EXPECT_EQ(ReadWholeFile(dir.File("f.h")), ByteArray({'o', 'l', 'd', ' ', 'h', 'e', 'a', 'd', 'e', 'r'}));
    }
  }
}

TEST(CommitTogether, ReplacesEveryFile) {
  TempDir dir;
  WriteText(dir.File("f.h"), "old header");
  SafeFileWriter header(dir.File("f.h"));
  SafeFileWriter source(dir.File("f.c"));
  header.Write(std::string("h"));
  source.Write(std::string("c"));
  CommitTogether({&header, &source});
  EXPECT_EQ(ReadWholeFile(dir.File("f.h")), ByteArray{'h'});
  EXPECT_EQ(ReadWholeFile(dir.File("f.c")), ByteArray{'c'});
  EXPECT_EQ(dir.Names(), (std::vector<std::string>{"f.c", "f.h"}));
}

// ---- Inputs

TEST(OddInputs, AreRefusedBeforeTheyAreRead) {
  TempDir dir;
  ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0644), 0);
  fs::create_directory(dir / "folder");
  WriteBytes(dir.File("fnt+1"), ByteArray(kFntMaxFileSize + 1));
  WriteBytes(dir.File("dos+1"), ByteArray(kDosFontMaxSize + 1));
  // Sparse: 2 GB that take no room on the disk.
  WriteText(dir.File("huge"), "");
  fs::resize_file(dir / "huge", 2ull << 30);
  const BoundSocket socket(dir.File("socket"));
  struct Case {
    std::string path;
    std::uintmax_t limit;
    IoError::Reason reason;
  };
  const Case cases[] = {
      {dir.File("pipe"), kFntMaxFileSize, IoError::Reason::NotRegularFile},
      {"/dev/zero", kFntMaxFileSize, IoError::Reason::NotRegularFile},
      {dir.File("socket"), kFntMaxFileSize, IoError::Reason::NotRegularFile},
      {dir.File("folder"), kFntMaxFileSize, IoError::Reason::System},
      {dir.File("huge"), kFntMaxFileSize, IoError::Reason::TooLarge},
      {dir.File("huge"), kDosFontMaxSize, IoError::Reason::TooLarge},
      {dir.File("fnt+1"), kFntMaxFileSize, IoError::Reason::TooLarge},
      {dir.File("dos+1"), kDosFontMaxSize, IoError::Reason::TooLarge},
  };
  for (const Case& k : cases) {
    const std::optional<IoError> error = IoErrorOf([&] { ReadWholeFile(k.path, k.limit); });
    ASSERT_TRUE(error) << k.path;
    EXPECT_EQ(error->reason(), k.reason) << k.path << ": " << error->what();
    if (k.reason == IoError::Reason::TooLarge) {
      EXPECT_EQ(error->Limit(), k.limit);
      EXPECT_EQ(error->Size(), fs::file_size(k.path));
    }
  }
}

TEST(OddInputs, LoadingAFontRefusesThemAndKeepsTheFont) {
  TempDir dir;
  ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0644), 0);
  WriteBytes(dir.File("long.fnt"), ByteArray(kFntMaxFileSize + 1));
  for (const std::string& path : {dir.File("pipe"), std::string("/dev/zero"), dir.File("long.fnt")}) {
    TFontHandler font(8, 8);
    font.SetPixel(65, 1, 1, true);
    EXPECT_THROW(font.LoadFont(path), IoError) << path;
    EXPECT_TRUE(font.Fontvalid());
    EXPECT_TRUE(font.GetPixel(65, 1, 1));
  }
}

TEST(OddInputs, TheLargestFileOfEachFormatIsRead) {
  TempDir dir;
  TFontHandler(64, 64).SaveFont(dir.File("largest.fnt"), 3);
  ASSERT_EQ(fs::file_size(dir / "largest.fnt"), kFntMaxFileSize);
  TFontHandler font(8, 8);
  font.LoadFont(dir.File("largest.fnt"));
  EXPECT_TRUE(font.Fontvalid());
  EXPECT_EQ(font.FontWidth(), 64);
  WriteBytes(dir.File("dos.bin"), ByteArray(kDosFontMaxSize, 0x18));
  EXPECT_EQ(MakeDosFont(ReadWholeFile(dir.File("dos.bin"), kDosFontMaxSize))->FontHeight(), 64);
}

// ---- Names without a file part

TEST(OutputNames, WithoutAFilePartAreRefusedAndWriteNothing) {
  TempDir dir;
  fs::create_directory(dir / "outdir");
  const fs::path previous = fs::current_path();
  fs::current_path(dir.Path());
  struct Case {
    std::string name;
    IoError::Reason reason;
  };
  const Case cases[] = {
      {"", IoError::Reason::NoFileName},     {".", IoError::Reason::System},
      {"..", IoError::Reason::System},       {"outdir/", IoError::Reason::System},
      {"outdir/.", IoError::Reason::System}, {"missing/", IoError::Reason::NoFileName},
      {"outdir", IoError::Reason::System},
  };
  for (const Case& k : cases) {
    const std::optional<IoError> error = IoErrorOf([&] { TFontHandler(8, 8).SaveFont(k.name, 3); });
    ASSERT_TRUE(error) << "'" << k.name << "'";
    EXPECT_EQ(error->reason(), k.reason) << "'" << k.name << "'";
    if (k.reason == IoError::Reason::System) {
      EXPECT_EQ(error->Code(), EISDIR) << "'" << k.name << "'";
    }
  }
  fs::current_path(previous);
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"outdir"});
  EXPECT_TRUE(fs::is_empty(dir / "outdir"));
}

// ---- Long names

TEST(LongNames, UpToTheFileSystemsLimitAreSaved) {
  TempDir dir;
  for (const std::size_t length : {250u, 255u}) {
    const std::string name = std::string(length - 4, 'n') + ".fnt";
    TFontHandler(8, 8).SaveFont(dir.File(name), 3);
    TFontHandler(8, 8).SaveFont(dir.File(name), 2);
    TFontHandler font(16, 16);
    font.LoadFont(dir.File(name));
    EXPECT_EQ(font.fonttype(), 2) << length;
    EXPECT_EQ(dir.Names(), std::vector<std::string>{name});
    fs::remove(dir / name);
  }
}

// ---- What a saved file keeps

TEST(SavedFiles, KeepTheirHardLinks) {
  TempDir dir;
  WriteText(dir.File("a.fnt"), "old");
  fs::create_hard_link(dir / "a.fnt", dir / "b.fnt");
  const ino_t inode = StatOf(dir.File("a.fnt")).st_ino;
  WriteFileSafely(dir.File("a.fnt"), kNew);
  EXPECT_EQ(ReadWholeFile(dir.File("b.fnt")), kNew);
  EXPECT_EQ(StatOf(dir.File("a.fnt")).st_ino, inode);
  EXPECT_EQ(StatOf(dir.File("a.fnt")).st_nlink, 2u);
  EXPECT_EQ(dir.Names(), (std::vector<std::string>{"a.fnt", "b.fnt"}));
}

// In place, a shorter content must not leave the old one's tail.
TEST(SavedFiles, WrittenInPlaceTakeTheNewLength) {
  TempDir dir;
  WriteText(dir.File("a.fnt"), "old old old");
  fs::create_hard_link(dir / "a.fnt", dir / "b.fnt");
  WriteFileSafely(dir.File("a.fnt"), kNew);
  EXPECT_EQ(ReadWholeFile(dir.File("a.fnt")), kNew);
}

TEST(SavedFiles, KeepTheirOwnerWhenSavedByRoot) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root can give a file to someone else";
  TempDir dir;
  const std::string path = dir.File("theirs.fnt");
  WriteText(path, "old");
  ASSERT_EQ(::chown(path.c_str(), 4321, 4322), 0);
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  WriteFileSafely(path, kNew);
  const struct stat info = StatOf(path);
  EXPECT_EQ(info.st_uid, 4321u);
  EXPECT_EQ(info.st_gid, 4322u);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  EXPECT_EQ(ReadWholeFile(path), kNew);
}

TEST(SavedFiles, ADanglingLinkGetsItsTargetCreated) {
  TempDir dir;
  fs::create_directory(dir / "real");
  fs::create_symlink("real/font.fnt", dir / "link.fnt");
  WriteFileSafely(dir.File("link.fnt"), kNew);
  EXPECT_TRUE(fs::is_symlink(dir / "link.fnt"));
  EXPECT_EQ(ReadWholeFile(dir.File("real/font.fnt")), kNew);
  EXPECT_EQ(dir.Names(), (std::vector<std::string>{"link.fnt", "real"}));
}

// The mode of the file being written, found among the open descriptors.
std::optional<unsigned> ModeOfFileBeingWritten(const TempDir& dir) {
  for (const auto& entry : fs::directory_iterator("/proc/self/fd")) {
    std::error_code error;
    const std::string target = fs::read_symlink(entry.path(), error).string();
    if (error || target.rfind(dir.Path().string() + "/", 0) != 0) continue;
    struct stat info {};
    if (::stat(entry.path().c_str(), &info) == 0 && S_ISREG(info.st_mode)) return info.st_mode & 07777;
  }
  return std::nullopt;
}

// No moment in which a private file can be read by others, nor a program
// file is not executable.
TEST(SavedFiles, TheTemporaryFileHasTheFinalModeFromTheStart) {
  const mode_t mask = ::umask(022);
  for (const unsigned mode : {0600u, 0755u, 0666u}) {
    TempDir dir;
    const std::string path = dir.File("font.fnt");
    WriteText(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), mode), 0);
    SafeFileWriter writer(path);
    writer.Write(std::string("new"));
    EXPECT_EQ(ModeOfFileBeingWritten(dir), std::optional<unsigned>(mode)) << std::oct << mode;
    writer.Commit();
    EXPECT_EQ(StatOf(path).st_mode & 07777, mode) << std::oct << mode;
  }
  ::umask(mask);
}

}  // namespace
