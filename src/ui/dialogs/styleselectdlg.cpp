#include "dialogs/styleselectdlg.h"

#include "changelistbox.h"
#include "styles.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

TStyleSelectDLG::TStyleSelectDLG(const QStringList& names, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint),
      fStylesList(new TChangeListBox),
      fSelectBtn(new QPushButton(tr("Übernehmen"))),
      fCancelBtn(new QPushButton(tr("Verwerfen"))) {
  setObjectName("StyleSelectDLG");
  setWindowTitle(tr("Erscheinungsbild anpassen"));
  fStylesList->setObjectName("StylesList");
  fStylesList->setAccessibleName(tr("Erscheinungsbilder"));
  fStylesList->addItems(names);
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
}

void TStyleSelectDLG::ShowStyle(const QString& name) {
  const QList<QListWidgetItem*> found = fStylesList->findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
  const QSignalBlocker quiet(fStylesList);
  fStylesList->SetItemIndex(found.isEmpty() ? -1 : fStylesList->row(found.first()));
}

void TStyleSelectDLG::StylesListChange() {
  if (const QListWidgetItem* item = fStylesList->currentItem()) emit PreviewRequested(item->text());
}

void TStyleSelectDLG::SelectBtnClick() {
  if (const QListWidgetItem* item = fStylesList->currentItem()) emit StyleAccepted(item->text());
  accept();
}

void TStyleSelectDLG::CancelBtnClick() {
  emit PreviewsDiscarded();
  QDialog::reject();
}

void TStyleSelectDLG::reject() { CancelBtnClick(); }

void TStyleSelectDLG::closeEvent(QCloseEvent* event) {
  QDialog::done(QDialog::Rejected);
  event->accept();
}

void FollowStyleChoices(TStyleSelectDLG& dialog, TStyleManager& manager) {
  QObject::connect(&dialog, &TStyleSelectDLG::PreviewRequested, &dialog,
                   [&manager](const QString& name) { manager.Activate(name); });
  QObject::connect(&dialog, &TStyleSelectDLG::StyleAccepted, &dialog,
                   [&manager](const QString& name) { manager.Accept(name); });
  QObject::connect(&dialog, &TStyleSelectDLG::PreviewsDiscarded, &dialog, [&dialog, &manager] {
    manager.Discard();
    dialog.ShowStyle(manager.AcceptedStyle());
  });
  dialog.ShowStyle(manager.AcceptedStyle());
}
