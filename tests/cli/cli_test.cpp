#include "clifixture.h"
#include "model/fonthandler.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

class CliTest : public CliFixture {
 protected:
  void WriteBytes(const std::string& path, const ByteArray& bytes) const {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
};

TFontHandler SampleFont() {
  TFontHandler font(10, 12);
  font.SetBaseLine(9);
  for (int c = 'A'; c <= 'C'; ++c) {
    for (int x = 0; x < c - 'A' + 3; ++x) font.SetPixel(c, x, 4, true);
    font.GetKerning(c).SOKerning = {c - 'A' + 1, 2};
  }
  for (int c = 0; c < kGlyphCount; ++c) font.SetCharSize(c, 4 + c % 5);
  return font;
}

TEST_F(CliTest, InfoPrintsTheFontsFacts) {
  SampleFont().SaveFont(File("s.fnt"), 2);
  const Result r = Run({"info", File("s.fnt")});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "format: FNT\ntype: 2\nwidth: 10\nheight: 12\nbaseline: 9\nglyphs with ink: 3\nsmallest width: 4\nlargest "
            "width: 8\n");
  EXPECT_EQ(r.err, "");
}

TEST_F(CliTest, InfoOfATypeOneFileShowsWhatTheProgramShowsAfterStart) {
  TFontHandler font(8, 8);
  for (int x = 0; x <= 3; ++x) font.SetPixel('i', x, 0, true);
  font.SaveFont(File("t1.fnt"), 1);
  const Result r = Run({"info", File("t1.fnt")});
  EXPECT_EQ(r.status, 0) << r.err;
  // 'i' gets 3 + 2; every empty glyph keeps 16 from the 16 x 16 start font, capped at 8.
  EXPECT_NE(r.out.find("smallest width: 5\nlargest width: 8\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("baseline: 8\n"), std::string::npos) << r.out;
}

TEST_F(CliTest, ConvertWritesEachTypeByteForByte) {
  const TFontHandler font = SampleFont();
  font.SaveFont(File("in.fnt"), 3);
  for (const int type : {1, 2, 3}) {
    const std::string out = File("out" + std::to_string(type) + ".fnt");
    const Result r = Run({"convert", "--type", std::to_string(type), File("in.fnt"), out});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadWholeFile(out), font.FontImage(type)) << type;
  }
}

TEST_F(CliTest, ImportDosWritesATypeOneFont) {
  ByteArray dos(4100, 0);
  dos[65 * 16 + 3] = 0xF0;
  WriteBytes(File("vga.bin"), dos);
  const Result r = Run({"import-dos", File("vga.bin"), File("vga.fnt")});
  ASSERT_EQ(r.status, 0) << r.err;
  const ByteArray written = ReadWholeFile(File("vga.fnt"));
  ASSERT_EQ(written.size(), 32u + 4096u);
  EXPECT_EQ(std::string(written.begin() + 1, written.begin() + 21), "KV-FONTFILE TYPE 001");
  EXPECT_EQ(ByteArray(written.begin() + 28, written.begin() + 32), (ByteArray{8, 0, 16, 0}));
  EXPECT_EQ(ByteArray(written.begin() + 32, written.end()), ByteArray(dos.begin(), dos.begin() + 4096));
}

TEST_F(CliTest, ErrorsGiveStatusOneAndOneEnglishLine) {
  WriteBytes(File("text.fnt"), ByteArray{'n', 'o', ' ', 'f', 'o', 'n', 't'});
  WriteBytes(File("small.bin"), ByteArray(255, 0));
  WriteBytes(File("large.bin"), ByteArray(16640, 0));
  TFontHandler(8, 8).SaveFont(File("ok.fnt"), 3);
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const Case cases[] = {
      {{}, "no command given"},
      {{"frobnicate"}, "unknown command 'frobnicate'"},
      {{"info"}, "usage: glyphwright-cli info FILE"},
      {{"info", File("missing.fnt")}, "cannot read '" + File("missing.fnt") + "': No such file or directory"},
      {{"info", File("text.fnt")}, "cannot import '" + File("text.fnt") + "': not a font in a known format"},
      {{"convert", "--type", "4", File("ok.fnt"), File("o.fnt")}, "--type must be 1, 2 or 3, not '4'"},
      {{"convert", "--kind", "1", File("ok.fnt"), File("o.fnt")}, "usage: glyphwright-cli convert --type N IN OUT"},
      {{"convert", "--type", "1", File("ok.fnt"), File("no/dir/o.fnt")},
       "cannot write '" + File("no/dir/o.fnt") + "': No such file or directory"},
      {{"import-dos", File("small.bin"), File("o.fnt")}, "is not a DOS font file: its size of 255 bytes"},
      {{"import-dos", File("large.bin"), File("o.fnt")},
       "cannot read '" + File("large.bin") + "': it has 16640 bytes, more than the 16639 bytes a file of its format"},
  };
  for (const Case& k : cases) {
    const Result r = Run(k.args);
    EXPECT_EQ(r.status, 1) << k.message;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind("glyphwright-cli: ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find(k.message), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  }
  EXPECT_FALSE(fs::exists(File("o.fnt")));
}

// A listing that never arrived must not pass as success in a build script.
TEST_F(CliTest, OutputThatCannotBeWrittenIsAnError) {
  TFontHandler(8, 8).SaveFont(File("ok.fnt"), 3);
  for (const std::vector<std::string>& args : {std::vector<std::string>{"info", File("ok.fnt")}, {"--help"}}) {
    std::ostream broken(nullptr);
    std::ostringstream err;
    EXPECT_EQ(RunCli(args, broken, err), 1) << args[0];
    EXPECT_EQ(err.str(), "glyphwright-cli: cannot write to standard output\n") << args[0];
  }
}

TEST_F(CliTest, HelpListsEveryCommand) {
  const Result r = Run({"--help"});
  EXPECT_EQ(r.status, 0);
  for (const char* command : {"info FILE", "convert --type N IN OUT", "import-dos IN OUT", "--version", "-h, --help"})
    EXPECT_NE(r.out.find(command), std::string::npos) << command;
  const Result shortForm = Run({"-h"});
  EXPECT_EQ(shortForm.status, 0) << shortForm.err;
  EXPECT_EQ(shortForm.out, r.out);
}

TEST_F(CliTest, VersionPrintsTheProgramNameAndVersion) {
  const Result r = Run({"--version"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "glyphwright " GLYPH_PROJECT_VERSION "\n");
  EXPECT_EQ(r.err, "");
  const Result extra = Run({"--version", "x"});
  EXPECT_EQ(extra.status, 1);
  EXPECT_EQ(extra.err, "glyphwright-cli: usage: glyphwright-cli --version\n");
}

// The installed binary must report through its exit status, as build scripts read it.
TEST_F(CliTest, BinaryExitStatus) {
  TFontHandler(8, 8).SaveFont(File("ok.fnt"), 3);
  const auto status = [](const std::string& command, const std::string& output = "/dev/null") {
    const int raw = std::system((command + " >" + output + " 2>/dev/null").c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  };
  EXPECT_EQ(status(std::string(GLYPH_CLI) + " info '" + File("ok.fnt") + "'"), 0);
  EXPECT_EQ(status(std::string(GLYPH_CLI) + " info '" + File("none.fnt") + "'"), 1);
  EXPECT_EQ(status(std::string(GLYPH_CLI)), 1);
  EXPECT_EQ(status(std::string(GLYPH_CLI) + " --version"), 0);
  EXPECT_EQ(status(std::string(GLYPH_CLI) + " info '" + File("ok.fnt") + "'", "/dev/full"), 1);
}

}  // namespace
