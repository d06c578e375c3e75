#include "dialogs/newfontdlg.h"

#include "model/fonthandler.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int kInitialCellSize = 16;

QSpinBox* CreateSizeEdit(const char* name) {
  auto* edit = new QSpinBox;
  edit->setObjectName(name);
  edit->setRange(kMinCellSize, kMaxCellSize);
  edit->setValue(kInitialCellSize);
  return edit;
}

}  // namespace

TNewFontDLG::TNewFontDLG(QWidget* parent)
    : QDialog(parent),
      fNewBtn(new QRadioButton(tr("mit folgenden Parametern"))),
      fImportBtn(new QRadioButton(tr("WINDOWS®-Font importieren"))),
      fWidthEdit(CreateSizeEdit("WidthEdit")),
      fHeightEdit(CreateSizeEdit("HeightEdit")) {
  setObjectName("NewFontDLG");
  setWindowTitle(tr("Neue Font erstellen"));
  fNewBtn->setObjectName("NewBtn");
  fImportBtn->setObjectName("ImportBtn");
  fNewBtn->setChecked(true);
  connect(fNewBtn, &QRadioButton::clicked, this, [this] { ImportBtnClick(0); });
  connect(fImportBtn, &QRadioButton::clicked, this, [this] { ImportBtnClick(1); });

  auto* sizes = new QFormLayout;
  sizes->setContentsMargins(24, 0, 0, 0);
  sizes->addRow(tr("Breite"), fWidthEdit);
  sizes->addRow(tr("Höhe"), fHeightEdit);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Cancel)->setText(tr("Abbrechen"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fNewBtn);
  layout->addLayout(sizes);
  layout->addWidget(fImportBtn);
  layout->addWidget(CreateNote());
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* TNewFontDLG::CreateNote() {
  auto* note =
      new QLabel(tr("<b>! Achtung !</b><br>Aus Gründen des Urheberechts darf diese Funktion nur mit Zu- "
                    "stimmung der Fonthersteller genutzt werden."));
  note->setWordWrap(true);
  note->setFixedWidth(260);
  return note;
}

void TNewFontDLG::ImportBtnClick(int tag) { fNewType = tag; }

int TNewFontDLG::FontWidth() const { return fWidthEdit->value(); }

void TNewFontDLG::SetFontWidth(int value) { fWidthEdit->setValue(value); }

int TNewFontDLG::FontHeight() const { return fHeightEdit->value(); }

void TNewFontDLG::SetFontHeight(int value) { fHeightEdit->setValue(value); }
