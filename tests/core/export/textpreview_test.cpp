#include "render/textpreview.h"
#include "export/glyphblit.h"
#include "render/charsetpicture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

namespace {

using textlayout::kLineBreak;
using textlayout::kOutsideFont;

constexpr TColor kOutsideColour = 0xC0C0C0;

// An 8 x 8 font whose glyphs differ in pattern, width (3..8) and zones, so
// that many pairs kern, some of them apart.
TFontHandler KernedFont() {
  TFontHandler font(8, 8);
  for (int c = 0; c < kGlyphCount; ++c) {
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x) font.SetPixel(c, x, y, (x * 5 + y * 3 + c) % 4 == 0);
    font.SetCharSize(c, 3 + c % 6);
    font.GetKerning(c).NOKerning = {c % 5, 4 + c % 3};
    font.GetKerning(c).SWKerning = {1 + c % 3, 5};
    font.GetKerning(c).SOKerning = {c % 4, 4};
    font.GetKerning(c).NWKerning = {c % 2 + 1, 5};
  }
  return font;
}

// The layout built the slow way: each line held as its codes, and every
// position summed again from the line's start.
struct ReferenceSetter {
  const TFontHandler& font;
  textlayout::Options options;

  int X(const std::vector<int>& line, std::size_t i) const {
    int x = 0;
    for (std::size_t j = 0; j < i; ++j)
      x += textlayout::Advance(font, line[j]) - textlayout::Kerning(font, line[j], line[j + 1]);
    return x;
  }
  int Reach(const std::vector<int>& line) const {
    int reach = 0;
    for (std::size_t i = 0; i < line.size(); ++i)
      reach = std::max(reach, X(line, i) + textlayout::Advance(font, line[i]));
    return reach;
  }

  std::vector<std::vector<int>> Lines(const std::vector<int>& codes) const {
    std::vector<std::vector<int>> lines;
    std::vector<std::vector<int>> paragraphs(1);
    for (const int code : codes) {
      if (code == kLineBreak)
        paragraphs.emplace_back();
      else
        paragraphs.back().push_back(code);
    }
    if (codes.empty()) return lines;
    for (const auto& paragraph : paragraphs) {
      std::vector<int> line;
      std::size_t i = 0;
      while (i < paragraph.size()) {
        std::vector<int> spaces, word;
        while (i < paragraph.size() && paragraph[i] == textlayout::kSpace) spaces.push_back(paragraph[i++]);
        while (i < paragraph.size() && paragraph[i] != textlayout::kSpace) word.push_back(paragraph[i++]);
        std::vector<int> candidate = line;
        candidate.insert(candidate.end(), spaces.begin(), spaces.end());
        candidate.insert(candidate.end(), word.begin(), word.end());
        if (options.WrapWidth && !line.empty() && Reach(candidate) > *options.WrapWidth) {
          if (word.empty()) continue;
          lines.push_back(line);
          line = word;
        } else {
          line = candidate;
        }
      }
      lines.push_back(line);
    }
    return lines;
  }

  textlayout::TextLayout Layout(const std::vector<int>& codes) const {
    textlayout::TextLayout layout;
    const auto lines = Lines(codes);
    for (std::size_t l = 0; l < lines.size(); ++l) {
      for (std::size_t i = 0; i < lines[l].size(); ++i)
        layout.Glyphs.push_back({lines[l][i], X(lines[l], i),
                                 static_cast<int>(l) * (font.FontHeight() + options.LineSpacing),
                                 textlayout::Advance(font, lines[l][i])});
      layout.Width = std::max(layout.Width, Reach(lines[l]));
    }
    const int count = static_cast<int>(lines.size());
    layout.Height = count == 0 ? 0 : count * font.FontHeight() + (count - 1) * options.LineSpacing;
    return layout;
  }
};

struct LayoutCase {
  const char* name;
  std::u32string text;
  int lineSpacing;
  std::optional<int> wrapWidth;
};

