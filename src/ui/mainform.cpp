#include "mainform.h"

#include "dialogrequests.h"
#include "dialogs/about.h"
#include "dialogs/charspacedlg.h"
#include "dialogs/styleselectdlg.h"
#include "historyfilelist.h"
#include "mainformtexts.h"
#include "placement.h"
#include "settings.h"
#include "toolbarlayout.h"
#include "views/charsetview.h"
#include "views/editorcanvas.h"
#include "views/fontlist.h"
#include "views/glyphpreview.h"
#include "views/kerningview.h"
#include "views/textpreviewview.h"
#include "windowdialogs.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <stdexcept>

namespace {

// A separator in the lists of menu and tool-bar entries.
constexpr auto kSeparator = static_cast<ActionId>(-1);
// The submenu of recent files in the "Datei" menu.
constexpr auto kHistoryEntry = static_cast<ActionId>(-2);
// The hint without the short-cut a tool's tip adds.
constexpr const char* kPlainHint = "plainHint";
const QString kInitialCaption = QStringLiteral("<kelvaront> Rastermeister");
constexpr QSize kClientSize(624, 455);

// Width of each status panel at the window's designed size. The panels share
// the status bar in these proportions, so a narrow window clips their texts
// instead of laying one panel over the next.
constexpr std::array<int, 6> kPanelWidths = {84, 110, 84, 120, 84, 54};
enum StatusPanel { kTypePanel, kSizePanel, kBaseLinePanel, kCharPanel, kFontPanel, kCellPanel };

QLabel* CreatePanel() {
  auto* panel = new QLabel;
  panel->setAlignment(Qt::AlignCenter);
  panel->setFrameShape(QFrame::StyledPanel);
  panel->setFrameShadow(QFrame::Sunken);
  panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  return panel;
}

QPushButton* CreateGlyphButton(const char* name, const char* icon, const QString& hint) {
  auto* button = new QPushButton(ToolIcon(QString::fromLatin1(icon)), QString());
  button->setObjectName(name);
  button->setToolTip(hint);
  button->setAccessibleName(hint);
  button->setFixedSize(kPreviewSize / 2 - 2, 26);
  return button;
}

// The button that a tool bar or the menu bar shows for what no longer fits.
void NameOverflowButton(QWidget* bar, const char* name) {
  if (auto* more = bar->findChild<QToolButton*>(name)) more->setAccessibleName(TMainForm::tr("Weitere Befehle"));
}

// The one local file a drag carries, or nothing.
QString DroppedFile(const QMimeData* data) {
  if (!data || !data->hasUrls() || data->urls().size() != 1) return {};
  const QUrl url = data->urls().constFirst();
  return url.isLocalFile() ? url.toLocalFile() : QString();
}

QList<QKeySequence> Keys(const char* shortcuts) {
  if (!*shortcuts) return {};
  return QKeySequence::listFromString(QString::fromLatin1(shortcuts), QKeySequence::PortableText);
}

QList<QKeySequence> Shortcuts(const ActionDeclaration& declared) {
  const QList<QKeySequence> standard = QKeySequence::keyBindings(declared.standard);
  return standard.isEmpty() ? Keys(declared.shortcuts) : standard;
}

// A tool's hint names its short-cut; assistive technology keeps the plain hint.
QString HintWithKeys(const QString& hint, const QList<QKeySequence>& keys) {
  if (keys.isEmpty()) return hint;
  return QStringLiteral("%1 (%2)").arg(hint, keys.constFirst().toString(QKeySequence::NativeText));
}

// An action of the window as a table row describes it; the row's texts are
// translated in the table's context.
QAction* NewAction(QObject* window, const char* context, const char* name, const char* caption, const char* hint,
                   const QList<QKeySequence>& keys, const char* icon) {
  auto* action = new QAction(QCoreApplication::translate(context, caption), window);
  action->setObjectName(name);
  if (*hint) action->setToolTip(QCoreApplication::translate(context, hint));
  action->setProperty(kPlainHint, action->toolTip());
  action->setShortcuts(keys);
  if (*icon) action->setIcon(ToolIcon(QString::fromLatin1(icon)));
  return action;
}

}  // namespace

