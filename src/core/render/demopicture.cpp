#include "render/demopicture.h"

#include "model/ioerror.h"
#include "render/imagefiles.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kMargin = 12;  // first cell, one silver pixel inside the sunken edge
constexpr int kSunkenEdge = 10;
constexpr int kPitch = 5;    // a dot of 4 pixels and a black gap of 1
constexpr int kCellGap = 2;  // silver between neighbouring cells
constexpr int kGrid = 16;

// The dot's 4 x 4 square without its corner pixels: the 2 x 2 corner
// ellipse of the rounded rectangle.
bool InsideDot(int i, int j) {
  if (i >= kPitch - 1 || j >= kPitch - 1) return false;
  const bool cornerColumn = i == 0 || i == kPitch - 2;
  const bool cornerRow = j == 0 || j == kPitch - 2;
  return !(cornerColumn && cornerRow);
}

}  // namespace

DotMatrixDemo::DotMatrixDemo(const TFontHandler& font, bool highlightSize)
    : ffont(font),
      fhighlight(highlightSize),
      fwidth(80 * font.FontWidth() + 71),
      fheight(80 * font.FontHeight() + 71),
      fcellWidth(kPitch * font.FontWidth() + 1),
      fcellHeight(kPitch * font.FontHeight() + 1) {}

void DotMatrixDemo::Row(int y, std::uint8_t* out) const {
  std::fill(out, out + fwidth, Silver);
  FrameRow(y, out);
  const int pitch = fcellHeight + kCellGap;
  const int gridRow = (y - kMargin) / pitch;
  const int cellY = (y - kMargin) % pitch;
  if (y >= kMargin && gridRow < kGrid && cellY < fcellHeight) CellRow(gridRow, cellY, out);
}

// Raised edge round the picture, sunken edge inside it, drawn like a 3-D
// frame: the bottom and right lines come last and take both corners they
// share with the top and left lines.
void DotMatrixDemo::FrameRow(int y, std::uint8_t* out) const {
  const auto frame = [&](int left, int top, int right, int bottom, std::uint8_t topLeft, std::uint8_t bottomRight) {
    if (y < top || y > bottom) return;
    if (y == top) std::fill(out + left, out + right, topLeft);
    if (y != top && y != bottom) out[left] = topLeft;
    if (y != bottom) out[right] = bottomRight;
    if (y == bottom) std::fill(out + left, out + right + 1, bottomRight);
  };
  frame(0, 0, fwidth - 1, fheight - 1, White, Grey);
  frame(kSunkenEdge, kSunkenEdge, fwidth - 1 - kSunkenEdge, fheight - 1 - kSunkenEdge, Grey, White);
}

void DotMatrixDemo::CellRow(int gridRow, int cellY, std::uint8_t* out) const {
  const int py = (cellY - 1) / kPitch;
  const int j = (cellY - 1) % kPitch;
  for (int col = 0; col < kGrid; ++col) {
    const int cellLeft = kMargin + (fcellWidth + kCellGap) * col;
    std::uint8_t* cell = out + cellLeft;
    std::fill(cell, cell + fcellWidth, Black);
    if (cellY == 0 || j == kPitch - 1) continue;
    const int c = kGrid * gridRow + col;
    for (int px = 0; px < ffont.FontWidth(); ++px) {
      const std::uint8_t colour = DotColour(c, px, py);
      for (int i = 0; i < kPitch - 1; ++i)
        if (InsideDot(i, j)) cell[1 + kPitch * px + i] = colour;
    }
  }
}

std::uint8_t DotMatrixDemo::DotColour(int c, int px, int py) const {
  if (fhighlight && px >= ffont.GetCharSize(c)) return Black;
  return ffont.GetPixel(c, px, py) ? White : DarkGrey;
}

void PaintDotMatrixDemo(const TFontHandler& font, bool highlightSize, Bitmap& bitmap) {
  const DotMatrixDemo demo(font, highlightSize);
  bitmap = Bitmap(demo.Width(), demo.Height());
  std::vector<std::uint8_t> row(static_cast<std::size_t>(demo.Width()));
  for (int y = 0; y < demo.Height(); ++y) {
    demo.Row(y, row.data());
    std::transform(row.begin(), row.end(), bitmap.Row(y), [](std::uint8_t i) { return DotMatrixDemo::kPalette[i]; });
  }
}

void WriteDotMatrixDemo(const TFontHandler& font, bool highlightSize, const std::string& filename,
                        DemoFileFormat format) {
  if (!font.Fontvalid()) throw NoDataToExportError();
  const DotMatrixDemo demo(font, highlightSize);
  const IndexedImageSource source{demo.Width(), demo.Height(),
                                  std::vector<TColor>(DotMatrixDemo::kPalette.begin(), DotMatrixDemo::kPalette.end()),
                                  [&demo](int y, std::uint8_t* out) { demo.Row(y, out); }};
  if (format == DemoFileFormat::Png)
    WritePng(filename, source);
  else
    WriteBmp(filename, source);
}
