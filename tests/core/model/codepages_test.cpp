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

}  // namespace
