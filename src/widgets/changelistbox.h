#pragma once

#include <QListWidget>

// A single-selection list whose OnChange fires exactly once for each real
// change of the selected index, whether the user (mouse, keyboard) or the
// program (SetItemIndex) made it.
class TChangeListBox : public QListWidget {
  Q_OBJECT
 public:
  explicit TChangeListBox(QWidget* parent = nullptr);

  // The selected row, -1 when nothing is selected.
  int ItemIndex() const;
  // Selects the row and scrolls it into view; -1 or a row outside the list
  // removes the selection.
  void SetItemIndex(int value);
  // Forgets the last reported index, so the next user selection reports even
  // the index reported last.
  void ResyncAfterItemLostSelection();

 signals:
  void OnChange(int itemIndex);

 protected:
  virtual void Change();
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event = nullptr) const override;

 private:
  // After user input that may have changed the selection.
  void Click();

  int FLastSel = -1;
};
