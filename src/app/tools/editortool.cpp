#include "app/tools/editortool.h"

#include "app/editsession.h"

QRgb ToolColor(const EditSession& session, ToolButton button) {
  return 0xFF000000u | (button == ToolButton::Left ? session.SetColor() : session.OffColor());
}
