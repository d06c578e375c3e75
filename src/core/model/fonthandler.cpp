#include "model/fonthandler.h"

#include <algorithm>
#include <stdexcept>

TFontHandler::TFontHandler(int ax, int ay) {
  if (ax < kMinCellSize || ax > kMaxCellSize || ay < kMinCellSize || ay > kMaxCellSize)
    throw std::invalid_argument("TFontHandler: cell size outside 1..64");
  SetCellSize(ax, ay);
  ffont.assign(static_cast<std::size_t>(ffontsize), 0);
  fsizes.fill(static_cast<std::uint8_t>(fx));
  fbaseline = fy;
  ffontvalid = true;
  ffonttype = 3;
}

void TFontHandler::SetCellSize(int ax, int ay) {
  fx = ax;
  fy = ay;
  fbytex = (fx + 7) / 8;
  fcharsize = fbytex * fy;
  ffontsize = fcharsize * kGlyphCount;
}

void TFontHandler::Assign(const TFontHandler& afonthandler) {
  if (&afonthandler == this) return;
  SetCellSize(afonthandler.fx, afonthandler.fy);
  ffonttype = afonthandler.ffonttype;
  ffont = afonthandler.ffont;
  fsizes = afonthandler.fsizes;
  for (int c = 0; c < kGlyphCount; ++c) fkerning[c].Assign(afonthandler.fkerning[c]);
  fbaseline = afonthandler.fbaseline;
  ffontvalid = afonthandler.ffontvalid;
}

void TFontHandler::Clear() {
  ffontvalid = false;
  ByteArray().swap(ffont);
}

void TFontHandler::SetCharSize(int c, int value) { fsizes[c] = static_cast<std::uint8_t>(std::clamp(value, 0, fx)); }

void TFontHandler::SetKerning(int c, const TKerning& value) {
  if (c >= 0 && c < kGlyphCount) fkerning[c].Assign(value);
}
