#include "app/mainform.h"

#include "app/mainformtexts.h"
#include "app/placement.h"
#include "app/settings.h"
#include "app/toolbarlayout.h"
#include "components/changelistbox.h"
#include "components/historyfilelist.h"
#include "dialogs/newfontdlg.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <stdexcept>

namespace {

enum ActionFlag : unsigned {
  kPlain = 0,
  kCheckable = 1,
  kChecked = 2 | kCheckable,
  // One of the mutually exclusive editor tools.
  kTool = 4 | kCheckable,
  kDisabled = 8,
};

struct ActionDeclaration {
  const char* name;
  const char* caption;
  const char* hint;
  const char* shortcut;
  const char* icon;
  unsigned flags;
  // Null for commands that do nothing yet.
  void (*handler)(TMainForm&);
};

// Every action of the window, declared once.
const ActionDeclaration kActions[] = {
    {"ShowAbout", "Info ...", "Über das Programm", "", "", kPlain, nullptr},
    {"OpenFont", "Öffnen", "Font laden", "", "open", kPlain, [](TMainForm& f) { f.Files().OpenFontExecute(); }},
    {"NewFont", "Neu", "Neue Font erstellen", "", "new", kPlain, [](TMainForm& f) { f.Files().NewFontExecute(); }},
    {"SaveFont", "Speichern", "Font speichern", "", "save", kPlain, [](TMainForm& f) { f.Files().SaveFontExecute(); }},
    {"SaveFontAs", "Speichern unter", "Font unter anderem Namen speichern", "", "", kPlain,
     [](TMainForm& f) { f.Files().SaveFontAsExecute(); }},
    {"Mark", "Mark", "markieren", "", "mark", kTool | kChecked, nullptr},
    {"Paint", "Paint", "Pixel bearbeiten", "", "paint", kTool, nullptr},
    {"Undo", "Rückgängig", "Rückgängig", "Ctrl+Z", "undo", kDisabled, nullptr},
    {"Cut", "Ausschneiden", "ausschneiden", "Ctrl+X", "cut", kPlain, nullptr},
    {"Cut2", "Cut2", "ausschneiden", "Shift+Del", "cut", kPlain, nullptr},
    {"Paste", "Einfügen", "einfügen", "Ctrl+V", "paste", kDisabled, nullptr},
    {"Paste2", "Paste2", "einfügen", "Shift+Ins", "paste", kDisabled, nullptr},
    {"Copy", "Kopieren", "kopieren", "Ctrl+C", "copy", kPlain, nullptr},
    {"Copy2", "Copy2", "kopieren", "Ctrl+Ins", "copy", kPlain, nullptr},
    {"SaveAsBitmap", "Zeichen als Bitmap speichern", "", "", "", kPlain, nullptr},
    {"LoadFromBitmap", "Zeichen aus Bitmap importieren", "", "", "", kPlain, nullptr},
    {"Invert", "Invertieren", "Markierung invertieren", "", "invert", kPlain, nullptr},
    {"Line", "Line", "Linie zeichnen", "", "line", kTool, nullptr},
    {"Ellipse", "Ellipse", "Kreis/Ellipse zeichnen", "", "ellipse", kTool, nullptr},
    {"Rectangle", "Rectange", "Rechteck zeichen", "", "rectangle", kTool, nullptr},
    {"Fill", "Fill", "Bereich füllen", "", "fill", kTool, nullptr},
    {"ChangeParameter", "Font Parameter ändern ...", "", "", "", kPlain, nullptr},
    {"CharEdit", "Zeicheneditor", "", "", "", kChecked, [](TMainForm& f) { f.SwitchView(ViewAction::CharEdit); }},
    {"Charset", "Zeichensatz", "", "", "", kCheckable, [](TMainForm& f) { f.SwitchView(ViewAction::Charset); }},
    {"Print", "Drucken", "", "Ctrl+P", "print", kPlain, nullptr},
    {"Export", "Exportieren", "", "", "export", kPlain, nullptr},
    {"CalculateFontSizes", "Breite aller Zeichen automatisch setzen", "", "", "", kPlain, nullptr},
    {"ResetCharSize", "Breite aller Zeichen auf Zeichensatzbreite setzen", "", "", "", kPlain, nullptr},
    {"CalculateCharSize", "Zeichenbreite setzen", "", "Ctrl+W", "", kPlain, nullptr},
    {"CharSpace", "Minimaler Freiraum nach dem Zeichen", "", "", "", kPlain, nullptr},
    {"ToggleEditSet", "ToggleEditSet", "Anzeige des Zeichensatzes ein/aus", "", "", kCheckable,
     [](TMainForm& f) { f.SwitchView(ViewAction::ToggleEditSet); }},
    {"ImportAction", "Import", "", "", "", kPlain, [](TMainForm& f) { f.Files().ImportActionExecute(); }},
    {"Kerning", "Kerning", "Kerningbereiche festlegen", "", "kerning", kTool, nullptr},
    {"KerningSpacing", "Kerning Test", "", "", "", kCheckable,
     [](TMainForm& f) { f.SwitchView(ViewAction::KerningSpacing); }},
    {"HighlightSize", "Zeichenbreite hervorheben", "", "", "", kCheckable, nullptr},
    {"AutoLoadChar", "Zeichen bei Auswahl automatisch laden", "", "", "", kCheckable, nullptr},
    {"AutoStoreChar", "Zeichen bei Auswahl automatisch sichern", "", "", "", kCheckable, nullptr},
    {"RemoveLeftCols", "Leerspalten vor dem Zeichen entfernen", "", "Ctrl+R", "", kPlain, nullptr},
    {"RemoveFontLeftCols", "Leerspalten vor allen Zeichen entfernen", "", "", "", kPlain, nullptr},
    {"SelectStyleAction", "Erscheinungsbild ändern", "", "", "", kPlain, nullptr},
    {"Close", "Beenden", "", "", "", kPlain, [](TMainForm& f) { f.close(); }},
};

const QString kSeparator = QStringLiteral("-");
// The submenu of recent files in the "Datei" menu.
const QString kHistoryEntry = QStringLiteral("Neu öffnen");
const QString kInitialCaption = QStringLiteral("<kelvaront> Rastermeister");
constexpr QSize kClientSize(624, 455);
constexpr int kPreviewSize = 64;

// Width of each status panel at the window's designed size. The panels share
// the status bar in these proportions, so a narrow window clips their texts
// instead of laying one panel over the next.
constexpr std::array<int, 6> kPanelWidths = {84, 110, 84, 120, 84, 54};
enum StatusPanel { kTypePanel, kSizePanel, kBaseLinePanel, kCharPanel, kFontPanel };

QLabel* CreatePanel() {
  auto* panel = new QLabel;
  panel->setAlignment(Qt::AlignCenter);
  panel->setFrameShape(QFrame::StyledPanel);
  panel->setFrameShadow(QFrame::Sunken);
  panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  return panel;
}

QPushButton* CreateGlyphButton(const char* name, const char* icon, const QString& hint) {
  auto* button = new QPushButton(QIcon(QStringLiteral(":/icons/%1.svg").arg(icon)), QString());
  button->setObjectName(name);
  button->setToolTip(hint);
  button->setFixedSize(kPreviewSize / 2 - 2, 26);
  return button;
}

}  // namespace

