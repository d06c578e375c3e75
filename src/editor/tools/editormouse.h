#pragma once

#include "editorgeometry.h"
#include "tools/editortool.h"
#include "tools/gripdrag.h"
#include "tools/tooltable.h"

#include <map>
#include <memory>

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
  // Between drags, and while a tool waits for the release, the pointer shows
  // what a press would do.
  bool Hovering() const;

 private:
  struct Target {
    EditorTool* tool = nullptr;
    ToolStroke stroke = ToolStroke::Drag;
  };
  Target TargetAt(QPoint box, const EditorGeometry& geometry);

  EditSession& fsession;
  // One of each tool of the table, keeping its state from drag to drag.
  std::map<ToolId, std::unique_ptr<EditorTool>> ftools;
  GripDrag fwidth;
  GripDrag fbaseLine;
  Target factive;
  MouseMode fmode = MouseMode::Idle;
};
