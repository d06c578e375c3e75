#include "dialogs/styleselectdlg.h"

#include "changelistbox.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

TStyleSelectDLG::TStyleSelectDLG(TStyleManager& manager, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint),
      fmanager(manager),
      fstyle(fmanager.ActiveStyle()),
      fStylesList(new TChangeListBox),
      fSelectBtn(new QPushButton(QStringLiteral("Übernehmen"))),
      fCancelBtn(new QPushButton(QStringLiteral("Verwerfen"))) {
  setObjectName("StyleSelectDLG");
  setWindowTitle(QStringLiteral("Erscheinungsbild anpassen"));
  fStylesList->setObjectName("StylesList");
  fStylesList->setAccessibleName(QStringLiteral("Erscheinungsbilder"));
  fStylesList->addItems(fmanager.StyleNames());
  fSelectBtn->setObjectName("SelectBtn");
  fSelectBtn->setDefault(true);
  fCancelBtn->setObjectName("CancelBtn");
  auto* buttons = new QDialogButtonBox;
  buttons->addButton(fSelectBtn, QDialogButtonBox::AcceptRole);
  buttons->addButton(fCancelBtn, QDialogButtonBox::RejectRole);
  connect(fStylesList, &TChangeListBox::OnChange, this, &TStyleSelectDLG::StylesListChange);
  connect(fSelectBtn, &QPushButton::clicked, this, &TStyleSelectDLG::SelectBtnClick);
  connect(fCancelBtn, &QPushButton::clicked, this, &TStyleSelectDLG::CancelBtnClick);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fStylesList);
  layout->addWidget(buttons);
  ShowAccepted();
}

void TStyleSelectDLG::SetStyle(const QString& value) {
  fstyle = fmanager.Activate(value) ? value : fmanager.ActiveStyle();
  ShowAccepted();
}

void TStyleSelectDLG::ShowAccepted() {
  const QList<QListWidgetItem*> found = fStylesList->findItems(fstyle, Qt::MatchExactly | Qt::MatchCaseSensitive);
  const QSignalBlocker quiet(fStylesList);
  fStylesList->SetItemIndex(found.isEmpty() ? -1 : fStylesList->row(found.first()));
}

void TStyleSelectDLG::StylesListChange() {
  if (const QListWidgetItem* item = fStylesList->currentItem()) fmanager.Activate(item->text());
}

void TStyleSelectDLG::SelectBtnClick() {
  if (const QListWidgetItem* item = fStylesList->currentItem()) fstyle = item->text();
  accept();
}

void TStyleSelectDLG::CancelBtnClick() {
  if (fmanager.ActiveStyle() != fstyle) fmanager.Activate(fstyle);
  ShowAccepted();
  QDialog::reject();
}

void TStyleSelectDLG::reject() { CancelBtnClick(); }

void TStyleSelectDLG::closeEvent(QCloseEvent* event) {
  QDialog::done(QDialog::Rejected);
  event->accept();
}
