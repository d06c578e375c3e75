#pragma once

#include <QDialog>

class QSpinBox;

// The caption of the command that opens the dialog, for the given space.
QString CharSpaceCaption(int space);

// "Freiraum nach Zeichen": the minimum free space the automatic width leaves
// after a glyph's ink.
class TCharSpaceDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TCharSpaceDlg(QWidget* parent = nullptr);

  // Shows the space, offered from 0 up to maxSpace.
  void SetSpace(int space, int maxSpace);
  // The space chosen.
  int Space() const;

  QSpinBox* SpaceEdit() const { return fSpaceEdit; }

 private:
  QSpinBox* fSpaceEdit;
};
