#pragma once

#include <QDialog>

class QSpinBox;
class Settings;

// The caption of the command that opens the dialog, for the given space.
QString CharSpaceCaption(int space);

// "Freiraum nach Zeichen": the minimum free space the automatic width leaves
// after a glyph's ink. The value lives in the settings ("Options", "Space").
class TCharSpaceDlg : public QDialog {
  Q_OBJECT

 public:
  // Reads the stored space (default 1).
  explicit TCharSpaceDlg(Settings& settings, QWidget* parent = nullptr);

  int space() const { return fspace; }
  // Announces the value through spaceChanged.
  void Setspace(int value);
  // The largest space the box offers; set before showing.
  void SetMaxFontsize(int value) { fMaxFontsize = value; }

  QSpinBox* SpaceEdit() const { return fSpaceEdit; }

  // OK takes the box's value and stores it in the settings.
  void accept() override;

 signals:
  void spaceChanged(int space);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  Settings& fsettings;
  int fspace = 1;
  int fMaxFontsize = 1;
  QSpinBox* fSpaceEdit;
};