TMainForm::TMainForm(Settings& settings, UserDialogs& dialogs, WindowDialogs& windowDialogs, FontRequests* requests,
                     QWidget* parent)
    : QMainWindow(parent),
      fsettings(settings),
      fwindowDialogs(windowDialogs),
      fguard(dialogs),
      fsession(fdocument, dialogs),
      fselection(fsession),
      fpictures(fsession, dialogs),
      fprinting(windowDialogs),
      fAbout(new TAbout(this)),
      fInProcess(new TInProcess(this)),
      fprogress(*fInProcess, *this),
      fownRequests(requests ? nullptr : std::make_unique<TDialogRequests>(settings, windowDialogs, *this)),
      frequests(requests ? *requests : *fownRequests),
      fcharSpace(settings),
      fStyleSelectDLG(new TStyleSelectDLG(TStyleManager::StyleNames(), this)),
      ffiles(fsession, dialogs, frequests, fprogress),
      fHistoryList(new TKVHistoryFileList(this)),
      fexport(fdocument, dialogs),
      ffontOperations(fsession, dialogs, frequests, fcharSpace, fprogress) {
  Q_INIT_RESOURCE(glyphwright);
  setObjectName("MainForm");
  setWindowTitle(kInitialCaption);
  setMinimumSize(kMinimumWindowSize);
  setAcceptDrops(true);
  resize(kClientSize);
  const WindowSettings stored = WindowSettings::Read(settings);
  fstyles.Accept(stored.Style);
  FollowStyleChoices(*fStyleSelectDLG, fstyles);
  CreateActions();
  ConnectCharSpace();
  ApplyStoredOptions(stored);
  CreateToolBars(stored);
  CreatePages(dialogs);
  CreateStatusBar();
  ConnectDocument();
  ConnectSession();
  ConnectFontList();
  ConnectCharset();
  PlaceWindow(stored);
  SetStatus(kTypePanel, FontTypeText(fdocument.fonttype()));
  FillGlyphList();
  fsession.ClearMark();
  fdocument.SetSaveRequest(false);
  fsession.SetCharRequest(false);
  fHistoryList->SetNonItemText(tr("keine Font"));
  connect(fHistoryList, &TKVHistoryFileList::OnChange, this, [this] { HistoryListChange(); });
  connect(fHistoryList, &TKVHistoryFileList::OnClick, this,
          [this](QAction*, const QString& path) { fguard.Run([&] { ffiles.HistoryListClick(path); }); });
  fHistoryList->LoadList([&settings](const QString& name) { return settings.ReadString(kFilesSection, name, {}); },
                         QStringLiteral("Font"));
  // Asked only when the clipboard changes: asking may wait for another program.
  fclipboardHasPicture = TSelectionCommands::ClipboardHasPicture();
  connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] {
    fclipboardHasPicture = TSelectionCommands::ClipboardHasPicture();
    RefreshActions();
  });
  fsession.ResetForNewFont();
  ShowNewFont();
  RefreshActions();
  PageControl1->setCurrentWidget(CharEditPage);
}

TMainForm::~TMainForm() {
  fHistoryList->SaveList(
      [this](const QString& name, const QString& value) { fsettings.WriteString(kFilesSection, name, value); },
      QStringLiteral("Font"));
}

QAction* TMainForm::Action(const QString& name) const {
  auto* action = findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
  if (!action) throw std::out_of_range("no action " + name.toStdString());
  return action;
}

bool TMainForm::IsChecked(ActionId id) const { return Action(id)->isChecked(); }

void TMainForm::CreateActions() {
  for (const ActionDeclaration& declared : MainActions()) {
    QAction* action = NewAction(this, "MainActions", declared.name, declared.caption, declared.hint,
                                Shortcuts(declared), declared.icon);
    action->setCheckable((declared.flags & kOption) || StateOf(declared.id, CommandState()).Checked);
    if (declared.handler) {
      fguard.Connect(action, [this, handler = declared.handler] {
        handler(*this);
        RefreshActions();
      });
    }
    addAction(action);
    factions[declared.id] = action;
  }
  for (const ToolDeclaration& declared : ToolTable()) {
    QAction* action = NewAction(this, "ToolTable", declared.name, declared.caption, declared.hint,
                                Keys(declared.shortcuts), declared.icon);
    action->setToolTip(HintWithKeys(action->toolTip(), action->shortcuts()));
    action->setCheckable(true);
    fguard.Connect(action, [this, id = declared.id] {
      fsession.SelectTool(id);
      RefreshActions();
    });
    addAction(action);
    ftoolActions[declared.id] = action;
  }
}

