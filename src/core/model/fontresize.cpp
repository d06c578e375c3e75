#include "model/fontresize.h"

namespace {

constexpr int kCentred = 1;
constexpr int kFar = 2;

// How far the old cell moves into the new one when it grows (draw), and how
// far into the old cell the new one starts when it shrinks (scan).
struct AxisShift {
  int draw = 0;
  int scan = 0;
};

AxisShift Shift(int index, int oldSize, int newSize) {
  if (newSize > oldSize) return {PlacementOffset(index, newSize - oldSize), 0};
  if (newSize < oldSize) return {0, PlacementOffset(index, oldSize - newSize)};
  return {};
}

}  // namespace

int PlacementOffset(int index, int difference) {
  if (index == kCentred) return difference / 2;
  if (index == kFar) return difference;
  return 0;
}

std::unique_ptr<TFontHandler> ResizeFont(const TFontHandler& font, int width, int height, int baseline, int position,
                                         const std::function<void(int c)>& onGlyph) {
  auto resized = std::make_unique<TFontHandler>(width, height);
  resized->SetBaseLine(baseline);
  resized->Setfonttype(font.fonttype());
  const AxisShift h = Shift(position / 16, font.FontWidth(), width);
  const AxisShift v = Shift(position % 16, font.FontHeight(), height);
  for (int c = 0; c < kGlyphCount; ++c) {
    onGlyph(c);
    for (int y = 0; y < height; ++y) {
      const int oldY = y + v.scan - v.draw;
      if (oldY < 0 || oldY >= font.FontHeight()) continue;
      for (int x = 0; x < width; ++x) {
        const int oldX = x + h.scan - h.draw;
        if (oldX >= 0 && oldX < font.FontWidth()) resized->SetPixel(c, x, y, font.GetPixel(c, oldX, oldY));
      }
    }
    // A glyph whose columns were all cut away keeps width 0.
    resized->SetCharSize(c, h.draw + font.GetCharSize(c) - h.scan);
  }
  return resized;
}
