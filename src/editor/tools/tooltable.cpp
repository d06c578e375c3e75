#include "tools/tooltable.h"

#include "tools/filltool.h"
#include "tools/glyphshapes.h"
#include "tools/kerningtool.h"
#include "tools/marktool.h"
#include "tools/painttool.h"
#include "tools/shapetool.h"

#include <QCoreApplication>

#include <algorithm>
#include <stdexcept>

namespace {

template <typename Tool>
std::unique_ptr<EditorTool> Create(EditSession& session) {
  return std::make_unique<Tool>(session);
}

// The states of a shape tool for the left and the other button.
template <ShapeTool::Shape shape, MouseMode setMode, MouseMode offMode>
std::unique_ptr<EditorTool> CreateShape(EditSession& session) {
  return std::make_unique<ShapeTool>(session, shape, setMode, offMode);
}

// "Rectange" is the caption users' automation knows the rectangle tool by. The
// captions and hints are translated where the window shows them.
const ToolDeclaration kTools[] = {
    {ToolId::Mark, "Mark", QT_TRANSLATE_NOOP("ToolTable", "Mark"), QT_TRANSLATE_NOOP("ToolTable", "markieren"), "mark",
     "Ctrl+1", Qt::ArrowCursor, ToolStroke::Drag, Create<MarkTool>},
    {ToolId::Paint, "Paint", QT_TRANSLATE_NOOP("ToolTable", "Paint"),
     QT_TRANSLATE_NOOP("ToolTable", "Pixel bearbeiten"), "paint", "Ctrl+2", Qt::ArrowCursor, ToolStroke::Free,
     Create<PaintTool>},
    {ToolId::Line, "Line", QT_TRANSLATE_NOOP("ToolTable", "Line"), QT_TRANSLATE_NOOP("ToolTable", "Linie zeichnen"),
     "line", "Ctrl+3", Qt::ArrowCursor, ToolStroke::TwoPoints,
     CreateShape<DrawLine, MouseMode::LineSet, MouseMode::LineOff>},
    {ToolId::Ellipse, "Ellipse", QT_TRANSLATE_NOOP("ToolTable", "Ellipse"),
     QT_TRANSLATE_NOOP("ToolTable", "Kreis/Ellipse zeichnen"), "ellipse", "Ctrl+4", Qt::ArrowCursor,
     ToolStroke::TwoPoints, CreateShape<DrawEllipse, MouseMode::EllipseSet, MouseMode::EllipseOff>},
    {ToolId::Rectangle, "Rectangle", QT_TRANSLATE_NOOP("ToolTable", "Rectange"),
     QT_TRANSLATE_NOOP("ToolTable", "Rechteck zeichen"), "rectangle", "Ctrl+5", Qt::ArrowCursor, ToolStroke::TwoPoints,
     CreateShape<DrawRectangle, MouseMode::RectangleSet, MouseMode::RectangleOff>},
    {ToolId::Fill, "Fill", QT_TRANSLATE_NOOP("ToolTable", "Fill"), QT_TRANSLATE_NOOP("ToolTable", "Bereich füllen"),
     "fill", "Ctrl+6", Qt::ArrowCursor, ToolStroke::AtRelease, Create<FillTool>},
    {ToolId::Kerning, "Kerning", QT_TRANSLATE_NOOP("ToolTable", "Kerning"),
     QT_TRANSLATE_NOOP("ToolTable", "Kerningbereiche festlegen"), "kerning", "Ctrl+7", Qt::ArrowCursor,
     ToolStroke::Drag, Create<KerningTool>},
};

}  // namespace

std::span<const ToolDeclaration> ToolTable() { return kTools; }

const ToolDeclaration& Declaration(ToolId id) {
  const auto* found = std::find_if(std::begin(kTools), std::end(kTools),
                                   [id](const ToolDeclaration& declared) { return declared.id == id; });
  if (found == std::end(kTools)) throw std::out_of_range("undeclared tool");
  return *found;
}