TMainForm::TMainForm(Settings& settings, UserDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent),
      fsettings(settings),
      fguard(dialogs),
      fglyphs(fstate, dialogs),
      fNewFontDLG(new TNewFontDLG(this)),
      ffiles(fstate, dialogs, fglyphs, *fNewFontDLG, *this),
      fHistoryList(new TKVHistoryFileList(this)) {
  Q_INIT_RESOURCE(glyphwright);
  setObjectName("MainForm");
  setWindowTitle(kInitialCaption);
  setMinimumSize(kMinimumWindowSize);
  resize(kClientSize);
  const WindowSettings stored = WindowSettings::Read(settings);
  fstyle = stored.Style;
  CreateActions();
  ApplyStoredOptions(stored);
  CreateToolBars(stored);
  CreatePages();
  CreateStatusBar();
  ConnectState();
  PlaceWindow(stored.Position);
  SetStatus(kTypePanel, FontTypeText(fstate.fonttype()));
  FillGlyphLists();
  ClearMark();
  fstate.SetSaveRequest(false);
  fstate.SetCharRequest(false);
  fHistoryList->SetNonItemText(QStringLiteral("keine Font"));
  connect(fHistoryList, &TKVHistoryFileList::OnChange, this, [this] { HistoryListChange(); });
  connect(fHistoryList, &TKVHistoryFileList::OnClick, this,
          [this](QAction*, const QString& path) { fguard.Run([&] { ffiles.HistoryListClick(path); }); });
  fHistoryList->LoadList(settings, kFilesSection, QStringLiteral("Font"));
  UpdateForNewFont();
  PaintCharset();
  PageControl1->setCurrentWidget(CharEditPage);
}

TMainForm::~TMainForm() { fHistoryList->SaveList(fsettings, kFilesSection, QStringLiteral("Font")); }

