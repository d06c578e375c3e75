#include "model/fonthandler.h"

#include <algorithm>

bool TFontHandler::ColumnInked(int c, int x) const {
  for (int y = 0; y < fy; ++y)
    if (GetPixel(c, x, y)) return true;
  return false;
}

int TFontHandler::RightmostInkedColumn(int c) const {
  for (int x = fx - 1; x >= 0; --x)
    if (ColumnInked(c, x)) return x;
  return -1;
}

void TFontHandler::CalculateCharSize(int c, int space) {
  if (!ffontvalid) return;
  const int x = RightmostInkedColumn(c);
  SetCharSize(c, x >= 0 ? x + 1 + space : fx / 2 + space);
}

void TFontHandler::RemoveLeftCols(int c, int /*space*/) {
  int i = 0;
  while (i < fx && !ColumnInked(c, i)) ++i;
  if (i == 0 || i == fx) return;

  if (GetCharSize(c) < fx) SetCharSize(c, GetCharSize(c) - i);
  for (int y = 0; y < fy; ++y) {
    for (int x = i; x < fx; ++x) SetPixel(c, x - i, y, GetPixel(c, x, y));
    for (int x = fx - i; x < fx; ++x) SetPixel(c, x, y, false);
  }
  // Only zones that are set move; a left-hand zone never drops below 0.
  TKerning& k = fkerning[c];
  for (TPoint* left : {&k.NWKerning, &k.SWKerning})
    if (left->X > 0) left->X = std::max(left->X - i, 0);
  for (TPoint* right : {&k.NOKerning, &k.SOKerning})
    if (right->X > 0) right->X += i;
}

namespace {

// How far a zone of the left glyph and the complementary zone of the right
// glyph let the right glyph move in; 0 unless together they cover every row.
int ZoneOverlap(const TPoint& leftZone, const TPoint& rightZone, int gap, int h) {
  if (leftZone.Y + rightZone.Y <= h) return 0;
  return std::min(leftZone.X - gap, rightZone.X);
}

}  // namespace

int TFontHandler::CalculateKerning(int PrevChar, int CurrentChar) const {
  const TKerning& p = fkerning[PrevChar & 0xFF];
  const TKerning& q = fkerning[CurrentChar & 0xFF];
  const int gap = fx - GetCharSize(PrevChar & 0xFF);
  const int a = ZoneOverlap(p.NOKerning, q.SWKerning, gap, fy);
  const int b = ZoneOverlap(p.SOKerning, q.NWKerning, gap, fy);
  int d = 0;
  if (a != 0 && b != 0 && (a > 0) == (b > 0))
    d = std::min(a, b);
  else if (a == 0)
    d = b;
  else
    d = a;
  return d > 0 ? d - 1 : d;
}

int TFontHandler::TextWidth(std::u32string_view aText) const {
  int width = 0;
  for (const char32_t ch : aText) width += GetCharSize(static_cast<int>(ch & 0xFF));
  return width;
}

int TFontHandler::TextHeight(std::u32string_view /*aText*/) const { return fy; }
