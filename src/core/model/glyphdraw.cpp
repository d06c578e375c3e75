#include "model/fonthandler.h"

#include <algorithm>

void TFontHandler::DrawCharacterEX(int Character, Canvas& canvas, int aX, int aY, int MaxWidth) const {
  const int c = Character & 0xFF;
  if (MaxWidth == 0) MaxWidth = GetCharSize(c);
  MaxWidth = std::min(MaxWidth, fx);
  if (!ffontvalid) return;
  for (int y = 0; y < fy; ++y)
    for (int x = 0; x < MaxWidth; ++x) {
      if (GetPixel(c, x, y))
        canvas.SetPixel(aX + x, aY + y, canvas.PenColor);
      else if (!canvas.BrushClear)
        canvas.SetPixel(aX + x, aY + y, canvas.BrushColor);
    }
}

void TFontHandler::DrawCharacter(int Character, Canvas& canvas, int aX, int aY) const {
  DrawCharacterEX(Character, canvas, aX, aY, fx);
}

void TFontHandler::DrawText(Canvas& canvas, int aX, int aY, std::u32string_view aText) const {
  int x = aX;
  for (const char32_t ch : aText) {
    const int c = static_cast<int>(ch & 0xFF);
    DrawCharacter(c, canvas, x, aY);
    x += GetCharSize(c);
  }
}

void TFontHandler::ScanCharacter(int Character, const Canvas& canvas, int aX, int aY) {
  const int c = Character & 0xFF;
  if (!ffontvalid) return;
  for (int x = 0; x < fx; ++x)
    for (int y = 0; y < fy; ++y) SetPixel(c, x, y, canvas.GetPixel(aX + x, aY + y) == canvas.PenColor);
}
