#pragma once

#include "commandguard.h"
#include "model/bitmap.h"
#include "render/textpreview.h"
#include "userdialogs.h"

#include <QWidget>

#include <optional>

class EditSession;
class FontDocument;
class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QSpinBox;
class Settings;
class TPictureBox;

// The text preview page: the user's text set with the font as the firmware
// sets it, on a simulated display of a chosen size and look, magnified, with
// what does not fit marked. Every choice is kept in the settings. The picture
// follows the document (and, when asked, the glyph in the editor) and is
// rendered again whenever the page is shown after a change.
class TTextPreviewView : public QWidget {
  Q_OBJECT

 public:
  TTextPreviewView(const FontDocument& document, const EditSession& session, Settings& settings, UserDialogs& dialogs,
                   QWidget* parent = nullptr);

  // The display's picture as shown, magnified, with the space beyond its edges.
  const Bitmap& Picture() const { return fpicture; }
  const textpreview::Scene& Scene() const { return fscene; }
  int Zoom() const;
  // Asks for a file and writes the display there as a PNG picture at the current zoom.
  void SaveAsPicture();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void CreateControls();
  void ReadSettings();
  void ConnectControls();
  // Renders now when the page is on the screen, otherwise when it is shown next.
  void RequestRedraw();
  void Redraw();
  void DisplayChanged();
  void LookChanged();
  void ChooseTftColour(TColor& colour, const char* key, const QString& title);
  textpreview::Scene CurrentScene() const;
  QString StatusText(const textpreview::Overflow& overflow) const;

  const FontDocument& fdocument;
  const EditSession& fsession;
  Settings& fsettings;
  UserDialogs& fdialogs;
  CommandGuard fguard;
  FileChoice fsaveChoice;
  QPlainTextEdit* fTextEdit = nullptr;
  QComboBox* fDisplayBox = nullptr;
  QSpinBox* fWidthEdit = nullptr;
  QSpinBox* fHeightEdit = nullptr;
  QComboBox* fLookBox = nullptr;
  QPushButton* fInkButton = nullptr;
  QPushButton* fPaperButton = nullptr;
  QSpinBox* fZoomEdit = nullptr;
  QSpinBox* fXEdit = nullptr;
  QSpinBox* fYEdit = nullptr;
  QSpinBox* fLineSpacingEdit = nullptr;
  QCheckBox* fWrapBox = nullptr;
  QCheckBox* fEditorGlyphBox = nullptr;
  QPushButton* fSaveButton = nullptr;
  QScrollArea* fScrollBox = nullptr;
  TPictureBox* fPaint = nullptr;
  QLabel* fStatus = nullptr;
  TColor ftftInk = 0;
  TColor ftftPaper = 0;
  bool fdirty = true;
  textpreview::Scene fscene;
  textlayout::TextLayout flayout;
  std::optional<textpreview::Raster> fraster;
  Bitmap fpicture;
};
