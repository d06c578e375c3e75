#include "dialogs/importfontdlg.h"

#include "changelistbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// Weight (index + 1) x 100, as Qt numbers them.
const QStringList kStyles = {"THIN",     "EXTRALIGHT", "LIGHT",     "NORMAL", "MEDIUM",
                             "SEMIBOLD", "BOLD",       "EXTRABOLD", "BLACK"};
constexpr int kNormalStyle = 3;
constexpr int kInitialHeight = 16;

QString FaceName(const QString& family) {
  // Qt tells a family offered by several foundries apart as "Name [foundry]".
  static const QRegularExpression foundry(QStringLiteral("\\s*\\[[^\\]]*\\]$"));
  return QString(family).remove(foundry);
}

}  // namespace

QStringList FaceNames(const QStringList& families) {
  QStringList faces;
  for (const QString& family : families) faces << FaceName(family);
  faces.removeDuplicates();
  faces.sort(Qt::CaseInsensitive);
  return faces;
}

namespace {

QStringList InstalledFaces() {
  QStringList families;
  for (const QString& family : QFontDatabase::families())
    if (!QFontDatabase::isPrivateFamily(family)) families << family;
  return FaceNames(families);
}

QGroupBox* Section(const QString& caption, QLayout* layout) {
  auto* box = new QGroupBox(caption);
  box->setLayout(layout);
  return box;
}

}  // namespace

TImportFontDLG::TImportFontDLG(const QString& demoText, QWidget* parent)
    : QDialog(parent),
      fFontList(new TChangeListBox),
      fStyleCombo(new QComboBox),
      fKursivBox(new QCheckBox(tr("Kursiv"))),
      fANSICheck(new QCheckBox(tr("ANSI"))),
      fHoehe(new QSpinBox),
      fWidthOut(new QLabel(tr("Breite maximal 64"))),
      fDemoTextIn(new QLineEdit),
      fDemoTextOut(new QLabel),
      fImportButton(new QPushButton(tr("Importieren"))) {
  setObjectName("ImportFontDLG");
  setWindowTitle(tr("Import WINDOWS®-Font"));

  auto* buttons = new QDialogButtonBox;
  fImportButton->setObjectName("ImportButton");
  fImportButton->setDefault(true);
  buttons->addButton(fImportButton, QDialogButtonBox::AcceptRole);
  QPushButton* cancel = buttons->addButton(tr("Abbrechen"), QDialogButtonBox::RejectRole);
  cancel->setObjectName("CancelButton");
  connect(fImportButton, &QPushButton::clicked, this, &TImportFontDLG::ImportButtonClick);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QGridLayout(this);
  layout->addWidget(CreateFaceBox(), 0, 0, 2, 1);
  layout->addWidget(CreateStyleBox(), 0, 1);
  layout->addWidget(CreateSizeBox(), 1, 1);
  layout->addWidget(CreateDemoBox(), 2, 0, 1, 2);
  layout->addWidget(buttons, 3, 0, 1, 2);
  layout->setRowStretch(2, 1);

  fFontList->addItems(InstalledFaces());
  fFontList->SetItemIndex(0);
  fStyleCombo->setCurrentIndex(kNormalStyle);
  fHoehe->setValue(kInitialHeight);
  connect(fFontList, &TChangeListBox::OnChange, this, &TImportFontDLG::FontListChange);
  connect(fStyleCombo, &QComboBox::currentIndexChanged, this, &TImportFontDLG::FontListChange);
  connect(fKursivBox, &QCheckBox::toggled, this, &TImportFontDLG::FontListChange);
  connect(fHoehe, &QSpinBox::valueChanged, this, &TImportFontDLG::FontListChange);
  connect(fDemoTextIn, &QLineEdit::textChanged, this, &TImportFontDLG::FontListChange);
  fDemoTextIn->setText(demoText);
  FontListChange();
}

QString TImportFontDLG::DemoText() const { return fDemoTextIn->text(); }

QWidget* TImportFontDLG::CreateFaceBox() {
  // Not "FontList": that names the main window's glyph list, whose child this dialog is.
  fFontList->setObjectName("FaceList");
  fFontList->setAccessibleName(tr("Schriftart"));
  fFontList->setMinimumWidth(200);
  auto* layout = new QVBoxLayout;
  layout->addWidget(fFontList);
  return Section(tr("Schriftart"), layout);
}

QWidget* TImportFontDLG::CreateStyleBox() {
  fStyleCombo->setObjectName("StyleCombo");
  fStyleCombo->setAccessibleName(tr("Schriftstiel"));
  fStyleCombo->addItems(kStyles);
  fKursivBox->setObjectName("KursivBox");
  fANSICheck->setObjectName("ANSICheck");
  fANSICheck->setChecked(true);
  auto* layout = new QVBoxLayout;
  layout->addWidget(fStyleCombo);
  layout->addWidget(fKursivBox);
  layout->addWidget(fANSICheck);
  return Section(tr("Schriftstiel"), layout);
}

QWidget* TImportFontDLG::CreateSizeBox() {
  fHoehe->setObjectName("Hoehe");
  fHoehe->setAccessibleName(tr("Höhe"));
  fHoehe->setRange(kMinImportHeight, kMaxImportHeight);
  // A typed height outside the range becomes the nearest one that fits.
  fHoehe->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
  fWidthOut->setObjectName("WidthOut");
  auto* layout = new QFormLayout;
  layout->addRow(tr("Höhe"), fHoehe);
  layout->addRow(fWidthOut);
  return Section(tr("Schriftgröße"), layout);
}

QWidget* TImportFontDLG::CreateDemoBox() {
  fDemoTextIn->setObjectName("DemoTextIn");
  fDemoTextIn->setAccessibleName(tr("Demotext"));
  fDemoTextOut->setObjectName("DemoTextOut");
  fDemoTextOut->setAccessibleName(tr("Vorschau"));
  fDemoTextOut->setAlignment(Qt::AlignCenter);
  fDemoTextOut->setWordWrap(true);
  fDemoTextOut->setMinimumSize(420, 2 * kMaxImportHeight + 16);
  auto* input = new QFormLayout;
  input->addRow(tr("Demotext"), fDemoTextIn);
  auto* layout = new QVBoxLayout;
  layout->addLayout(input);
  layout->addWidget(fDemoTextOut, 1);
  return Section(tr("Demotext"), layout);
}

TImportChoice TImportFontDLG::Choice() const {
  const QListWidgetItem* face = fFontList->currentItem();
  return {face ? face->text() : QString(), (fStyleCombo->currentIndex() + 1) * 100, fKursivBox->isChecked(),
          ImportHeight(fHoehe->value()), fANSICheck->isChecked()};
}

// The preview shows exactly the font the import renders.
void TImportFontDLG::FontListChange() {
  fDemoTextOut->setText(fDemoTextIn->text());
  const QFont font = CellFont(Choice());
  fDemoTextOut->setFont(font);
  fmaxwidth = MaxWidth(font);
  fWidthOut->setText(tr("Maximale Breite %1").arg(fmaxwidth));
}

void TImportFontDLG::ImportButtonClick() {
  // A height still being typed counts, brought into the range.
  fHoehe->interpretText();
  accept();
}
