#include "tools/editortool.h"

#include "editsession.h"

QRgb ToolColor(const EditSession& session, ToolButton button) {
  return 0xFF000000u | (button == ToolButton::Left ? session.SetColor() : session.OffColor());
}
