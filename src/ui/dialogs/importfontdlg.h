#pragma once

#include "commands/fontimport.h"
#include "model/fonthandler.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class TChangeListBox;

// Each family once, without the foundry Qt names when several offer it,
// sorted as the user reads them.
QStringList FaceNames(const QStringList& families);

// Chooses the installed font face a new font is made from: face, weight,
// italics, height and code mapping, with a preview of a demo text. Created
// once and reused: its choices stay between uses.
class TImportFontDLG : public QDialog {
  Q_OBJECT

 public:
  // Starts with the given demo text.
  explicit TImportFontDLG(const QString& demoText, QWidget* parent = nullptr);

  QString DemoText() const;
  // The cell width an import takes, from the current choices.
  int maxwidth() const { return fmaxwidth; }
  TImportChoice Choice() const;

  TChangeListBox* FontList() const { return fFontList; }
  QComboBox* StyleCombo() const { return fStyleCombo; }
  QCheckBox* KursivBox() const { return fKursivBox; }
  QCheckBox* ANSICheck() const { return fANSICheck; }
  QSpinBox* Hoehe() const { return fHoehe; }
  QLabel* WidthOut() const { return fWidthOut; }
  QLineEdit* DemoTextIn() const { return fDemoTextIn; }
  QLabel* DemoTextOut() const { return fDemoTextOut; }
  QPushButton* ImportButton() const { return fImportButton; }

 private:
  QWidget* CreateFaceBox();
  QWidget* CreateStyleBox();
  QWidget* CreateSizeBox();
  QWidget* CreateDemoBox();
  void FontListChange();
  void ImportButtonClick();

  TChangeListBox* fFontList;
  QComboBox* fStyleCombo;
  QCheckBox* fKursivBox;
  QCheckBox* fANSICheck;
  QSpinBox* fHoehe;
  QLabel* fWidthOut;
  QLineEdit* fDemoTextIn;
  QLabel* fDemoTextOut;
  QPushButton* fImportButton;
  int fmaxwidth = kMaxCellSize;
};
