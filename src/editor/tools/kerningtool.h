#pragma once

#include "tools/editortool.h"

// The corner zone the kerning tool is changing.
enum class TKerningMode { kmNone, kmNW, kmNO, kmSO, kmSW };

// Kerning zones: a press on a corner cell of the glyph takes that corner's
// zone; dragging with the left button stretches it from its corner to the
// pointer, the other button clears it at the release.
class KerningTool : public EditorTool {
 public:
  explicit KerningTool(EditSession& session) : fsession(session) {}

  MouseMode Press(const ToolPoint& at, ToolButton button) override;
  void Move(const ToolPoint& at) override;
  void Release(const ToolPoint& at) override;

  TKerningMode KerningMode() const { return fKerningMode; }

 private:
  void SetZone(QPoint size);

  EditSession& fsession;
  TKerningMode fKerningMode = TKerningMode::kmNone;
  bool fclearing = false;
};