QAction* TMainForm::Action(const QString& name) const {
  auto* action = findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
  if (!action) throw std::out_of_range("no action " + name.toStdString());
  return action;
}

void TMainForm::CreateActions() {
  auto* tools = new QActionGroup(this);
  for (const ActionDeclaration& declared : kActions) {
    auto* action = new QAction(QString::fromUtf8(declared.caption), this);
    action->setObjectName(declared.name);
    if (*declared.hint) action->setToolTip(QString::fromUtf8(declared.hint));
    if (*declared.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(declared.shortcut)));
    if (*declared.icon) action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(declared.icon)));
    action->setCheckable(declared.flags & kCheckable);
    action->setChecked((declared.flags & kChecked) == kChecked);
    action->setEnabled(!(declared.flags & kDisabled));
    if ((declared.flags & kTool) == kTool) tools->addAction(action);
    if (declared.handler) fguard.Connect(action, [this, handler = declared.handler] { handler(*this); });
    addAction(action);
  }
}

void TMainForm::ApplyStoredOptions(const WindowSettings& stored) {
  Action("HighlightSize")->setChecked(stored.HighLightSize);
  Action("AutoLoadChar")->setChecked(stored.AutoLoadChar);
  Action("AutoStoreChar")->setChecked(stored.AutoStoreChar);
}

QMenu* TMainForm::CreateMenu(const QString& title, const QStringList& entries) {
  auto* menu = new QMenu(title, this);
  for (const QString& entry : entries) {
    if (entry == kSeparator) {
      menu->addSeparator();
    } else if (entry == kHistoryEntry) {
      HistoryOpen = menu->addMenu(entry);
      HistoryOpen->setObjectName("HistoryOpen");
    } else {
      menu->addAction(Action(entry));
    }
  }
  return menu;
}

QToolBar* TMainForm::CreateMenuBar() {
  QMenu* const menus[] = {
      CreateMenu(QStringLiteral("Datei"), {"NewFont", "OpenFont", kHistoryEntry, "SaveFont", "SaveFontAs", kSeparator,
                                           "ImportAction", "Export", kSeparator, "Print", kSeparator, "Close"}),
      CreateMenu(QStringLiteral("Bearbeiten"),
                 {"Undo", "Cut", "Copy", "Paste", kSeparator, "SaveAsBitmap", "LoadFromBitmap", kSeparator,
                  "CalculateCharSize", "CharSpace", "RemoveLeftCols", kSeparator, "CalculateFontSizes", "ResetCharSize",
                  "RemoveFontLeftCols", "ChangeParameter"}),
      CreateMenu(QStringLiteral("Ansicht"), {"CharEdit", "Charset", "KerningSpacing", kSeparator, "HighlightSize"}),
      CreateMenu(QStringLiteral("Extras"), {"AutoLoadChar", "AutoStoreChar", kSeparator, "SelectStyleAction"}),
      CreateMenu(QStringLiteral("Hilfe"), {"ShowAbout"}),
  };
  auto* bar = new QToolBar(QStringLiteral("Menü"), this);
  bar->setObjectName("MenuBar");
  for (QMenu* menu : menus) {
    const QString title = menu->title();
    auto* button = new QToolButton(bar);
    button->setObjectName(title + "Button");
    button->setText(title);
    button->setMenu(menu);
    button->setPopupMode(QToolButton::InstantPopup);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->addWidget(button);
    if (title == QStringLiteral("Bearbeiten")) fEditMenuButton = button;
  }
  // "Hilfe" itself shows the about box; its arrow still opens the menu.
  auto* help = bar->findChild<QToolButton*>(QStringLiteral("HilfeButton"));
  help->setPopupMode(QToolButton::MenuButtonPopup);
  help->setToolTip(QStringLiteral("Über das Programm"));
  connect(help, &QToolButton::clicked, Action("ShowAbout"), &QAction::trigger);
  return bar;
}

QToolBar* TMainForm::CreateToolBar(const char* name, const QString& title, const QStringList& actions) {
  auto* bar = new QToolBar(title, this);
  bar->setObjectName(name);
  for (const QString& entry : actions) {
    if (entry == kSeparator)
      bar->addSeparator();
    else
      bar->addAction(Action(entry));
  }
  return bar;
}

