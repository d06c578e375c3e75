#include "cli/commands.h"
#include "export/exportentries.h"
#include "model/fonthandler.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace {

namespace fs = std::filesystem;

class CliExport : public testing::Test {
 protected:
  CliExport() : fdir(fs::temp_directory_path() / ("glyphexport-" + std::to_string(std::random_device()()))) {
    fs::create_directories(fdir);
    TFontHandler font(6, 9);
    for (int c = 32; c < 128; ++c) {
      for (int y = 0; y < 9; ++y) font.SetPixel(c, (c + y) % 6, y, true);
      font.SetCharSize(c, 1 + c % 6);
    }
    font.SaveFont(File("font.fnt"), 3);
  }
  ~CliExport() override { fs::remove_all(fdir); }

  std::string File(const std::string& name) const { return (fdir / name).string(); }

  int Run(const std::vector<std::string>& args, std::string* err = nullptr, std::string* out = nullptr) const {
    std::ostringstream outStream, errStream;
    const int status = RunCli(args, outStream, errStream);
    if (err) *err = errStream.str();
    if (out) *out = outStream.str();
    return status;
  }

  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(fdir)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path fdir;
};

TEST_F(CliExport, EveryEntryByNumberAndByNameWritesTheSameFiles) {
  for (const ExportEntry& entry : ExportEntries()) {
    // The same base name in two folders: the C writers put the name into identifiers.
    const std::string number = std::to_string(entry.number);
    fs::create_directories(fdir / "by-number" / number);
    fs::create_directories(fdir / "by-name" / number);
    const std::string byNumber = File("by-number/" + number + "/font.txt");
    const std::string byName = File("by-name/" + number + "/font.txt");
    std::string err;
    ASSERT_EQ(Run({"export", "--entry", std::to_string(entry.number), File("font.fnt"), byNumber}, &err), 0) << err;
    ASSERT_EQ(Run({"export", File("font.fnt"), byName, "--entry", std::string(entry.name)}, &err), 0) << err;
    const bool tft = entry.number >= 20;
    const std::vector<std::string> extensions =
        tft ? std::vector<std::string>{".h", ".c"} : std::vector{std::string(entry.extension)};
    for (const std::string& ext : extensions) {
      const fs::path a = fs::path(byNumber).replace_extension(ext), b = fs::path(byName).replace_extension(ext);
      ASSERT_TRUE(fs::exists(a)) << a;
      EXPECT_GT(fs::file_size(a), 0u);
      EXPECT_TRUE(ReadWholeFile(a.string()) == ReadWholeFile(b.string())) << entry.name;
    }
  }
}

TEST_F(CliExport, TheChosenNamesExtensionIsReplaced) {
  ASSERT_EQ(Run({"export", "--entry", "20", File("font.fnt"), File("x")}), 0);
  ASSERT_EQ(Run({"export", "--entry", "1", File("font.fnt"), File("font.txt")}), 0);
  ASSERT_EQ(Run({"export", "--entry", "gas", File("font.fnt"), File("glyphs.inc")}), 0);
  EXPECT_EQ(Files(), (std::vector<std::string>{"font.fnt", "font.png", "glyphs.S", "x.c", "x.h"}));
}

TEST_F(CliExport, HighlightSizeChangesTheDemoAndDefaultsToOn) {
  ASSERT_EQ(Run({"export", "--entry", "bmp", File("font.fnt"), File("default")}), 0);
  ASSERT_EQ(Run({"export", "--entry", "bmp", "--highlight-size", "on", File("font.fnt"), File("on")}), 0);
  ASSERT_EQ(Run({"export", "--entry", "bmp", "--highlight-size", "off", File("font.fnt"), File("off")}), 0);
  EXPECT_EQ(ReadWholeFile(File("default.bmp")), ReadWholeFile(File("on.bmp")));
  EXPECT_NE(ReadWholeFile(File("on.bmp")), ReadWholeFile(File("off.bmp")));
}

TEST_F(CliExport, ListShowsTheTwentyOneEntries) {
  std::string out;
  ASSERT_EQ(Run({"export", "--list"}, nullptr, &out), 0);
  EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 21);
  EXPECT_NE(out.find(" 1  png              .png  Dot-Matrix-Demo (PNG)\n"), std::string::npos) << out;
  EXPECT_NE(out.find("21  tft-rle          .inc  TFT_eSPI Font (RLE)\n"), std::string::npos) << out;
}

TEST_F(CliExport, BadArgumentsAndInputsWriteNothing) {
  fs::create_directories(fdir / "sub");
  std::ofstream(File("text.fnt")) << "not a font";
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const Case cases[] = {
      {{"export", File("font.fnt"), File("o")}, "usage: glyphwright-cli export"},
      {{"export", "--entry", "22", File("font.fnt"), File("o")}, "unknown export entry '22'"},
      {{"export", "--entry", "gfx", File("font.fnt"), File("o")}, "unknown export entry 'gfx'"},
      {{"export", "--entry", "1", "--highlight-size", "maybe", File("font.fnt"), File("o")},
       "--highlight-size must be on or off, not 'maybe'"},
      {{"export", "--entry", "1", "--colour", "red", File("font.fnt"), File("o")}, "usage:"},
      {{"export", "--entry", "3", File("text.fnt"), File("o")}, "is not a valid FNT font file"},
      {{"export", "--entry", "3", File("font.fnt"), File("none/o")},
       "cannot write '" + File("none/o.inc") + "': No such file or directory"},
  };
  for (const Case& k : cases) {
    std::string err;
    EXPECT_EQ(Run(k.args, &err), 1) << k.message;
    EXPECT_NE(err.find(k.message), std::string::npos) << err;
  }
  EXPECT_EQ(Files(), (std::vector<std::string>{"font.fnt", "sub", "text.fnt"}));
}

}  // namespace