void TMainForm::RefreshActions() {
  CommandState state;
  state.SaveRequest = fdocument.SaveRequest();
  state.CharRequest = fsession.CharRequest();
  state.CanUndo = fsession.CanUndo();
  state.CanRedo = fsession.CanRedo();
  state.MarkCommands = fsession.MarkCommandsEnabled();
  state.ClipboardHasPicture = fclipboardHasPicture;
  state.Tool = fsession.Tool();
  state.View = fview;
  const auto show = [](QAction* action, const ActionState& shown) {
    action->setEnabled(shown.Enabled);
    if (shown.Checked) action->setChecked(*shown.Checked);
  };
  for (const auto& [id, action] : factions) show(action, StateOf(id, state));
  for (const auto& [tool, action] : ftoolActions) show(action, StateOf(tool, state));
}

// NOLINTNEXTLINE(readability-make-member-function-const): it checks the window's own actions.
void TMainForm::ApplyStoredOptions(const WindowSettings& stored) {
  Action(ActionId::HighlightSize)->setChecked(stored.HighLightSize);
  Action(ActionId::AutoLoadChar)->setChecked(stored.AutoLoadChar);
  Action(ActionId::AutoStoreChar)->setChecked(stored.AutoStoreChar);
  fcodePage = stored.UnicodeCodePage;
}

namespace {

// The code pages in the order the menu offers them.
struct CodePageChoice {
  CodePage page;
  const char* caption;
};
constexpr CodePageChoice kCodePageChoices[] = {
    {CodePage::Latin1, QT_TRANSLATE_NOOP("TMainForm", "ISO 8859-1 (Latin-1)")},
    {CodePage::Windows1252, QT_TRANSLATE_NOOP("TMainForm", "Windows-1252")},
    {CodePage::Cp437, QT_TRANSLATE_NOOP("TMainForm", "DOS (Codepage 437)")},
};

}  // namespace

QMenu* TMainForm::CreateCodePageMenu() {
  auto* menu = new QMenu(tr("Codepage für Unicode-Formate"), this);
  menu->setObjectName("CodePageMenu");
  auto* group = new QActionGroup(menu);
  for (const CodePageChoice& choice : kCodePageChoices) {
    // Owned by the window like every other action, so they are found by name.
    auto* action = new QAction(tr(choice.caption), this);
    menu->addAction(action);
    action->setObjectName("CodePage_" + QString::fromLatin1(CodePageName(choice.page)));
    action->setCheckable(true);
    action->setChecked(choice.page == fcodePage);
    group->addAction(action);
    connect(action, &QAction::triggered, this, [this, page = choice.page] { fcodePage = page; });
  }
  return menu;
}

QMenu* TMainForm::CreateMenu(const char* name, const QString& title, const std::vector<ActionId>& entries) {
  auto* menu = new QMenu(title, this);
  menu->setObjectName(QString::fromLatin1(name) + "Menu");
  for (const ActionId entry : entries) {
    if (entry == kSeparator) {
      menu->addSeparator();
    } else if (entry == kHistoryEntry) {
      HistoryOpen = menu->addMenu(tr("Neu öffnen"));
      HistoryOpen->setObjectName("HistoryOpen");
    } else {
      menu->addAction(Action(entry));
    }
  }
  return menu;
}

