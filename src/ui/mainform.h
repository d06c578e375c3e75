#pragma once

#include "charspace.h"
#include "commandguard.h"
#include "commands/exportcommand.h"
#include "commands/filecommands.h"
#include "commands/fontoperations.h"
#include "commands/glyphpictures.h"
#include "commands/selection.h"
#include "dialogs/inprocess.h"
#include "document.h"
#include "editsession.h"
#include "mainactions.h"
#include "styles.h"
#include "views/printing.h"
#include "viewswitch.h"
#include "windowsettings.h"

#include <QMainWindow>

#include <array>
#include <map>
#include <memory>

class QLabel;
class QMenu;
class QMenuBar;
class QTabWidget;
class QToolBar;
class Settings;
class TAbout;
class TCharsetView;
class TDialogRequests;
class TEditorCanvas;
class TFontList;
class TKerningView;
class TTextPreviewView;
class TKVHistoryFileList;
class TStyleSelectDLG;
class UserDialogs;
class WindowDialogs;

// The main window: the shell that owns the document and the editing session,
// the actions, menus, tool bars, pages and status bar, and wires them to the
// classes that do the work.
class TMainForm : public QMainWindow {
  Q_OBJECT

 public:
  // The font commands ask requests; without them, the window's own dialogs answer.
  TMainForm(Settings& settings, UserDialogs& dialogs, WindowDialogs& windowDialogs, FontRequests* requests = nullptr,
            QWidget* parent = nullptr);
  ~TMainForm() override;

  FontDocument& Document() { return fdocument; }
  EditSession& Session() { return fsession; }
  TFileCommands& Files() { return ffiles; }
  TSelectionCommands& Selection() { return fselection; }
  TGlyphPictureCommands& Pictures() { return fpictures; }
  TPrintCommand& Printing() { return fprinting; }
  TInProcess& InProcess() { return *fInProcess; }
  TAbout& About() { return *fAbout; }
  TStyleSelectDLG& StyleSelectDLG() { return *fStyleSelectDLG; }
  const TStyleManager& Styles() const { return fstyles; }
  CharSpace& Space() { return fcharSpace; }
  TExportCommand& Exporter() { return fexport; }
  TFontOperations& FontOperations() { return ffontOperations; }
  TCharsetView& CharsetView() { return *fCharsetView; }
  TKerningView& KerningView() { return *fKerningView; }
  TTextPreviewView& TextPreviewView() { return *fTextPreviewView; }
  TKVHistoryFileList& HistoryList() { return *fHistoryList; }
  QAction* Action(ActionId id) const { return factions.at(id); }
  QAction* Action(ToolId id) const { return ftoolActions.at(id); }
  // The action of the given object name; throws std::out_of_range for an unknown one.
  QAction* Action(const QString& name) const;
  bool IsChecked(ActionId id) const;
  // How exports and imports of the formats that speak Unicode map the codes.
  CodePage ChosenCodePage() const { return fcodePage; }

  // The status bar panel 0..5.
  QString StatusText(int panel) const;
  // The accepted look of the program.
  const QString& Style() const;

  void SwitchView(ViewAction used);
  // Opens a font file named outside the open dialog (on the command line,
  // or dropped on the window) as if it was chosen there; errors are shown.
  void OpenFile(const QString& path);
  // The about box and the appearance dialog, centred over the window.
  void ShowAboutBox();
  void SelectStyle();
  // None: the tool bars cannot be hidden.
  QMenu* createPopupMenu() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  // A font file dropped on the window is opened; a picture file dropped on
  // the editor comes in like the glyph picture import.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void CreateActions();
  void CreateToolBars(const WindowSettings& stored);
  QToolBar* CreateMenuBar();
  // The actions of the given ids; a separator becomes null.
  std::vector<QAction*> Actions(const std::vector<ActionId>& entries) const;
  // Null entries are separators.
  QToolBar* CreateToolBar(const char* name, const QString& title, const std::vector<QAction*>& actions);
  // The menu's object name is name + "Menu"; the title carries its mnemonic.
  QMenu* CreateMenu(const char* name, const QString& title, const std::vector<ActionId>& entries);
  // One choice per code page, the chosen one checked.
  QMenu* CreateCodePageMenu();
  void CreatePages(UserDialogs& dialogs);
  QWidget* CreateCharEditPage();
  QWidget* CreateCharSetPage();
  QWidget* CreateKerningSpacingPage();
  // A click on a glyph of the charset page selects it; a double click loads it into the editor.
  void ConnectCharset();
  void CreateStatusBar();
  void ConnectDocument();
  void ConnectSession();
  void ConnectFontList();
  // The "CharSpace" caption follows the free space after a glyph.
  void ConnectCharSpace();
  void PlaceWindow(const WindowSettings& stored);
  void FillGlyphList();
  void ApplyStoredOptions(const WindowSettings& stored);
  WindowSettings CurrentSettings() const;
  void HistoryListChange();
  void ShowView(const ViewChecks& checks);
  void PageChanged(int index);
  void SetStatus(int panel, const QString& text);
  // The enabled and checked states of every action, from the state they follow.
  void RefreshActions();
  // The glyph list after a new font: rows fit the cell, the first glyph is selected.
  void ShowNewFont();
  void FontListChange();
  void LoadCharButtonClick();
  void StoreCharButtonClick();

  Settings& fsettings;
  WindowDialogs& fwindowDialogs;
  CommandGuard fguard;
  FontDocument fdocument;
  EditSession fsession;
  TSelectionCommands fselection;
  TGlyphPictureCommands fpictures;
  TPrintCommand fprinting;
  // Destroyed before the document and the pages: the platform's look comes
  // back while every widget and what it shows still exist.
  TStyleManager fstyles;
  TAbout* fAbout = nullptr;
  TInProcess* fInProcess = nullptr;
  TInProcessOver fprogress;
  std::unique_ptr<TDialogRequests> fownRequests;
  FontRequests& frequests;
  CharSpace fcharSpace;
  TStyleSelectDLG* fStyleSelectDLG = nullptr;
  TFileCommands ffiles;
  TKVHistoryFileList* fHistoryList = nullptr;
  TExportCommand fexport;
  TFontOperations ffontOperations;
  ViewChecks fview;
  bool fclipboardHasPicture = false;

  std::map<ActionId, QAction*> factions;
  std::map<ToolId, QAction*> ftoolActions;
  std::array<QToolBar*, kToolBarCount> fToolBars{};
  QMenuBar* fMenuBar = nullptr;
  QMenu* fEditMenu = nullptr;
  CodePage fcodePage = CodePage::Latin1;
  QMenu* HistoryPopup = nullptr;
  QMenu* HistoryOpen = nullptr;
  QTabWidget* PageControl1 = nullptr;
  QWidget* CharEditPage = nullptr;
  QWidget* CharSetPage = nullptr;
  QWidget* KerningSpacingPage = nullptr;
  TFontList* FontList = nullptr;
  TEditorCanvas* CharPaintBox = nullptr;
  TCharsetView* fCharsetView = nullptr;
  TKerningView* fKerningView = nullptr;
  TTextPreviewView* fTextPreviewView = nullptr;
  std::array<QLabel*, 6> fpanels{};
  bool fswitchingView = false;
};
