#pragma once

#include <QDialog>

class QButtonGroup;
class QSpinBox;
class UserDialogs;

// "Font Parameter": the new cell size and baseline of the whole font, and
// where the old glyphs go in the new cell. Created once and reused: the
// placement stays as chosen last.
class TParameterDLG : public QDialog {
  Q_OBJECT

 public:
  // A smaller cell is confirmed through dialogs before the dialog accepts.
  explicit TParameterDLG(UserDialogs& dialogs, QWidget* parent = nullptr);

  // Filled in by the caller before showing; hold the choice after OK.
  int fontwidth() const { return ffontwidth; }
  void Setfontwidth(int value) { ffontwidth = value; }
  int fontheight() const { return ffontheight; }
  void Setfontheight(int value) { ffontheight = value; }
  int fontbase() const { return ffontbase; }
  void Setfontbase(int value) { ffontbase = value; }
  // 16 * horizontal index + vertical index (0 left/top, 1 centred, 2 right/bottom).
  int position() const { return fposition; }

  QSpinBox* WidthEdit() const { return fWidthEdit; }
  QSpinBox* HeightEdit() const { return fHeightEdit; }
  QSpinBox* BaseEdit() const { return fBaseEdit; }
  QButtonGroup* HorizGroup() const { return fHorizGroup; }
  QButtonGroup* VertGroup() const { return fVertGroup; }

  // OK: after a shrink question answered No the dialog is cancelled instead.
  void accept() override;

 protected:
  // The controls show the properties each time the dialog opens.
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* CreatePlacement(const char* name, const QString& title, const QStringList& choices, QButtonGroup*& group);
  void HeightEditChange(int height);

  UserDialogs& fdialogs;
  int ffontwidth = 16;
  int ffontheight = 16;
  int ffontbase = 16;
  int fposition = 0;
  QSpinBox* fWidthEdit;
  QSpinBox* fHeightEdit;
  QSpinBox* fBaseEdit;
  QButtonGroup* fHorizGroup = nullptr;
  QButtonGroup* fVertGroup = nullptr;
};
