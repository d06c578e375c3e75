#pragma once

#include <QDialog>

class QRadioButton;
class QSpinBox;

// Asks whether a new font starts empty (with a cell size) or comes from an
// installed font. Created once and reused: it keeps the choice of its last use.
class TNewFontDLG : public QDialog {
  Q_OBJECT

 public:
  explicit TNewFontDLG(QWidget* parent = nullptr);

  // 0: an empty font of FontWidth x FontHeight; 1: import an installed font.
  int NewType() const { return fNewType; }
  int FontWidth() const;
  void SetFontWidth(int value);
  int FontHeight() const;
  void SetFontHeight(int value);

  QRadioButton* NewBtn() const { return fNewBtn; }
  QRadioButton* ImportBtn() const { return fImportBtn; }

 private:
  void ImportBtnClick(int tag);
  static QWidget* CreateNote();

  QRadioButton* fNewBtn;
  QRadioButton* fImportBtn;
  QSpinBox* fWidthEdit;
  QSpinBox* fHeightEdit;
  int fNewType = 0;
};
