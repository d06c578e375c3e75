#pragma once

#include "commands/fontimport.h"
#include "model/fonthandler.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class Settings;
class TChangeListBox;
class TInProcess;

// Makes a new font from an installed font face: face, weight, italics,
// height and code mapping, with a preview of a demo text. Created once and
// reused: its choices stay between uses, the demo text between runs. The
// import shows its progress in the progress window, centred over the
// dialog's parent.
class TImportFontDLG : public QDialog {
  Q_OBJECT

 public:
  TImportFontDLG(Settings& settings, TInProcess& progress, QWidget* parent = nullptr);
  ~TImportFontDLG() override;

  // The result of the last import; null before the first. A later import
  // replaces it.
  const TFontHandler* ImportFont() const { return fImportFont.get(); }
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

  // Stores the demo text whichever way the dialog closes.
  void done(int result) override;

 private:
  QWidget* CreateFaceBox();
  QWidget* CreateStyleBox();
  QWidget* CreateSizeBox();
  QWidget* CreateDemoBox();
  void FontListChange();
  void ImportButtonClick();

  Settings& fsettings;
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
  std::unique_ptr<TFontHandler> fImportFont;
  TInProcess& fprogress;
};
