#include "views/fontlist.h"

#include "document.h"
#include "mainformtexts.h"
#include "qimagecanvas.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include <cstdlib>

namespace {

constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kBlack = 0x000000;

// Draws a row: the item text, the glyph stored in the font and an etched
// separator under every row but the last.
class FontListDelegate : public QStyledItemDelegate {
 public:
  FontListDelegate(const FontDocument& document, TFontList& list)
      : QStyledItemDelegate(&list), fdocument(document), flist(list) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const QRect row = option.rect;
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QPalette& palette = option.palette;
    painter->fillRect(row, selected ? palette.highlight() : palette.base());
    painter->setFont(option.font);
    painter->setPen(selected ? palette.highlightedText().color() : palette.text().color());
    const QFontMetrics metrics(option.font);
    const int textTop = row.bottom() + 1 - std::abs(metrics.height()) - 4;
    painter->drawText(QPoint(row.left() + 4, textTop + metrics.ascent()), index.data().toString());
    DrawGlyph(*painter, index.row(), row);
    if (index.row() < flist.count() - 1) DrawSeparator(*painter, palette, row);
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width() + 8, flist.RowHeight()};
  }

 private:
  void DrawGlyph(QPainter& painter, int c, const QRect& row) const {
    const TFontHandler& font = fdocument.EditFont();
    QImage glyph(font.FontWidth(), font.FontHeight(), QImage::Format_RGB32);
    QImageCanvas canvas(glyph);
    canvas.PenColor = kWhite;
    canvas.BrushColor = kBlack;
    glyph.fill(Qt::black);
    font.DrawCharacter(c, canvas, 0, 0);
    const int right = row.right() + 1;
    painter.drawImage(QPoint((row.left() + right - font.FontWidth()) / 2, row.top() + 2), glyph);
  }

  static void DrawSeparator(QPainter& painter, const QPalette& palette, const QRect& row) {
    const int bottom = row.bottom() + 1;
    const int left = row.left() + 4;
    const int right = row.right() + 1 - 5;
    painter.setPen(palette.dark().color());
    painter.drawLine(left, bottom - 2, right, bottom - 2);
    painter.setPen(palette.light().color());
    painter.drawLine(left, bottom - 1, right, bottom - 1);
  }

  const FontDocument& fdocument;
  TFontList& flist;
};

}  // namespace

TFontList::TFontList(const FontDocument& document, QWidget* parent) : TChangeListBox(parent), fdocument(document) {
  setItemDelegate(new FontListDelegate(document, *this));
}

int TFontList::RowHeight() const { return std::abs(fontMetrics().height()) + fdocument.EditFont().FontHeight() + 5; }

void TFontList::UpdateRowHeight() {
  doItemsLayout();
  viewport()->update();
}

void TFontList::mousePressEvent(QMouseEvent* event) {
  fMoveChar = event->modifiers().testFlag(Qt::ShiftModifier);
  TChangeListBox::mousePressEvent(event);
}

void TFontList::mouseDoubleClickEvent(QMouseEvent* event) {
  TChangeListBox::mouseDoubleClickEvent(event);
  if (itemAt(event->position().toPoint())) emit LoadRequested();
}

void TFontList::keyPressEvent(QKeyEvent* event) {
  if (const auto glyph = TypedGlyph(*event)) {
    SetItemIndex(*glyph);
    return;
  }
  TChangeListBox::keyPressEvent(event);
}
