#pragma once

#include "tools/editortool.h"

// Fill: floods the area under the pointer where the button is released.
class FillTool : public EditorTool {
 public:
  explicit FillTool(EditSession& session) : fsession(session) {}

  MouseMode Press(const ToolPoint& at, ToolButton button) override;
  void Move(const ToolPoint&) override {}
  void Release(const ToolPoint& at) override;

 private:
  EditSession& fsession;
  QRgb fcolor = 0;
};
