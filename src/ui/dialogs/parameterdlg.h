#pragma once

#include "fontrequests.h"

#include <QDialog>

class QButtonGroup;
class QSpinBox;

// "Font Parameter": the new cell size and baseline of the whole font, and
// where the old glyphs go in the new cell.
class TParameterDLG : public QDialog {
  Q_OBJECT

 public:
  explicit TParameterDLG(QWidget* parent = nullptr);

  void SetParameters(const FontParameters& shown);
  // The values chosen; the baseline at most the height.
  FontParameters Parameters() const;

  QSpinBox* WidthEdit() const { return fWidthEdit; }
  QSpinBox* HeightEdit() const { return fHeightEdit; }
  QSpinBox* BaseEdit() const { return fBaseEdit; }
  QButtonGroup* HorizGroup() const { return fHorizGroup; }
  QButtonGroup* VertGroup() const { return fVertGroup; }

  void accept() override;

 private:
  static QWidget* CreatePlacement(const char* name, const QString& title, const QStringList& choices,
                                  QButtonGroup*& group);
  void HeightEditChange(int height);

  QSpinBox* fWidthEdit;
  QSpinBox* fHeightEdit;
  QSpinBox* fBaseEdit;
  QButtonGroup* fHorizGroup = nullptr;
  QButtonGroup* fVertGroup = nullptr;
};
