#include "model/dosfont.h"
#include "model/ioerror.h"

#include <gtest/gtest.h>

namespace {

ByteArray DosFile(std::size_t size) {
  ByteArray file(size, 0);
  for (std::size_t i = 0; i < size; ++i) file[i] = static_cast<std::uint8_t>(i % 3 == 0 ? 0x30 : 0);
  return file;
}

TEST(DosFont, HeightIsTheSizeDivTwoHundredFiftySix) {
  struct Case {
    std::size_t size;
    int height;
  };
  for (const Case& k : {Case{4096, 16}, Case{3584, 14}, Case{2048, 8}, Case{4100, 16}, Case{256, 1}, Case{16639, 64}}) {
    const auto font = MakeDosFont(DosFile(k.size));
    ASSERT_TRUE(font->Fontvalid()) << k.size;
    EXPECT_EQ(font->FontWidth(), 8);
    EXPECT_EQ(font->FontHeight(), k.height) << k.size;
    EXPECT_EQ(font->fonttype(), 1);
    EXPECT_EQ(font->BaseLine(), k.height);
  }
}

TEST(DosFont, GlyphsAreTheFileBytesAndWidthsComeFromTheInk) {
  ByteArray file(256 * 8, 0);
  file[65 * 8 + 2] = 0b0111'1100;  // 'A' row 2: columns 1..5
  file[66 * 8 + 7] = 0b0000'0011;  // 'B' row 7: columns 6..7
  const auto font = MakeDosFont(file);
  EXPECT_TRUE(font->GetPixel(65, 1, 2));
  EXPECT_TRUE(font->GetPixel(65, 5, 2));
  EXPECT_FALSE(font->GetPixel(65, 6, 2));
  EXPECT_TRUE(font->GetPixel(66, 7, 7));
  EXPECT_EQ(font->GetCharSize(65), 7);
  EXPECT_EQ(font->GetCharSize(66), 8);
  EXPECT_EQ(font->GetCharSize(67), 8) << "an empty glyph keeps the width 8 of the new font";
  EXPECT_EQ(font->GetKerning(65), TKerning());
}

// An FNT file is not recognised: its header is taken as glyph rows as well.
TEST(DosFont, AnFntFileIsTakenAsRawRows) {
  TFontHandler fnt(8, 8);
  fnt.SetPixel(255, 7, 7, true);
  const ByteArray file = fnt.FontImage(1);
  ASSERT_EQ(file.size(), 2080u);
  const auto font = MakeDosFont(file);
  EXPECT_EQ(font->FontHeight(), 8);
  EXPECT_EQ(font->fonttype(), 1);
  for (int c : {0, 1, 2, 3, 4, 255})
    for (int y = 0; y < 8; ++y) {
      const std::uint8_t row = file[static_cast<std::size_t>(c * 8 + y)];
      for (int x = 0; x < 8; ++x)
        ASSERT_EQ(font->GetPixel(c, x, y), (row & (0x80 >> x)) != 0) << "glyph " << c << " " << x << "," << y;
    }
  EXPECT_FALSE(font->GetPixel(255, 7, 7)) << "the last 32 bytes of the file lie beyond glyph 255";
}

TEST(DosFont, SizesWithoutAUsableHeightAreRefused) {
  for (const std::size_t size : {std::size_t{0}, std::size_t{255}, std::size_t{16640}, std::size_t{20000}}) {
    EXPECT_FALSE(IsDosFontSize(size)) << size;
    EXPECT_THROW(MakeDosFont(DosFile(size)), FontError) << size;
  }
  EXPECT_TRUE(IsDosFontSize(256));
  EXPECT_TRUE(IsDosFontSize(16639));
}

}  // namespace
