#pragma once

#include "app/commandguard.h"
#include "app/filecommands.h"
#include "app/glyphstore.h"
#include "app/mainstate.h"
#include "app/viewswitch.h"
#include "app/windowsettings.h"

#include <QMainWindow>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QTabWidget;
class QToolBar;
class QToolButton;
class Settings;
class TChangeListBox;
class TKVHistoryFileList;
class TNewFontDLG;
class UserDialogs;

// The main window: owns the document state, the actions, menus, tool bars,
// pages and status bar, and wires the actions to the classes that do the work.
class TMainForm : public QMainWindow, private FileCommandHost {
  Q_OBJECT

 public:
  TMainForm(Settings& settings, UserDialogs& dialogs, QWidget* parent = nullptr);
  ~TMainForm() override;

  MainState& State() { return fstate; }
  TFileCommands& Files() { return ffiles; }
  TGlyphStore& Glyphs() { return fglyphs; }
  TNewFontDLG& NewFontDLG() { return *fNewFontDLG; }
  TKVHistoryFileList& HistoryList() { return *fHistoryList; }
  // The action of the given name; throws std::out_of_range for an unknown one.
  QAction* Action(const QString& name) const;

  // The status bar panel 0..5.
  QString StatusText(int panel) const;
  const QString& Style() const { return fstyle; }

  void SwitchView(ViewAction used);
  void CenterForm(QWidget& form) override;
  void UpdateForNewFont() override;
  void PaintCharset() override;
  void PaintKerningTest() override;
  void ClearMark() override;
  // None: the tool bars cannot be hidden.
  QMenu* createPopupMenu() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateActions();
  void CreateToolBars(const WindowSettings& stored);
  QToolBar* CreateMenuBar();
  QToolBar* CreateToolBar(const char* name, const QString& title, const QStringList& actions);
  QMenu* CreateMenu(const QString& title, const QStringList& entries);
  void CreatePages();
  QWidget* CreateCharEditPage();
  QWidget* CreateCharSetPage();
  QWidget* CreateKerningSpacingPage();
  void CreateStatusBar();
  void ConnectState();
  void PlaceWindow(QPoint stored);
  void FillGlyphLists();
  void ApplyStoredOptions(const WindowSettings& stored);
  WindowSettings CurrentSettings() const;
  void HistoryListChange();
  void ShowView(const ViewChecks& checks);
  void PageChanged(int index);
  void SetStatus(int panel, const QString& text);

  Settings& fsettings;
  CommandGuard fguard;
  MainState fstate;
  TGlyphStore fglyphs;
  TNewFontDLG* fNewFontDLG = nullptr;
  TFileCommands ffiles;
  TKVHistoryFileList* fHistoryList = nullptr;
  QString fstyle;

  std::array<QToolBar*, kToolBarCount> fToolBars{};
  QToolButton* fEditMenuButton = nullptr;
  QMenu* HistoryPopup = nullptr;
  QMenu* HistoryOpen = nullptr;
  QTabWidget* PageControl1 = nullptr;
  QWidget* CharEditPage = nullptr;
  QWidget* CharSetPage = nullptr;
  QWidget* KerningSpacingPage = nullptr;
  TChangeListBox* FontList = nullptr;
  QComboBox* KerningCharBox = nullptr;
  QCheckBox* AutoStepBox = nullptr;
  std::array<QLabel*, 6> fpanels{};
  bool fswitchingView = false;
};
