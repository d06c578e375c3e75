#include "render/demopicture.h"
#include "../model/testfiles.h"
#include "model/ioerror.h"
#include "render/imagefiles.h"
#include "workedexamplefont.h"

#include <gtest/gtest.h>
#include <png.h>
#include <cstdio>
#include <filesystem>
#include <span>

namespace {

constexpr TColor kSilver = 0xC0C0C0, kWhite = 0xFFFFFF, kGrey = 0x808080, kBlack = 0x000000, kDark = 0x303030;

TEST(DotMatrixDemo, PictureSizeFollowsTheCell) {
  struct Case {
    int w, h, width, height;
  };
  for (const Case& k : {Case{1, 1, 151, 151}, Case{8, 8, 711, 711}, Case{64, 64, 5191, 5191}, Case{5, 10, 471, 871}}) {
    const DotMatrixDemo demo(TFontHandler(k.w, k.h), true);
    EXPECT_EQ(demo.Width(), k.width) << k.w << "x" << k.h;
    EXPECT_EQ(demo.Height(), k.height) << k.w << "x" << k.h;
  }
}

struct Point {
  int x, y;
  TColor colour;
  const char* what;
};

void ExpectPixels(const Bitmap& picture, std::span<const Point> points) {
  for (const Point& p : points) EXPECT_EQ(picture.GetPixel(p.x, p.y), p.colour) << p.what;
}

// Glyph 65 of an 8 x 8 font: cell at (55, 184), dots from (56, 185) on.
TEST(DotMatrixDemo, EightByEightFontPixelsAtKnownPoints) {
  TFontHandler font(8, 8);
  font.SetPixel(65, 0, 0, true);
  font.SetPixel(65, 7, 7, true);
  font.SetCharSize(65, 8);
  Bitmap picture;
  PaintDotMatrixDemo(font, true, picture);
  ASSERT_EQ(picture.Width(), 711);
  const Point points[] = {
      {0, 0, kWhite, "raised edge, top left"},
      {710, 0, kGrey, "raised edge, top right corner"},
      {0, 710, kGrey, "raised edge, bottom left corner"},
      {710, 710, kGrey, "raised edge, bottom right"},
      {5, 5, kSilver, "background"},
      {10, 10, kGrey, "sunken edge, top left"},
      {700, 10, kWhite, "sunken edge, top right corner"},
      {10, 700, kWhite, "sunken edge, bottom left corner"},
      {700, 700, kWhite, "sunken edge, bottom right"},
      {11, 11, kSilver, "inside the sunken edge"},
      {12, 12, kBlack, "first cell's top-left line"},
      {53, 20, kSilver, "gap between cells"},
      {55, 184, kBlack, "cell of glyph 65"},
      {56, 185, kBlack, "dot corner is rounded off"},
      {57, 185, kWhite, "lit dot of pixel (0, 0)"},
      {57, 186, kWhite, "lit dot, second row"},
      {60, 186, kBlack, "gap between dots"},
      {62, 187, kDark, "unlit dot of pixel (1, 0)"},
      {55 + 1 + 35 + 1, 184 + 1 + 35 + 1, kWhite, "lit dot of pixel (7, 7)"},
      {55 + 40, 184 + 40, kBlack, "last row and column of the cell"},
      {657, 657, kBlack, "last cell"},
  };
  ExpectPixels(picture, points);
}

// A one-pixel 3-D edge draws its bottom and right lines last, over both
// corners they share with the top and left lines.
TEST(DotMatrixDemo, FrameLinesAndCornersOfBothEdges) {
  Bitmap picture;
  PaintDotMatrixDemo(TFontHandler(1, 1), true, picture);
  ASSERT_EQ(picture.Width(), 151);
  const Point points[] = {
      {0, 0, kWhite, "raised, top left corner"},
      {75, 0, kWhite, "raised, top line"},
      {0, 75, kWhite, "raised, left line"},
      {150, 0, kGrey, "raised, top right corner"},
      {150, 75, kGrey, "raised, right line"},
      {0, 150, kGrey, "raised, bottom left corner"},
      {75, 150, kGrey, "raised, bottom line"},
      {150, 150, kGrey, "raised, bottom right corner"},
      {149, 149, kSilver, "inside the raised edge"},
      {10, 10, kGrey, "sunken, top left corner"},
      {75, 10, kGrey, "sunken, top line"},
      {10, 75, kGrey, "sunken, left line"},
      {140, 10, kWhite, "sunken, top right corner"},
      {140, 75, kWhite, "sunken, right line"},
      {10, 140, kWhite, "sunken, bottom left corner"},
      {75, 140, kWhite, "sunken, bottom line"},
      {140, 140, kWhite, "sunken, bottom right corner"},
      {141, 141, kSilver, "outside the sunken edge"},
      {9, 9, kSilver, "outside the sunken edge, top left"},
  };
  ExpectPixels(picture, points);
}

// The picture painted step by step the slow, obvious way: drawn lines that
// leave out their end point, a dot mask combined by AND, cells copied in.
class ReferenceDemo {
 public:
  ReferenceDemo(const TFontHandler& font, bool highlightSize)
      : fw(font.FontWidth()), fh(font.FontHeight()), fpicture(80 * fw + 71, 80 * fh + 71, kBlack) {
    const int wp = fpicture.Width(), hp = fpicture.Height();
    fpicture.FillRect(0, 0, wp - 1, hp - 1, kSilver);
    Frame3D(0, 0, wp, hp, kWhite, kGrey);
    Frame3D(10, 10, wp - 10, hp - 10, kGrey, kWhite);
    const Bitmap mask = DotMask();
    for (int col = 0; col < 16; ++col)
      for (int row = 0; row < 16; ++row) {
        const Bitmap cell = Cell(font, 16 * row + col, highlightSize, mask);
        for (int y = 0; y < cell.Height(); ++y)
          for (int x = 0; x < cell.Width(); ++x)
            fpicture.SetPixel(12 + (5 * fw + 3) * col + x, 12 + (5 * fh + 3) * row + y, cell.GetPixel(x, y));
      }
  }

