#include "tools/kerningtool.h"

#include "editsession.h"

#include <algorithm>

namespace {

// False when no corner is being changed.
bool PutZone(TKerning& kerning, TKerningMode corner, TPoint zone) {
  switch (corner) {
    case TKerningMode::kmNW:
      kerning.NWKerning = zone;
      return true;
    case TKerningMode::kmNO:
      kerning.NOKerning = zone;
      return true;
    case TKerningMode::kmSO:
      kerning.SOKerning = zone;
      return true;
    case TKerningMode::kmSW:
      kerning.SWKerning = zone;
      return true;
    case TKerningMode::kmNone:
      break;
  }
  return false;
}

}  // namespace

MouseMode KerningTool::Press(const ToolPoint& at, ToolButton button) {
  const QSize glyph = fsession.CharBMP().size();
  const int right = glyph.width() - 1;
  const int bottom = glyph.height() - 1;
  // With one column or row corners coincide: the last match wins.
  const std::pair<QPoint, TKerningMode> corners[] = {{{0, 0}, TKerningMode::kmNW},
                                                     {{right, 0}, TKerningMode::kmNO},
                                                     {{0, bottom}, TKerningMode::kmSW},
                                                     {{right, bottom}, TKerningMode::kmSO}};
  fKerningMode = TKerningMode::kmNone;
  for (const auto& [corner, mode] : corners)
    if (at.A == corner) fKerningMode = mode;
  if (fKerningMode == TKerningMode::kmNone) return MouseMode::Idle;
  fclearing = button != ToolButton::Left;
  return fclearing ? MouseMode::KerningClear : MouseMode::KerningDrag;
}

// The zone reaches from its corner up to and including the pointer's cell.
void KerningTool::Move(const ToolPoint& at) {
  if (fclearing) return;
  const QSize glyph = fsession.CharBMP().size();
  const int c = std::clamp(at.A.x(), 0, glyph.width() - 1);
  const int r = std::clamp(at.A.y(), 0, glyph.height() - 1);
  const bool west = fKerningMode == TKerningMode::kmNW || fKerningMode == TKerningMode::kmSW;
  const bool north = fKerningMode == TKerningMode::kmNW || fKerningMode == TKerningMode::kmNO;
  SetZone({west ? c + 1 : glyph.width() - c, north ? r + 1 : glyph.height() - r});
}

void KerningTool::Release(const ToolPoint&) {
  TKerning kerning = fsession.EditKerning();
  if (fclearing) PutZone(kerning, fKerningMode, {0, 0});
  fKerningMode = TKerningMode::kmNone;
  fsession.ChangeEditKerning(kerning);
}

void KerningTool::SetZone(QPoint size) {
  TKerning kerning = fsession.EditKerning();
  if (PutZone(kerning, fKerningMode, {size.x(), size.y()})) fsession.SetEditKerning(kerning);
}
