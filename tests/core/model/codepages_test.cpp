#include "model/codepages.h"

#include <gtest/gtest.h>

namespace {

TEST(CodePages, Cp437UpperHalf) {
  struct Case {
    std::uint8_t byte;
    char32_t ch;
  };
  for (const Case& k : {Case{0x41, U'A'}, Case{0x80, U'Ç'}, Case{0x84, U'ä'}, Case{0x9E, U'₧'}, Case{0xB0, U'░'},
                        Case{0xE1, U'ß'}, Case{0xFE, U'■'}, Case{0xFF, U'\u00A0'}})
    EXPECT_EQ(Cp437ToUnicode(k.byte), k.ch) << int(k.byte);
}

TEST(CodePages, Windows1252RoundTripsEveryByteAndMarksTheRest) {
  for (int b = 0; b < 256; ++b) {
    const char32_t ch = Windows1252ToUnicode(static_cast<std::uint8_t>(b));
    EXPECT_EQ(EncodeWindows1252(std::u32string(1, ch)), std::string(1, static_cast<char>(b))) << b;
  }
  EXPECT_EQ(EncodeWindows1252(U"€ Ä ☺ 中"), "\x80 \xC4 ? ?");
}

TEST(CodePages, Utf8RoundTripAndBrokenInput) {
  const std::u32string text = U"aÄ€😀";
  EXPECT_EQ(Utf8ToUtf32(Utf32ToUtf8(text)), text);
  EXPECT_EQ(Utf8ToUtf32("a\xC3"), U"a\uFFFD");
  EXPECT_EQ(Utf8ToUtf32("\x80z"), U"\uFFFDz");
  // A lead byte without its continuation bytes must not swallow what follows.
  EXPECT_EQ(Utf8ToUtf32("\xC3z"), U"\uFFFDz");
  EXPECT_EQ(Utf8ToUtf32("gr\xF6\xDF"
                        "e.h"),
            U"gr\uFFFD\uFFFDe.h");
  EXPECT_EQ(Utf8ToUtf32("\xE2\x82z"), U"\uFFFD\uFFFDz");
}

TEST(CodePages, CodesMapToCodePointsAndBackInEveryPage) {
  for (const CodePage page : {CodePage::Latin1, CodePage::Windows1252, CodePage::Cp437}) {
    EXPECT_EQ(FindCodePage(CodePageName(page)), page);
    int mapped = 0;
    for (int c = 0; c < 256; ++c) {
      const auto code = static_cast<std::uint8_t>(c);
      const std::optional<char32_t> point = CodePointOf(page, code);
      if (!point) continue;
      ++mapped;
      EXPECT_EQ(CodeOf(page, *point), code) << CodePageName(page) << " " << c;
    }
    EXPECT_EQ(mapped, page == CodePage::Windows1252 ? 251 : 256) << CodePageName(page);
  }
  EXPECT_EQ(CodePointOf(CodePage::Latin1, 0x80), U'\u0080');
  EXPECT_EQ(CodePointOf(CodePage::Windows1252, 0x80), U'€');
  EXPECT_EQ(CodePointOf(CodePage::Windows1252, 0x81), std::nullopt);
  EXPECT_EQ(CodePointOf(CodePage::Cp437, 0x8E), U'Ä');
  EXPECT_EQ(CodeOf(CodePage::Latin1, U'€'), std::nullopt);
  EXPECT_EQ(CodeOf(CodePage::Cp437, U'é'), 0x82);
  EXPECT_EQ(FindCodePage("utf8"), std::nullopt);
}

}  // namespace
