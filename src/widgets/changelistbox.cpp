#include "changelistbox.h"

#include <QKeyEvent>
#include <QMouseEvent>

TChangeListBox::TChangeListBox(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
}

int TChangeListBox::ItemIndex() const {
  const QModelIndexList selected = selectionModel()->selectedIndexes();
  return selected.isEmpty() ? -1 : selected.constFirst().row();
}

void TChangeListBox::SetItemIndex(int value) {
  const int old = ItemIndex();
  if (value != old) {
    if (value >= 0 && value < count()) {
      setCurrentRow(value, QItemSelectionModel::ClearAndSelect);
      scrollToItem(item(value));
    } else {
      clearSelection();
    }
  }
  if (ItemIndex() != old) Change();
}

void TChangeListBox::ResyncAfterItemLostSelection() { FLastSel = -1; }

void TChangeListBox::Change() {
  // Recorded before the handler runs, so a handler that selects again
  // reports at most one further change.
  FLastSel = ItemIndex();
  emit OnChange(FLastSel);
}

void TChangeListBox::Click() {
  if (ItemIndex() != FLastSel) Change();
}

void TChangeListBox::mousePressEvent(QMouseEvent* event) {
  QListWidget::mousePressEvent(event);
  Click();
}

void TChangeListBox::mouseMoveEvent(QMouseEvent* event) {
  QListWidget::mouseMoveEvent(event);
  if (event->buttons() != Qt::NoButton) Click();
}

void TChangeListBox::keyPressEvent(QKeyEvent* event) {
  QListWidget::keyPressEvent(event);
  Click();
}

QItemSelectionModel::SelectionFlags TChangeListBox::selectionCommand(const QModelIndex& index,
                                                                     const QEvent* event) const {
  const QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
  // Ctrl would toggle the selected row off; a list box of one selection keeps it.
  return command.testFlag(QItemSelectionModel::Deselect) ? QItemSelectionModel::NoUpdate : command;
}