// A real menu bar, so F10 and screen readers reach every command, inside a
// movable tool bar whose position is stored like the others.
QToolBar* TMainForm::CreateMenuBar() {
  using enum ActionId;
  fMenuBar = new QMenuBar;
  fMenuBar->setObjectName("MainMenu");
  fMenuBar->setAccessibleName(tr("Menü"));
  NameOverflowButton(fMenuBar, "qt_menubar_ext_button");
  fMenuBar->setNativeMenuBar(false);
  fMenuBar->addMenu(CreateMenu("Datei", tr("&Datei"),
                               {NewFont, OpenFont, kHistoryEntry, SaveFont, SaveFontAs, kSeparator, ImportAction,
                                Export, kSeparator, Print, kSeparator, Close}));
  fEditMenu = CreateMenu(
      "Bearbeiten", tr("&Bearbeiten"),
      {Undo, Redo, Cut, Copy, Paste, kSeparator, SaveAsBitmap, LoadFromBitmap, kSeparator, CalculateCharSize, CharSpace,
       RemoveLeftCols, kSeparator, CalculateFontSizes, ResetCharSize, RemoveFontLeftCols, ChangeParameter});
  fMenuBar->addMenu(fEditMenu);
  fMenuBar->addMenu(
      CreateMenu("Ansicht", tr("&Ansicht"), {CharEdit, Charset, KerningSpacing, kSeparator, HighlightSize}));
  QMenu* extras = CreateMenu("Extras", tr("E&xtras"), {AutoLoadChar, AutoStoreChar, kSeparator, SelectStyleAction});
  extras->addSeparator();
  extras->addMenu(CreateCodePageMenu());
  fMenuBar->addMenu(extras);
  // A real menu, so Enter, Down and Space open it like the others.
  fMenuBar->addMenu(CreateMenu("Hilfe", tr("&Hilfe"), {ShowAbout}));
  auto* activate = new QShortcut(QKeySequence(Qt::Key_F10), this);
  // Opens the first menu; the focus stays where it was, so it is back there
  // when the menu closes.
  connect(activate, &QShortcut::activated, fMenuBar,
          [this] { fMenuBar->setActiveAction(fMenuBar->actions().constFirst()); });
  auto* bar = new QToolBar(tr("Menü"), this);
  bar->setObjectName("MenuBar");
  bar->addWidget(fMenuBar);
  NameOverflowButton(bar, "qt_toolbar_ext_button");
  return bar;
}

std::vector<QAction*> TMainForm::Actions(const std::vector<ActionId>& entries) const {
  std::vector<QAction*> actions;
  actions.reserve(entries.size());
  for (const ActionId entry : entries) actions.push_back(entry == kSeparator ? nullptr : Action(entry));
  return actions;
}

QToolBar* TMainForm::CreateToolBar(const char* name, const QString& title, const std::vector<QAction*>& actions) {
  auto* bar = new QToolBar(title, this);
  bar->setObjectName(name);
  for (QAction* action : actions) {
    if (!action) {
      bar->addSeparator();
    } else {
      // The buttons show icons only: assistive technology names them by their hints.
      bar->addAction(action);
      bar->widgetForAction(action)->setAccessibleName(action->property(kPlainHint).toString());
    }
  }
  NameOverflowButton(bar, "qt_toolbar_ext_button");
  return bar;
}

void TMainForm::CreateToolBars(const WindowSettings& stored) {
  using enum ActionId;
  std::vector<QAction*> draw;
  for (const ToolDeclaration& declared : ToolTable()) draw.push_back(Action(declared.id));
  draw.insert(draw.end(), {nullptr, Action(Invert)});
  fToolBars = {
      CreateMenuBar(),
      CreateToolBar("FileToolBar", tr("Datei"), Actions({NewFont, OpenFont, SaveFont, kSeparator, Print, Export})),
      CreateToolBar("EditToolBar", tr("Bearbeiten"), Actions({Undo, Redo, Cut2, Copy2, Paste2})),
      CreateToolBar("DrawToolBar", tr("Zeichnen"), draw)};
  HistoryPopup = new QMenu(this);
  HistoryPopup->setObjectName("HistoryPopup");
  auto* open = qobject_cast<QToolButton*>(fToolBars[1]->widgetForAction(Action(OpenFont)));
  open->setMenu(HistoryPopup);
  open->setPopupMode(QToolButton::MenuButtonPopup);
  std::vector<PlacedToolBar> placed;
  for (int i = 0; i < kToolBarCount; ++i) {
    fToolBars[i]->setAllowedAreas(Qt::TopToolBarArea);
    fToolBars[i]->setFloatable(false);
    fToolBars[i]->setIconSize(QSize(16, 16));
    placed.push_back({fToolBars[i], stored.ToolBars[i]});
  }
  ArrangeToolBars(*this, std::move(placed));
}