const LayoutCase kLayoutCases[] = {
    {"empty", U"", 0, std::nullopt},
    {"one word", U"Kerning", 0, std::nullopt},
    {"a sentence without wrapping", U"Zwölf Boxkämpfer jagen Viktor", 0, std::nullopt},
    {"a sentence wrapped", U"Zwölf Boxkämpfer jagen Viktor quer über den Sylter Deich", 0, 60},
    {"wrapped with line spacing", U"Zwölf Boxkämpfer jagen Viktor quer", 3, 40},
    {"a word wider than the line keeps its line", U"ab Donaudampfschifffahrt cd", 0, 20},
    {"spaces that do not fit are dropped", U"abc          ", 0, 16},
    {"leading spaces indent", U"   abc def", 2, 30},
    {"line breaks", U"erste\nzweite\r\ndritte", 1, std::nullopt},
    {"an empty line between", U"oben\n\nunten", 0, std::nullopt},
    {"a break at the end opens a line", U"oben\n", 0, std::nullopt},
    {"characters outside the font", U"a\u03A9b\u4E2D c", 0, 12},
    {"negative line spacing", U"aa\nbb\ncc", -2, std::nullopt},
    {"wrapped at width zero", U"a b c", 0, 0},
};

TEST(TextLayoutTest, SetsTextAsTheSlowReferenceDoes) {
  const TFontHandler font = KernedFont();
  bool kerned = false;
  for (const LayoutCase& row : kLayoutCases) {
    const textlayout::Options options{row.lineSpacing, row.wrapWidth};
    const auto codes = textlayout::GlyphCodes(row.text);
    const auto actual = textlayout::LayoutText(font, codes, options);
    const auto expected = ReferenceSetter{font, options}.Layout(codes);
    EXPECT_EQ(actual.Glyphs, expected.Glyphs) << row.name;
    EXPECT_EQ(actual.Width, expected.Width) << row.name;
    EXPECT_EQ(actual.Height, expected.Height) << row.name;
    for (std::size_t i = 1; i < codes.size(); ++i) kerned |= textlayout::Kerning(font, codes[i - 1], codes[i]) != 0;
  }
  EXPECT_TRUE(kerned) << "no pair of the cases kerns";
}

TEST(TextLayoutTest, PairsMoveCloserByTheKerningTestsDistance) {
  TFontHandler font = KernedFont();
  // A's upper right zone and V's lower left zone cover all 8 rows together
  // and let V move 2 columns in, which the kerning test shows as 1.
  font.SetCharSize('A', 8);
  font.SetKerning('A', {{0, 0}, {3, 6}, {0, 0}, {0, 0}});
  font.SetKerning('V', {{0, 0}, {0, 0}, {2, 4}, {0, 0}});
  ASSERT_EQ(font.CalculateKerning('A', 'V'), 1);
  const auto layout = textlayout::LayoutText(font, {'A', 'V', 'A'}, {});
  ASSERT_EQ(layout.Glyphs.size(), 3u);
  EXPECT_EQ(layout.Glyphs[1].X, 7);
  EXPECT_EQ(layout.Glyphs[2].X, 7 + font.GetCharSize('V') - font.CalculateKerning('V', 'A'));
}

TEST(TextLayoutTest, TypedTextMapsThroughWindows1252) {
  const struct {
    std::u32string text;
    std::vector<int> codes;
  } cases[] = {
      {U"A z", {65, 32, 122}},
      {U"\u20AC\u2026\u0152", {0x80, 0x85, 0x8C}},
      {U"äöüßÄ", {0xE4, 0xF6, 0xFC, 0xDF, 0xC4}},
      {U"\u03A9\u4E2D\U0001F600", {kOutsideFont, kOutsideFont, kOutsideFont}},
      {U"a\nb\r\nc\rd", {'a', kLineBreak, 'b', kLineBreak, 'c', kLineBreak, 'd'}},
      {U"\t\u00A0\u00FF", {9, 0xA0, 0xFF}},
  };
  for (const auto& row : cases) EXPECT_EQ(textlayout::GlyphCodes(row.text), row.codes);
}

textpreview::Scene DisplayOf(int width, int height, int x, int y) {
  textpreview::Scene scene;
  scene.DisplayWidth = width;
  scene.DisplayHeight = height;
  scene.OffsetX = x;
  scene.OffsetY = y;
  scene.DisplayLook = {0x000000, 0xFFFFFF, 0xFFFF00, 0};
  return scene;
}

