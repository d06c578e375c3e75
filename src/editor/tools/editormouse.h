#pragma once

#include "editorgeometry.h"
#include "tools/editortool.h"
#include "tools/filltool.h"
#include "tools/gripdrag.h"
#include "tools/kerningtool.h"
#include "tools/marktool.h"
#include "tools/painttool.h"
#include "tools/shapetool.h"

// The editor's mouse state machine: a press on a grip drags the width line or
// the baseline whatever the tool, a press on the dot field hands the pointer
// to the current tool until the release.
class EditorMouse {
 public:
  explicit EditorMouse(EditSession& session);

  void Press(QPoint box, ToolButton button, const EditorGeometry& geometry);
  void Move(QPoint box, const EditorGeometry& geometry);
  void Release(QPoint box, const EditorGeometry& geometry);

  MouseMode Mousemode() const;
  // Between drags the pointer shows what a press would do.
  bool Hovering() const;

 private:
  EditorTool* ToolAt(QPoint box, const EditorGeometry& geometry);

  EditSession& fsession;
  MarkTool fmark;
  PaintTool fpaint;
  ShapeTool fline;
  ShapeTool frectangle;
  ShapeTool fellipse;
  FillTool ffill;
  KerningTool fkerning;
  GripDrag fwidth;
  GripDrag fbaseLine;
  EditorTool* factive = nullptr;
  MouseMode fmode = MouseMode::Idle;
};