void TMainForm::CreatePages(UserDialogs& dialogs) {
  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName("PageControl1");
  PageControl1->setTabPosition(QTabWidget::South);
  CharEditPage = CreateCharEditPage();
  CharSetPage = CreateCharSetPage();
  KerningSpacingPage = CreateKerningSpacingPage();
  PageControl1->addTab(CharEditPage, tr("Zeichen bearbeiten"));
  PageControl1->addTab(CharSetPage, tr("Zeichensatz"));
  PageControl1->addTab(KerningSpacingPage, tr("Kerning und Spacing Test"));
  fTextPreviewView = new TTextPreviewView(fdocument, fsession, fsettings, dialogs);
  PageControl1->addTab(fTextPreviewView, tr("Textvorschau"));
  connect(PageControl1, &QTabWidget::currentChanged, this, &TMainForm::PageChanged);
  setCentralWidget(PageControl1);
}

QWidget* TMainForm::CreateCharEditPage() {
  auto* page = new QWidget;
  page->setObjectName("CharEditPage");
  FontList = new TFontList(fdocument, page);
  FontList->setObjectName("FontList");
  FontList->setAccessibleName(tr("Zeichenliste"));
  FontList->setFixedWidth(150);
  FontList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The preview sits in a bevel.
  auto* bevel = new QFrame(page);
  bevel->setFrameShape(QFrame::StyledPanel);
  bevel->setFrameShadow(QFrame::Sunken);
  auto* bevelLayout = new QVBoxLayout(bevel);
  bevelLayout->setContentsMargins(1, 1, 1, 1);
  bevelLayout->addWidget(new TGlyphPreview(fsession, bevel));
  auto* load = CreateGlyphButton("LoadCharButton", "loadchar", tr("Zeichen in Editor laden"));
  auto* store = CreateGlyphButton("StoreCharButton", "storechar", tr("Zeichen in Zeichensatz sichern"));
  connect(load, &QPushButton::clicked, this, [this] { fguard.Run([this] { LoadCharButtonClick(); }); });
  connect(store, &QPushButton::clicked, this, [this] { fguard.Run([this] { StoreCharButtonClick(); }); });
  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(4);
  buttons->addWidget(load);
  buttons->addWidget(store);
  auto* column = new QVBoxLayout;
  column->addWidget(bevel);
  column->addLayout(buttons);
  column->addStretch();
  CharPaintBox = new TEditorCanvas(fsession, page);
  connect(CharPaintBox, &TEditorCanvas::PointerCellChanged, this,
          [this](QPoint cell) { SetStatus(kCellPanel, QStringLiteral("%1:%2").arg(cell.x()).arg(cell.y())); });
  auto* layout = new QHBoxLayout(page);
  layout->addWidget(FontList);
  layout->addLayout(column);
  layout->addWidget(CharPaintBox, 1);
  return page;
}

QWidget* TMainForm::CreateCharSetPage() {
  auto* page = new QWidget;
  page->setObjectName("CharSetPage");
  fCharsetView = new TCharsetView(fdocument, IsChecked(ActionId::HighlightSize), page);
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(fCharsetView);
  return page;
}

QWidget* TMainForm::CreateKerningSpacingPage() {
  fKerningView = new TKerningView(fdocument);
  return fKerningView;
}

void TMainForm::ConnectCharSpace() {
  QAction* charSpace = Action(ActionId::CharSpace);
  charSpace->setText(CharSpaceCaption(fcharSpace.Value()));
  connect(&fcharSpace, &CharSpace::Changed, charSpace,
          [charSpace](int space) { charSpace->setText(CharSpaceCaption(space)); });
}

void TMainForm::CreateStatusBar() {
  for (std::size_t i = 0; i < kPanelWidths.size(); ++i) {
    fpanels[i] = CreatePanel();
    statusBar()->addWidget(fpanels[i], kPanelWidths[i]);
  }
  // The three panels that always show something keep room for their widest
  // usual text; the others give way in a narrow window.
  const std::pair<StatusPanel, QString> widest[] = {{kTypePanel, FontTypeText(3)},
                                                    {kSizePanel, EditSizeText(kMaxCellSize)},
                                                    {kBaseLinePanel, BaseLineText(kMaxCellSize)}};
  for (const auto& [panel, text] : widest) {
    QLabel* label = fpanels[panel];
    const QMargins margins = label->contentsMargins();
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(text) + margins.left() + margins.right() +
                           2 * label->margin() + 4);
  }
}