  const Bitmap& Picture() const { return fpicture; }

 private:
  void Line(int x0, int y0, int x1, int y1, TColor colour) {
    const int dx = (x1 > x0) - (x1 < x0), dy = (y1 > y0) - (y1 < y0);
    for (int x = x0, y = y0; x != x1 || y != y1; x += dx, y += dy) fpicture.SetPixel(x, y, colour);
  }

  void Frame3D(int left, int top, int right, int bottom, TColor topColour, TColor bottomColour) {
    --right;
    --bottom;
    Line(left, bottom, left, top, topColour);
    Line(left, top, right, top, topColour);
    Line(right, top, right, bottom, bottomColour);
    Line(right, bottom, left - 1, bottom, bottomColour);
  }

  // White rounded 4 x 4 dots on black: a 2 x 2 corner ellipse takes each
  // corner pixel.
  Bitmap DotMask() const {
    Bitmap mask(5 * fw, 5 * fh, kBlack);
    for (int x = 0; x < fw; ++x)
      for (int y = 0; y < fh; ++y)
        for (int i = 0; i < 4; ++i)
          for (int j = 0; j < 4; ++j)
            if ((i % 3 != 0) || (j % 3 != 0)) mask.SetPixel(5 * x + i, 5 * y + j, kWhite);
    return mask;
  }

  Bitmap Cell(const TFontHandler& font, int c, bool highlightSize, const Bitmap& mask) const {
    Bitmap glyph(fw, fh);
    glyph.PenColor = kWhite;
    glyph.BrushColor = kDark;
    font.DrawCharacter(c, glyph, 0, 0);
    if (highlightSize) glyph.FillRect(font.GetCharSize(c), 0, fw, fh, kBlack);
    Bitmap cell(5 * fw + 1, 5 * fh + 1, kBlack);
    for (int y = 0; y < 5 * fh; ++y)
      for (int x = 0; x < 5 * fw; ++x) cell.SetPixel(x + 1, y + 1, glyph.GetPixel(x / 5, y / 5) & mask.GetPixel(x, y));
    return cell;
  }

  int fw, fh;
  Bitmap fpicture;
};

TEST(DotMatrixDemo, MatchesTheStepByStepPainting) {
  struct Case {
    int w, h;
  };
  for (const Case& k : {Case{1, 1}, Case{3, 2}, Case{7, 9}}) {
    TFontHandler font(k.w, k.h);
    for (int c = 0; c < kGlyphCount; ++c) {
      font.SetCharSize(c, c % (k.w + 1));
      for (int y = 0; y < k.h; ++y)
        for (int x = 0; x < k.w; ++x) font.SetPixel(c, x, y, (c * 7 + x * 3 + y * 5) % 4 == 0);
    }
    for (const bool highlight : {true, false}) {
      SCOPED_TRACE(std::to_string(k.w) + "x" + std::to_string(k.h) + (highlight ? " highlighted" : ""));
      Bitmap painted;
      PaintDotMatrixDemo(font, highlight, painted);
      const ReferenceDemo reference(font, highlight);
      const Bitmap& expected = reference.Picture();
      ASSERT_EQ(painted.Width(), expected.Width());
      ASSERT_EQ(painted.Height(), expected.Height());
      for (int y = 0; y < expected.Height(); ++y)
        for (int x = 0; x < expected.Width(); ++x)
          ASSERT_EQ(painted.GetPixel(x, y), expected.GetPixel(x, y)) << "at " << x << ", " << y;
    }
  }
}

TEST(DotMatrixDemo, HighlightHidesColumnsBeyondTheWidth) {
  TFontHandler font(4, 2);
  for (int x = 0; x < 4; ++x) font.SetPixel(0, x, 0, true);
  font.SetCharSize(0, 0);
  font.SetCharSize(1, 2);
  const auto dotAt = [](const Bitmap& picture, int c, int px, int py) {
    const int cellX = 12 + (5 * 4 + 3) * (c % 16), cellY = 12 + (5 * 2 + 3) * (c / 16);
    return picture.GetPixel(cellX + 1 + 5 * px + 1, cellY + 1 + 5 * py + 1);
  };
  Bitmap on, off;
  PaintDotMatrixDemo(font, true, on);
  PaintDotMatrixDemo(font, false, off);
  for (int px = 0; px < 4; ++px) {
    EXPECT_EQ(dotAt(on, 0, px, 0), kBlack) << px;
    EXPECT_EQ(dotAt(off, 0, px, 0), kWhite) << px;
    EXPECT_EQ(dotAt(on, 1, px, 1), px < 2 ? kDark : kBlack) << px;
    EXPECT_EQ(dotAt(off, 1, px, 1), kDark) << px;
  }
}

Bitmap ReadPng(const std::string& path) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) throw std::runtime_error(image.message);
  image.format = PNG_FORMAT_RGB;
  std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) throw std::runtime_error(image.message);
  Bitmap out(static_cast<int>(image.width), static_cast<int>(image.height));
  for (int y = 0; y < out.Height(); ++y)
    for (int x = 0; x < out.Width(); ++x) {
      const std::uint8_t* p = &rgb[(static_cast<std::size_t>(y) * out.Width() + x) * 3];
      out.SetPixel(x, y, (TColor{p[0]} << 16) | (TColor{p[1]} << 8) | p[2]);
    }
  return out;
}

