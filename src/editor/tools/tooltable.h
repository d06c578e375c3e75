#pragma once

#include "tools/editortool.h"

#include <Qt>

#include <memory>
#include <span>

// The tools of the drawing tool bar.
enum class ToolId { Mark, Paint, Line, Ellipse, Rectangle, Fill, Kerning };

// How a tool follows the pointer between the press and the release.
enum class ToolStroke {
  // Every reported cell counts on its own.
  Free,
  // From the cell of the press to the pointer.
  Drag,
  // A shape between the cell of the press and the pointer, drawn again on every move.
  TwoPoints,
  // Only the cell of the release counts, so meanwhile the pointer shows what is under it.
  AtRelease,
};

// One tool as the window offers it and the editor runs it.
struct ToolDeclaration {
  ToolId id;
  // The object name of the tool's action.
  const char* name;
  // German, marked for the translation context "ToolTable"; the window shows them translated.
  const char* caption;
  const char* hint;
  const char* icon;
  // Key sequences separated by "; ".
  const char* shortcuts;
  // Over the dot field outside the mark.
  Qt::CursorShape cursor;
  ToolStroke stroke;
  std::unique_ptr<EditorTool> (*create)(EditSession& session);
};

// Every tool, declared once, in the order of the tool bar.
std::span<const ToolDeclaration> ToolTable();
const ToolDeclaration& Declaration(ToolId id);