void TMainForm::ConnectDocument() {
  connect(&fdocument, &FontDocument::filenameChanged, this, [this](const QString& name) {
    if (!name.isEmpty()) fHistoryList->Add(name);
    setWindowTitle(WindowCaption(name));
  });
  connect(&fdocument, &FontDocument::fonttypeChanged, this,
          [this](int type) { SetStatus(kTypePanel, FontTypeText(type)); });
  connect(&fdocument, &FontDocument::SaveRequestChanged, this, [this](bool changed) {
    SetStatus(kFontPanel, changed ? tr("Font geändert") : QString());
    RefreshActions();
  });
  connect(&fdocument, &FontDocument::BaseLineChanged, this,
          [this](int baseline) { SetStatus(kBaseLinePanel, BaseLineText(baseline)); });
  connect(&fdocument, &FontDocument::GlyphChanged, FontList, [this] { FontList->viewport()->update(); });
  connect(&fdocument, &FontDocument::MetricsChanged, FontList, [this] { FontList->viewport()->update(); });
}

void TMainForm::ConnectSession() {
  connect(&fsession, &EditSession::NewFontReady, this, &TMainForm::ShowNewFont);
  connect(&fsession, &EditSession::CharRequestChanged, this, [this](bool changed) {
    SetStatus(kCharPanel, changed ? CharChangedText(std::max(FontList->ItemIndex(), 0)) : QString());
    RefreshActions();
  });
  connect(&fsession, &EditSession::EditSizeChanged, this,
          [this](int size) { SetStatus(kSizePanel, EditSizeText(size)); });
  connect(&fsession, &EditSession::ToolChanged, this, &TMainForm::RefreshActions);
  connect(&fsession, &EditSession::CommandStateChanged, this, &TMainForm::RefreshActions);
}

void TMainForm::ConnectFontList() {
  connect(FontList, &TChangeListBox::OnChange, this, [this] { fguard.Run([this] { FontListChange(); }); });
  connect(FontList, &TFontList::LoadRequested, this, [this] { fguard.Run([this] { LoadCharButtonClick(); }); });
}

void TMainForm::ConnectCharset() {
  connect(fCharsetView, &TCharsetView::GlyphClicked, this,
          [this](int c) { fguard.Run([&] { FontList->SetItemIndex(c); }); });
  connect(fCharsetView, &TCharsetView::GlyphDoubleClicked, this, [this](int c) {
    fguard.Run([&] {
      FontList->SetItemIndex(c);
      fsession.LoadCommand(c, false, IsChecked(ActionId::AutoStoreChar));
      SwitchView(ViewAction::CharEdit);
    });
  });
}

void TMainForm::FontListChange() {
  if (IsChecked(ActionId::AutoLoadChar) && !FontList->MoveChar()) LoadCharButtonClick();
}

void TMainForm::LoadCharButtonClick() {
  fsession.LoadCommand(FontList->ItemIndex(), FontList->MoveChar(), IsChecked(ActionId::AutoStoreChar));
}

void TMainForm::StoreCharButtonClick() { fsession.StoreCharAs(FontList->ItemIndex()); }

