#include "dialogs/parameterdlg.h"

#include "model/fonthandler.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kPlacementRadix = 16;

QSpinBox* CreateSizeEdit(const char* name) {
  auto* edit = new QSpinBox;
  edit->setObjectName(name);
  edit->setRange(kMinCellSize, kMaxCellSize);
  return edit;
}

}  // namespace

TParameterDLG::TParameterDLG(QWidget* parent)
    : QDialog(parent),
      fWidthEdit(CreateSizeEdit("WidthEdit")),
      fHeightEdit(CreateSizeEdit("HeightEdit")),
      fBaseEdit(CreateSizeEdit("BaseEdit")) {
  setObjectName("ParameterDLG");
  setWindowTitle(tr("Font Parameter"));
  // The baseline follows a committed height, never a half-typed one ("1" of "14").
  fHeightEdit->setKeyboardTracking(false);
  connect(fHeightEdit, &QSpinBox::valueChanged, this, &TParameterDLG::HeightEditChange);

  auto* sizes = new QFormLayout;
  sizes->addRow(tr("&Breite"), fWidthEdit);
  sizes->addRow(tr("&Höhe"), fHeightEdit);
  sizes->addRow(tr("B&asis"), fBaseEdit);

  auto* placement = new QVBoxLayout;
  placement->addWidget(CreatePlacement("HorizGroup", tr("horizontale Position nach der Änderung "),
                                       {tr("&links"), tr("&zentriert"), tr("&recht")}, fHorizGroup));
  placement->addWidget(CreatePlacement("VertGroup", tr("vertikale Position nach der Änderung "),
                                       {tr("&oben"), tr("&mittig"), tr("&unten")}, fVertGroup));

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Cancel)->setText(tr("Abbrechen"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* columns = new QHBoxLayout;
  columns->addLayout(sizes);
  columns->addLayout(placement);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* TParameterDLG::CreatePlacement(const char* name, const QString& title, const QStringList& choices,
                                        QButtonGroup*& group) {
  auto* box = new QGroupBox(title);
  box->setObjectName(name);
  group = new QButtonGroup(box);
  auto* layout = new QHBoxLayout(box);
  for (int i = 0; i < choices.size(); ++i) {
    auto* choice = new QRadioButton(choices[i]);
    group->addButton(choice, i);
    layout->addWidget(choice);
  }
  group->button(0)->setChecked(true);
  return box;
}

void TParameterDLG::SetParameters(const FontParameters& shown) {
  fWidthEdit->setValue(shown.Width);
  fHeightEdit->setValue(shown.Height);
  fBaseEdit->setMaximum(fHeightEdit->value());
  fBaseEdit->setValue(shown.Base);
  fHorizGroup->button(shown.Position / kPlacementRadix)->setChecked(true);
  fVertGroup->button(shown.Position % kPlacementRadix)->setChecked(true);
}

FontParameters TParameterDLG::Parameters() const {
  return {fWidthEdit->value(), fHeightEdit->value(), std::min(fBaseEdit->value(), fHeightEdit->value()),
          kPlacementRadix * fHorizGroup->checkedId() + fVertGroup->checkedId()};
}

void TParameterDLG::HeightEditChange(int height) { fBaseEdit->setMaximum(height); }

// OK commits a height still being typed.
void TParameterDLG::accept() {
  fHeightEdit->interpretText();
  QDialog::accept();
}
