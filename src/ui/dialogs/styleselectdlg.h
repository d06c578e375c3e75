#pragma once

#include "styles.h"

#include <QDialog>

class QPushButton;
class TChangeListBox;

// Chooses the look of the whole program, previewing each choice at once.
// "Übernehmen" accepts the previewed look, "Verwerfen" (or Escape) returns to
// the accepted one; closing by the window frame does neither.
class TStyleSelectDLG : public QDialog {
  Q_OBJECT

 public:
  // The manager outlives the dialog.
  explicit TStyleSelectDLG(TStyleManager& manager, QWidget* parent = nullptr);

  // The accepted look, as opposed to the one previewed on screen.
  const QString& Style() const { return fstyle; }
  // Only an exact name is taken and activated; any other accepts the look
  // that is active. The list shows the accepted name.
  void SetStyle(const QString& value);

  const TStyleManager& Manager() const { return fmanager; }
  TChangeListBox* StylesList() const { return fStylesList; }
  QPushButton* SelectBtn() const { return fSelectBtn; }
  QPushButton* CancelBtn() const { return fCancelBtn; }

  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void StylesListChange();
  void SelectBtnClick();
  void CancelBtnClick();
  void ShowAccepted();

  TStyleManager& fmanager;
  QString fstyle;
  TChangeListBox* fStylesList;
  QPushButton* fSelectBtn;
  QPushButton* fCancelBtn;
};
