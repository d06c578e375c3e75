#pragma once

#include <QDialog>
#include <QStringList>

class QPushButton;
class TChangeListBox;
class TStyleManager;

// Chooses the look of the whole program from the listed names: each choice
// in the list asks for a preview at once. "Übernehmen" accepts the chosen
// look, "Verwerfen" (or Escape) discards the previews; closing by the window
// frame does neither.
class TStyleSelectDLG : public QDialog {
  Q_OBJECT

 public:
  explicit TStyleSelectDLG(const QStringList& names, QWidget* parent = nullptr);

  // Selects the name in the list without asking for a preview.
  void ShowStyle(const QString& name);

  TChangeListBox* StylesList() const { return fStylesList; }
  QPushButton* SelectBtn() const { return fSelectBtn; }
  QPushButton* CancelBtn() const { return fCancelBtn; }

  void reject() override;

 signals:
  void PreviewRequested(const QString& name);
  void StyleAccepted(const QString& name);
  void PreviewsDiscarded();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void StylesListChange();
  void SelectBtnClick();
  void CancelBtnClick();

  TChangeListBox* fStylesList;
  QPushButton* fSelectBtn;
  QPushButton* fCancelBtn;
};

// The manager previews, accepts and discards what the dialog asks for; the
// dialog shows the accepted look.
void FollowStyleChoices(TStyleSelectDLG& dialog, TStyleManager& manager);
