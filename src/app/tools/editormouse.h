#pragma once

#include "app/editorgeometry.h"
#include "app/tools/editortool.h"
#include "app/tools/filltool.h"
#include "app/tools/gripdrag.h"
#include "app/tools/kerningtool.h"
#include "app/tools/marktool.h"
#include "app/tools/painttool.h"
#include "app/tools/shapetool.h"

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