// The picture as the glyphs blitted at the computed positions, overflowing
// ink recoloured, and the boxes framed.
Bitmap BlittedReference(const TFontHandler& font, const textlayout::TextLayout& layout,
                        const textpreview::Scene& scene) {
  const textpreview::Look& look = scene.DisplayLook;
  Bitmap bitmap(std::max(scene.DisplayWidth, scene.OffsetX + layout.Width),
                std::max(scene.DisplayHeight, scene.OffsetY + layout.Height), kOutsideColour);
  bitmap.FillRect(0, 0, scene.DisplayWidth, scene.DisplayHeight, look.Paper);
  for (const auto& glyph : layout.Glyphs) {
    const int x = scene.OffsetX + glyph.X, y = scene.OffsetY + glyph.Y;
    if (glyph.Code >= 0) {
      BlitGlyph(font, glyph.Code, bitmap, x, y, glyph.Width, look.Ink, std::nullopt);
      continue;
    }
    for (int row = 0; row < font.FontHeight(); ++row)
      for (int column = 0; column < glyph.Width; ++column)
        if (row == 0 || column == 0 || row == font.FontHeight() - 1 || column == glyph.Width - 1)
          bitmap.SetPixel(x + column, y + row, look.Ink);
  }
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) {
      const bool outside = x >= scene.DisplayWidth || y >= scene.DisplayHeight;
      if (bitmap.GetPixel(x, y) == look.Ink && outside) bitmap.SetPixel(x, y, textpreview::kOverflowInk);
      if (bitmap.GetPixel(x, y) == look.Ink && !outside && y < look.TopRows) bitmap.SetPixel(x, y, look.TopInk);
    }
  return bitmap;
}

TEST(TextPreviewTest, PictureAtZoomOneIsTheGlyphsBlittedAtTheirPositions) {
  const TFontHandler font = KernedFont();
  const struct {
    const char* name;
    textpreview::Scene scene;
    int topRows;
  } cases[] = {
      {"inside the display", DisplayOf(128, 64, 2, 3), 0},
      {"beyond the right and bottom edges", DisplayOf(40, 12, 5, 6), 0},
      {"two colours", DisplayOf(96, 32, 0, 0), 4},
  };
  const auto codes = textlayout::GlyphCodes(U"Zwölf Boxkämpfer \u03A9 jagen Viktor");
  for (auto row : cases) {
    row.scene.DisplayLook.TopRows = row.topRows;
    const auto layout = textlayout::LayoutText(font, codes, {1, 70});
    const textpreview::Raster raster(font, layout, row.scene);
    Bitmap picture;
    textpreview::ComposePicture(raster, 1, textpreview::PaletteFor(row.scene.DisplayLook, kOutsideColour), picture);
    const Bitmap expected = BlittedReference(font, layout, row.scene);
    ASSERT_EQ(picture.Width(), expected.Width()) << row.name;
    ASSERT_EQ(picture.Height(), expected.Height()) << row.name;
    for (int y = 0; y < expected.Height(); ++y)
      for (int x = 0; x < expected.Width(); ++x)
        ASSERT_EQ(picture.GetPixel(x, y), expected.GetPixel(x, y)) << row.name << " at " << x << "," << y;
  }
}

TEST(TextPreviewTest, ZoomMagnifiesEachPixelWithAGapFromThree) {
  const TFontHandler font = KernedFont();
  const textpreview::Scene scene = DisplayOf(30, 10, 1, 1);
  const auto layout = textlayout::LayoutText(font, textlayout::GlyphCodes(U"Wasser"), {});
  const textpreview::Raster raster(font, layout, scene);
  const auto palette = textpreview::PaletteFor(scene.DisplayLook, kOutsideColour);
  for (const int zoom : {2, 3, 4, 16}) {
    Bitmap picture;
    textpreview::ComposePicture(raster, zoom, palette, picture);
    ASSERT_EQ(picture.Width(), raster.Width() * zoom);
    ASSERT_EQ(picture.Height(), raster.Height() * zoom);
    for (int y = 0; y < picture.Height(); ++y)
      for (int x = 0; x < picture.Width(); ++x) {
        const auto kind = raster.Pixel(x / zoom, y / zoom);
        const bool gap = zoom >= textpreview::kGapZoom && (x % zoom == zoom - 1 || y % zoom == zoom - 1);
        const auto shown = !gap ? kind : kind >= textpreview::kOutside ? textpreview::kOutside : textpreview::kGap;
        ASSERT_EQ(picture.GetPixel(x, y), palette[shown]) << "zoom " << zoom << " at " << x << "," << y;
      }
  }
}