void TMainForm::PlaceWindow(const WindowSettings& stored) {
  if (const auto size = StoredWindowSize(stored.Size, screen()->availableGeometry().size())) resize(*size);
  const QRect screen = this->screen()->geometry();
  const auto pos = StoredWindowPosition(stored.Position, frameGeometry().size(), screen.size());
  if (pos)
    move(*pos);
  else
    move(screen.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
  if (stored.Maximized) setWindowState(windowState() | Qt::WindowMaximized);
}

void TMainForm::FillGlyphList() {
  for (int c = 0; c < kGlyphCount; ++c) {
    FontList->addItem(GlyphListText(c));
  }
}

WindowSettings TMainForm::CurrentSettings() const {
  WindowSettings current;
  // A maximised window keeps the place and size it returns to.
  current.Maximized = isMaximized();
  current.Position = current.Maximized ? normalGeometry().topLeft() : pos();
  current.Size = current.Maximized ? normalGeometry().size() : size();
  current.HighLightSize = IsChecked(ActionId::HighlightSize);
  current.AutoLoadChar = IsChecked(ActionId::AutoLoadChar);
  current.AutoStoreChar = IsChecked(ActionId::AutoStoreChar);
  current.UnicodeCodePage = fcodePage;
  for (int i = 0; i < kToolBarCount; ++i) current.ToolBars[i] = fToolBars[i]->pos();
  current.Style = Style();
  return current;
}

void TMainForm::HistoryListChange() {
  fHistoryList->AssignMenu(HistoryPopup);
  fHistoryList->AssignMenu(HistoryOpen);
}

void TMainForm::SwitchView(ViewAction used) {
  ViewChecks current = fview;
  // The toggle has flipped its own check mark before its handler runs.
  current.ToggleEditSet = IsChecked(ActionId::ToggleEditSet);
  ShowView(::SwitchView(current, used));
}

void TMainForm::ShowView(const ViewChecks& checks) {
  fview = checks;
  RefreshActions();
  fEditMenu->menuAction()->setEnabled(checks.CharEdit);
  fToolBars[static_cast<int>(ToolBarId::DrawTools)]->setVisible(checks.CharEdit);
  fToolBars[static_cast<int>(ToolBarId::EditTools)]->setVisible(checks.CharEdit);
  fswitchingView = true;
  if (checks.CharEdit) PageControl1->setCurrentWidget(CharEditPage);
  if (checks.Charset) PageControl1->setCurrentWidget(CharSetPage);
  if (checks.KerningSpacing) {
    // Shown first, so the test takes as many columns as the page has room for.
    PageControl1->setCurrentWidget(KerningSpacingPage);
    fKerningView->ShowGlyph(FontList->ItemIndex());
    fKerningView->KerningCharBox()->setFocus();
  }
  fswitchingView = false;
}

void TMainForm::PageChanged(int index) {
  if (!fswitchingView) {
    const QWidget* page = PageControl1->widget(index);
    const ViewAction used = page == CharEditPage       ? ViewAction::CharEdit
                            : page == CharSetPage      ? ViewAction::Charset
                            : page == fTextPreviewView ? ViewAction::TextPreview
                                                       : ViewAction::KerningSpacing;
    fguard.Run([&] { SwitchView(used); });
  }
  if (PageControl1->currentWidget() != KerningSpacingPage) fKerningView->AutoPlayKerning()->setChecked(false);
}

void TMainForm::ShowNewFont() {
  FontList->UpdateRowHeight();
  FontList->SetItemIndex(0);
  FontList->viewport()->update();
}

QMenu* TMainForm::createPopupMenu() { return nullptr; }

const QString& TMainForm::Style() const { return fstyles.AcceptedStyle(); }

void TMainForm::ShowAboutBox() {
  CenterForm(*this, *fAbout);
  fwindowDialogs.Execute(*fAbout);
}

void TMainForm::SelectStyle() {
  CenterForm(*this, *fStyleSelectDLG);
  fwindowDialogs.Execute(*fStyleSelectDLG);
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
  const QString path = DroppedFile(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  const QWidget* target = childAt(event->position().toPoint());
  const bool onEditor = target && (target == CharPaintBox || CharPaintBox->isAncestorOf(target));
  if (onEditor && TGlyphPictureCommands::IsPictureFileName(path))
    fguard.Run([&] { fpictures.ImportPicture(path); });
  else
    OpenFile(path);
}

void TMainForm::OpenFile(const QString& path) {
  fguard.Run([&] { ffiles.OpenFileChecked(QFileInfo(path).absoluteFilePath()); });
}

void TMainForm::closeEvent(QCloseEvent* event) {
  bool mayClose = false;
  fguard.Run([&] { mayClose = ffiles.FormCloseQuery(); });
  if (!mayClose) {
    event->ignore();
    return;
  }
  CurrentSettings().Write(fsettings);
  event->accept();
}

QString TMainForm::StatusText(int panel) const { return fpanels.at(panel)->text(); }

void TMainForm::SetStatus(int panel, const QString& text) { fpanels.at(panel)->setText(text); }