void TMainForm::CreateToolBars(const WindowSettings& stored) {
  fToolBars = {
      CreateMenuBar(),
      CreateToolBar("FileToolBar", QStringLiteral("Datei"),
                    {"NewFont", "OpenFont", "SaveFont", kSeparator, "Print", "Export"}),
      CreateToolBar("EditToolBar", QStringLiteral("Bearbeiten"), {"Undo", "Cut2", "Copy2", "Paste2"}),
      CreateToolBar("DrawToolBar", QStringLiteral("Zeichnen"),
                    {"Mark", "Paint", "Line", "Ellipse", "Rectangle", "Fill", "Kerning", kSeparator, "Invert"})};
  HistoryPopup = new QMenu(this);
  HistoryPopup->setObjectName("HistoryPopup");
  auto* open = qobject_cast<QToolButton*>(fToolBars[1]->widgetForAction(Action("OpenFont")));
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

void TMainForm::CreatePages() {
  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName("PageControl1");
  PageControl1->setTabPosition(QTabWidget::South);
  CharEditPage = CreateCharEditPage();
  CharSetPage = CreateCharSetPage();
  KerningSpacingPage = CreateKerningSpacingPage();
  PageControl1->addTab(CharEditPage, QStringLiteral("Zeichen bearbeiten"));
  PageControl1->addTab(CharSetPage, QStringLiteral("Zeichensatz"));
  PageControl1->addTab(KerningSpacingPage, QStringLiteral("Kerning und Spacing Test"));
  connect(PageControl1, &QTabWidget::currentChanged, this, &TMainForm::PageChanged);
  setCentralWidget(PageControl1);
}

QWidget* TMainForm::CreateCharEditPage() {
  auto* page = new QWidget;
  page->setObjectName("CharEditPage");
  FontList = new TChangeListBox(page);
  FontList->setObjectName("FontList");
  FontList->setFixedWidth(150);
  FontList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  auto* preview = new QFrame(page);
  preview->setObjectName("PreviewBox");
  preview->setFrameShape(QFrame::Box);
  preview->setFixedSize(kPreviewSize, kPreviewSize);
  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(4);
  buttons->addWidget(CreateGlyphButton("LoadCharButton", "loadchar", QStringLiteral("Zeichen in Editor laden")));
  buttons->addWidget(
      CreateGlyphButton("StoreCharButton", "storechar", QStringLiteral("Zeichen in Zeichensatz sichern")));
  auto* column = new QVBoxLayout;
  column->addWidget(preview);
  column->addLayout(buttons);
  column->addStretch();
  auto* editor = new QFrame(page);
  editor->setObjectName("CharPaintBox");
  editor->setFrameShape(QFrame::StyledPanel);
  editor->setFrameShadow(QFrame::Sunken);
  auto* layout = new QHBoxLayout(page);
  layout->addWidget(FontList);
  layout->addLayout(column);
  layout->addWidget(editor, 1);
  return page;
}

QWidget* TMainForm::CreateCharSetPage() {
  auto* scroll = new QScrollArea;
  scroll->setObjectName("CharSetPage");
  auto* picture = new QLabel;
  picture->setObjectName("CharsetPaint");
  scroll->setWidget(picture);
  return scroll;
}

QWidget* TMainForm::CreateKerningSpacingPage() {
  auto* page = new QWidget;
  page->setObjectName("KerningSpacingPage");
  KerningCharBox = new QComboBox(page);
  KerningCharBox->setObjectName("KerningCharBox");
  AutoStepBox = new QCheckBox(QStringLiteral("automatisch weiterschalten"), page);
  AutoStepBox->setObjectName("AutoStepBox");
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(QStringLiteral("zu überprüfendes Zeichen"), page));
  row->addWidget(KerningCharBox);
  row->addWidget(AutoStepBox);
  row->addStretch();
  auto* picture = new QScrollArea(page);
  picture->setObjectName("KerningScrollBox");
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(row);
  layout->addWidget(picture, 1);
  return page;
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

void TMainForm::ConnectState() {
  connect(&fstate, &MainState::filenameChanged, this, [this](const QString& name) {
    if (!name.isEmpty()) fHistoryList->Add(name);
    setWindowTitle(WindowCaption(name));
  });
  connect(&fstate, &MainState::fonttypeChanged, this, [this](int type) { SetStatus(kTypePanel, FontTypeText(type)); });
  connect(&fstate, &MainState::SaveRequestChanged, this, [this](bool changed) {
    Action("SaveFont")->setEnabled(changed);
    SetStatus(kFontPanel, changed ? QStringLiteral("Font geändert") : QString());
  });
  connect(&fstate, &MainState::CharRequestChanged, this, [this](bool changed) {
    SetStatus(kCharPanel, changed ? CharChangedText(std::max(FontList->ItemIndex(), 0)) : QString());
  });
  connect(&fstate, &MainState::EditSizeChanged, this, [this](int size) { SetStatus(kSizePanel, EditSizeText(size)); });
  connect(&fstate, &MainState::BaseLineChanged, this,
          [this](int baseline) { SetStatus(kBaseLinePanel, BaseLineText(baseline)); });
  connect(&fglyphs, &TGlyphStore::EditCharHandled, FontList, qOverload<>(&QWidget::update));
}

void TMainForm::PlaceWindow(QPoint stored) {
  const QRect screen = this->screen()->geometry();
  const auto pos = StoredWindowPosition(stored, frameGeometry().size(), screen.size());
  if (pos)
    move(*pos);
  else
    move(screen.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
}

void TMainForm::FillGlyphLists() {
  for (int c = 0; c < kGlyphCount; ++c) {
    const QString text = GlyphListText(c);
    FontList->addItem(text);
    KerningCharBox->addItem(text);
  }
}

WindowSettings TMainForm::CurrentSettings() const {
  WindowSettings current;
  current.Position = pos();
  current.HighLightSize = Action("HighlightSize")->isChecked();
  current.AutoLoadChar = Action("AutoLoadChar")->isChecked();
  current.AutoStoreChar = Action("AutoStoreChar")->isChecked();
  for (int i = 0; i < kToolBarCount; ++i) current.ToolBars[i] = fToolBars[i]->pos();
  current.Style = fstyle;
  return current;
}

void TMainForm::HistoryListChange() {
  fHistoryList->AssignMenu(HistoryPopup);
  fHistoryList->AssignMenu(HistoryOpen);
}

void TMainForm::SwitchView(ViewAction used) {
  const ViewChecks current{Action("CharEdit")->isChecked(), Action("Charset")->isChecked(),
                           Action("ToggleEditSet")->isChecked(), Action("KerningSpacing")->isChecked()};
  ShowView(::SwitchView(current, used));
}

void TMainForm::ShowView(const ViewChecks& checks) {
  Action("CharEdit")->setChecked(checks.CharEdit);
  Action("Charset")->setChecked(checks.Charset);
  Action("ToggleEditSet")->setChecked(checks.ToggleEditSet);
  Action("KerningSpacing")->setChecked(checks.KerningSpacing);
  fEditMenuButton->setEnabled(checks.CharEdit);
  fToolBars[static_cast<int>(ToolBarId::DrawTools)]->setVisible(checks.CharEdit);
  fToolBars[static_cast<int>(ToolBarId::EditTools)]->setVisible(checks.CharEdit);
  fswitchingView = true;
  if (checks.CharEdit) PageControl1->setCurrentWidget(CharEditPage);
  if (checks.Charset) PageControl1->setCurrentWidget(CharSetPage);
  if (checks.KerningSpacing) {
    KerningCharBox->setCurrentIndex(FontList->ItemIndex());
    PaintKerningTest();
    PageControl1->setCurrentWidget(KerningSpacingPage);
    KerningCharBox->setFocus();
  }
  fswitchingView = false;
}

void TMainForm::PageChanged(int index) {
  if (!fswitchingView) {
    const QWidget* page = PageControl1->widget(index);
    const ViewAction used = page == CharEditPage  ? ViewAction::CharEdit
                            : page == CharSetPage ? ViewAction::Charset
                                                  : ViewAction::KerningSpacing;
    fguard.Run([&] { SwitchView(used); });
  }
  if (PageControl1->currentWidget() != KerningSpacingPage) AutoStepBox->setChecked(false);
}

void TMainForm::CenterForm(QWidget& form) {
  form.adjustSize();
  form.move(CenteredDialogPosition(frameGeometry(), form.frameSize(), screen()->geometry().size()));
}

void TMainForm::UpdateForNewFont() {
  fstate.ClearEditChar();
  Action("Undo")->setEnabled(false);
  const int rowHeight = std::abs(FontList->fontMetrics().height()) + fstate.EditFont().FontHeight() + 5;
  for (int c = 0; c < FontList->count(); ++c) {
    QListWidgetItem* item = FontList->item(c);
    item->setSizeHint(QSize(FontList->fontMetrics().horizontalAdvance(item->text()) + 8, rowHeight));
  }
  FontList->SetItemIndex(0);
  FontList->update();
}

// The charset and kerning pictures are drawn by the views, which come later.
void TMainForm::PaintCharset() {}

void TMainForm::PaintKerningTest() {}

void TMainForm::ClearMark() {
  for (const char* name : {"Cut", "Copy", "Cut2", "Copy2"}) Action(name)->setEnabled(false);
}

QMenu* TMainForm::createPopupMenu() { return nullptr; }

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
