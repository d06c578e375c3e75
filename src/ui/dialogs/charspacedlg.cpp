#include "dialogs/charspacedlg.h"

#include "model/fonthandler.h"
#include "settings.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString kSpaceKey = QStringLiteral("Space");
constexpr int kDefaultSpace = 1;

}  // namespace

QString CharSpaceCaption(int space) {
  return QStringLiteral("%1 Pixel minimaler Freiraum nach dem Zeichen ...").arg(space);
}

TCharSpaceDlg::TCharSpaceDlg(Settings& settings, QWidget* parent)
    : QDialog(parent), fsettings(settings), fSpaceEdit(new QSpinBox) {
  setObjectName("CharSpaceDlg");
  setWindowTitle(QStringLiteral("Freiraum nach Zeichen"));
  // A stored value outside what any cell allows is taken to the nearest sensible one.
  fspace = std::clamp(settings.ReadInteger(kOptionsSection, kSpaceKey, kDefaultSpace), 0, kMaxCellSize);
  fSpaceEdit->setObjectName("SpaceEdit");
  fSpaceEdit->setRange(0, kMaxCellSize);
  auto* text = new QLabel(QStringLiteral("minimaler &Freiraum, der nach eine Zeichen\n verbleiben soll"));
  text->setBuddy(fSpaceEdit);
  auto* row = new QHBoxLayout;
  row->addWidget(fSpaceEdit);
  row->addWidget(new QLabel(QStringLiteral("Pixel")));
  row->addStretch();

  auto* buttons = new QDialogButtonBox;
  QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName("C");
  ok->setDefault(true);
  buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &TCharSpaceDlg::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addLayout(row);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TCharSpaceDlg::Setspace(int value) {
  fspace = value;
  emit spaceChanged(value);
}

void TCharSpaceDlg::showEvent(QShowEvent* event) {
  fSpaceEdit->setMaximum(fMaxFontsize);
  fSpaceEdit->setValue(fspace);
  QDialog::showEvent(event);
}

void TCharSpaceDlg::accept() {
  Setspace(fSpaceEdit->value());
  fsettings.WriteInteger(kOptionsSection, kSpaceKey, fspace);
  QDialog::accept();
}
