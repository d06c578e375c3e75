#include "model/fileio.h"
#include "model/ioerror.h"
#include "testfiles.h"

#include <gtest/gtest.h>
#include <cerrno>
#include <filesystem>

namespace {

std::size_t FileCount(const TempDir& dir) {
  return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir.Path()), {}));
}

TEST(SafeFileWriter, UncommittedWriteLeavesTheTargetAndNoTemporaryFile) {
  TempDir dir;
  const std::string path = dir.File("target.txt");
  WriteText(path, "old");
  {
    SafeFileWriter writer(path);
    writer.Write(std::string("new content"));
    writer.Finish();
  }
  EXPECT_EQ(ReadWholeFile(path), (ByteArray{'o', 'l', 'd'}));
  EXPECT_EQ(FileCount(dir), 1u);
}

TEST(SafeFileWriter, CommitReplacesTheTarget) {
  TempDir dir;
  const std::string path = dir.File("target.txt");
  WriteText(path, "old old old");
  SafeFileWriter writer(path);
  writer.Write(std::string("new"));
  writer.Commit();
  EXPECT_EQ(ReadWholeFile(path), (ByteArray{'n', 'e', 'w'}));
  EXPECT_EQ(FileCount(dir), 1u);
  EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::owner_read,
            std::filesystem::perms::owner_read);
}

TEST(SafeFileWriter, CommitKeepsTheModeOfAnExistingTarget) {
  namespace fs = std::filesystem;
  TempDir dir;
  for (const fs::perms mode : {fs::perms(0600), fs::perms(0640), fs::perms(0755)}) {
    const std::string path = dir.File("target.txt");
    WriteText(path, "old");
    fs::permissions(path, mode);
    WriteFileSafely(path, ByteArray{'n', 'e', 'w'});
    EXPECT_EQ(fs::status(path).permissions(), mode) << static_cast<int>(mode);
  }
}

// A saved file that is a link must stay a link and the file it points to
// must get the new content.
TEST(SafeFileWriter, CommitWritesThroughASymbolicLink) {
  namespace fs = std::filesystem;
  TempDir dir;
  fs::create_directory(dir / "real");
  WriteText(dir.File("real/font.fnt"), "old");
  fs::create_symlink("real/font.fnt", dir / "link.fnt");
  WriteFileSafely(dir.File("link.fnt"), ByteArray{'n', 'e', 'w'});
  EXPECT_TRUE(fs::is_symlink(dir / "link.fnt"));
  EXPECT_EQ(ReadWholeFile(dir.File("real/font.fnt")), (ByteArray{'n', 'e', 'w'}));
  EXPECT_EQ(dir.Names(), (std::vector<std::string>{"link.fnt", "real"}));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir / "real"), {}), 1);
}

TEST(IoErrorText, IsTheRuntimesGermanTextWithItsEnglishOne) {
  struct Case {
    int code;
    const char* text;
    const char* english;
  };
  for (const Case& k :
       {Case{ENOENT, "Datei nicht gefunden", "File not found"},
        Case{EACCES, "Dateizugriff verweigert", "Access denied"},
        Case{EROFS, "Dateizugriff verweigert", "Access denied"}, Case{ENOSPC, "E/A-Fehler 28", "I/O error 28"},
        Case{EISDIR, "Der Name bezeichnet einen Ordner, keine Datei", "The name is a folder, not a file"}}) {
    const IoError error(k.code);
    EXPECT_STREQ(error.what(), k.text);
    EXPECT_EQ(error.English(), k.english);
    EXPECT_EQ(error.Code(), k.code);
  }
}

TEST(IoErrorText, NamesWhyAFileWasRefused) {
  EXPECT_STREQ(IoError::NoFileName().what(), "Kein Dateiname angegeben");
  EXPECT_STREQ(IoError::NotRegularFile().what(), "Keine gewöhnliche Datei (Gerät, FIFO oder Socket)");
  EXPECT_STREQ(IoError::TooLarge(20000, 16639).what(),
               "Die Datei ist mit 20000 Bytes zu groß: eine Datei dieses Formats hat höchstens 16639 Bytes");
}

TEST(ReadWholeFile, ReadsEveryByteAndRefusesFolders) {
  TempDir dir;
  ByteArray data(200000);
  for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i * 7);
  WriteBytes(dir.File("big.bin"), data);
  EXPECT_EQ(ReadWholeFile(dir.File("big.bin")), data);
  EXPECT_THROW(ReadWholeFile(dir.Path().string()), IoError);
}

}  // namespace