TEST(TextPreviewTest, CountsWhatDoesNotFit) {
  // Every glyph 5 wide and unkerned: four glyphs are 20 x 8.
  TFontHandler font(8, 8);
  for (int c = 0; c < kGlyphCount; ++c) {
    font.SetCharSize(c, 5);
    for (int y = 0; y < 8; ++y) font.SetPixel(c, 4, y, true);
  }
  const struct {
    int width, height, x, y;
    int tooWide, tooHigh;
  } cases[] = {
      {20, 8, 0, 0, 0, 0}, {16, 8, 0, 0, 4, 0}, {20, 8, 3, 0, 3, 0}, {30, 6, 0, 0, 0, 2}, {19, 8, 2, 5, 3, 5},
  };
  const auto layout = textlayout::LayoutText(font, textlayout::GlyphCodes(U"ABCD"), {});
  for (const auto& row : cases) {
    const auto scene = DisplayOf(row.width, row.height, row.x, row.y);
    const auto overflow = textpreview::Overflowing(layout, scene);
    EXPECT_EQ(overflow.TooWide, row.tooWide) << row.width << "x" << row.height << "+" << row.x << "+" << row.y;
    EXPECT_EQ(overflow.TooHigh, row.tooHigh) << row.width << "x" << row.height << "+" << row.x << "+" << row.y;
    // The last column's top pixel is in the warning colour exactly when it lies beyond an edge.
    const textpreview::Raster raster(font, layout, scene);
    EXPECT_EQ(raster.Pixel(row.x + 19, row.y) == textpreview::kOverflow,
              row.x + 19 >= row.width || row.y >= row.height);
  }
}

TEST(TextPreviewTest, DisplayImageIsTheDisplayAloneMagnified) {
  const TFontHandler font = KernedFont();
  const textpreview::Scene scene = DisplayOf(24, 8, 0, 2);
  const auto layout = textlayout::LayoutText(font, textlayout::GlyphCodes(U"Überlauf"), {});
  const textpreview::Raster raster(font, layout, scene);
  const auto palette = textpreview::PaletteFor(scene.DisplayLook, kOutsideColour);
  Bitmap picture;
  textpreview::ComposePicture(raster, 4, palette, picture);
  const IndexedImageSource image = textpreview::DisplayImage(raster, 4, palette);
  ASSERT_EQ(image.width, 96);
  ASSERT_EQ(image.height, 32);
  std::vector<std::uint8_t> row(static_cast<std::size_t>(image.width));
  for (int y = 0; y < image.height; ++y) {
    image.row(y, row.data());
    for (int x = 0; x < image.width; ++x) ASSERT_EQ(image.palette[row[x]], picture.GetPixel(x, y)) << x << "," << y;
  }
}

TEST(CharsetPicture, GlyphAtFindsTheCellUnderAPoint) {
  const TFontHandler font(8, 10);
  const struct {
    int x, y;
    std::optional<int> glyph;
  } cases[] = {{2, 2, 0},
               {9, 11, 0},
               {10, 2, std::nullopt},
               {12, 2, 1},
               {0, 5, std::nullopt},
               {2, 14, 16},
               {2, 12, std::nullopt},
               {12 + 65 % 16 * 10 - 10, 2 + 4 * 12, 65},
               {159, 191, 255},
               {162, 2, std::nullopt},
               {2, 194, std::nullopt}};
  for (const auto& row : cases) EXPECT_EQ(charset::GlyphAt(font, row.x, row.y), row.glyph) << row.x << "," << row.y;
}

}  // namespace
