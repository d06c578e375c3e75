#include "dialogs/charspacedlg.h"

#include "model/fonthandler.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

QString CharSpaceCaption(int space) {
  return TCharSpaceDlg::tr("%1 Pixel minimaler Freiraum nach dem Zeichen ...").arg(space);
}

TCharSpaceDlg::TCharSpaceDlg(QWidget* parent) : QDialog(parent), fSpaceEdit(new QSpinBox) {
  setObjectName("CharSpaceDlg");
  setWindowTitle(tr("Freiraum nach Zeichen"));
  fSpaceEdit->setObjectName("SpaceEdit");
  fSpaceEdit->setRange(0, kMaxCellSize);
  auto* text = new QLabel(tr("minimaler &Freiraum, der nach eine Zeichen\n verbleiben soll"));
  text->setBuddy(fSpaceEdit);
  auto* row = new QHBoxLayout;
  row->addWidget(fSpaceEdit);
  row->addWidget(new QLabel(tr("Pixel")));
  row->addStretch();

  auto* buttons = new QDialogButtonBox;
  QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName("C");
  ok->setDefault(true);
  buttons->addButton(tr("Abbrechen"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addLayout(row);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TCharSpaceDlg::SetSpace(int space, int maxSpace) {
  fSpaceEdit->setMaximum(maxSpace);
  fSpaceEdit->setValue(space);
}

int TCharSpaceDlg::Space() const { return fSpaceEdit->value(); }