Bitmap ReadBmp(const std::string& path) {
  const ByteArray file = ReadWholeFile(path);
  const auto word = [&](std::size_t at) {
    return file[at] | file[at + 1] << 8 | file[at + 2] << 16 | file[at + 3] << 24;
  };
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[1], 'M');
  EXPECT_EQ(static_cast<std::size_t>(word(2)), file.size());
  EXPECT_EQ(file[28], 24);
  EXPECT_EQ(word(30), 0) << "uncompressed";
  const int width = word(18), height = word(22), offset = word(10);
  const std::size_t rowSize = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
  Bitmap out(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const std::uint8_t* p = &file[offset + (height - 1 - y) * rowSize + x * 3];
      out.SetPixel(x, y, (TColor{p[2]} << 16) | (TColor{p[1]} << 8) | p[0]);
    }
  return out;
}

void ExpectSamePicture(const Bitmap& actual, const Bitmap& expected) {
  ASSERT_EQ(actual.Width(), expected.Width());
  ASSERT_EQ(actual.Height(), expected.Height());
  for (int y = 0; y < expected.Height(); ++y)
    ASSERT_TRUE(std::equal(expected.Row(y), expected.Row(y) + expected.Width(), actual.Row(y))) << "row " << y;
}

TEST(DotMatrixDemoFile, PngAndBmpHoldThePaintedPicture) {
  const TFontHandler font = WorkedExampleFont();
  Bitmap painted;
  PaintDotMatrixDemo(font, true, painted);
  TempDir dir;
  WriteDotMatrixDemo(font, true, dir.File("demo.png"), DemoFileFormat::Png);
  WriteDotMatrixDemo(font, true, dir.File("demo.bmp"), DemoFileFormat::Bmp);
  ExpectSamePicture(ReadPng(dir.File("demo.png")), painted);
  ExpectSamePicture(ReadBmp(dir.File("demo.bmp")), painted);
}

TEST(DotMatrixDemoFile, InvalidFontOrUnwritableTargetWritesNothing) {
  TempDir dir;
  TFontHandler invalid(8, 8);
  invalid.Clear();
  EXPECT_THROW(WriteDotMatrixDemo(invalid, true, dir.File("x.png"), DemoFileFormat::Png), FontError);
  for (const auto format : {DemoFileFormat::Png, DemoFileFormat::Bmp})
    EXPECT_THROW(WriteDotMatrixDemo(TFontHandler(8, 8), true, dir.File("no/such/x"), format), IoError);
  EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

// libpng reports through the writer's exception only, not on stderr too.
TEST(PngFile, AFailedWriteRaisesAndPrintsNothing) {
  // Random pixels do not compress: the failure comes while libpng writes.
  std::uint32_t seed = 1;
  const IndexedImageSource noise{1000, 1000, std::vector<TColor>(256, 0), [&seed](int, std::uint8_t* row) {
                                   for (int x = 0; x < 1000; ++x)
                                     row[x] = static_cast<std::uint8_t>((seed = seed * 1103515245 + 12345) >> 16);
                                 }};
  ::testing::internal::CaptureStderr();
  try {
    WritePng("/dev/full", noise);
    ADD_FAILURE() << "no error";
  } catch (const IoError& error) {
    EXPECT_EQ(error.Code(), ENOSPC);
  }
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

}  // namespace
