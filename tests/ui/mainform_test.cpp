#include "ui/mainformfixture.h"

#include "changelistbox.h"
#include "dialogs/about.h"
#include "dialogs/styleselectdlg.h"
#include "historyfilelist.h"
#include "placement.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <functional>
#include <set>
#include <tuple>

namespace {

QPoint ScreenCentredPosition(const TMainForm& form) {
  const QRect screen = form.screen()->geometry();
  return screen.center() - QPoint(form.frameGeometry().width() / 2, form.frameGeometry().height() / 2);
}

TEST_F(MainFormTest, FirstStartUsesTheDefaults) {
  TMainForm& form = Start();
  EXPECT_EQ(form.windowTitle(), QStringLiteral("<kelvaront> Rastermeister"));
  EXPECT_EQ(form.pos(), ScreenCentredPosition(form));
  EXPECT_TRUE(form.Action("HighlightSize")->isChecked());
  EXPECT_FALSE(form.Action("AutoLoadChar")->isChecked());
  EXPECT_FALSE(form.Action("AutoStoreChar")->isChecked());
  EXPECT_EQ(form.Style(), QStringLiteral("Windows"));
  for (const char* menu : {"HistoryPopup", "HistoryOpen"}) {
    EXPECT_EQ(MenuTexts(menu), QStringList{QStringLiteral("keine Font")}) << menu;
    EXPECT_FALSE(Child<QMenu>(menu)->actions().first()->isEnabled()) << menu;
  }
  EXPECT_EQ(form.StatusText(0), QStringLiteral("Font Type 3"));
  EXPECT_EQ(form.StatusText(1), QStringLiteral("Zeichenbreite = 16"));
  EXPECT_EQ(form.StatusText(2), QStringLiteral("BaseLine = 16"));
  for (int panel : {3, 4, 5}) EXPECT_EQ(form.StatusText(panel), QString()) << panel;
}

TEST_F(MainFormTest, FirstStartEnablesAndChecksTheActionsAsDesigned) {
  TMainForm& form = Start();
  for (const char* name : {"Undo", "Paste", "Paste2", "SaveFont", "Cut", "Copy", "Cut2", "Copy2"})
    EXPECT_FALSE(form.Action(name)->isEnabled()) << name;
  for (const char* name : {"Mark", "CharEdit"}) EXPECT_TRUE(form.Action(name)->isChecked()) << name;
  for (const char* name : {"Paint", "Charset", "ToggleEditSet", "KerningSpacing"})
    EXPECT_FALSE(form.Action(name)->isChecked()) << name;
  EXPECT_EQ(Child<QTabWidget>("PageControl1")->currentWidget()->objectName(), QStringLiteral("CharEditPage"));
  auto* list = Child<TChangeListBox>("FontList");
  ASSERT_EQ(list->count(), 256);
  EXPECT_EQ(list->item(65)->text(), QStringLiteral("65=41h=\"AA\""));
  EXPECT_EQ(list->ItemIndex(), 0);
  EXPECT_EQ(Child<QComboBox>("KerningCharBox")->count(), 256);
}

TEST_F(MainFormTest, ToolsAreMutuallyExclusive) {
  TMainForm& form = Start();
  Trigger("Line");
  EXPECT_TRUE(form.Action("Line")->isChecked());
  EXPECT_FALSE(form.Action("Mark")->isChecked());
}

// Entries are named by their actions; a submenu by its title, a separator "-".
TEST_F(MainFormTest, MenusListTheirActionsInOrder) {
  Start();
  const std::pair<const char*, QStringList> menus[] = {
      {"DateiMenu",
       {"NewFont", "OpenFont", "Neu öffnen", "SaveFont", "SaveFontAs", "-", "ImportAction", "Export", "-", "Print", "-",
        "Close"}},
      {"BearbeitenMenu",
       {"Undo", "Redo", "Cut", "Copy", "Paste", "-", "SaveAsBitmap", "LoadFromBitmap", "-", "CalculateCharSize",
        "CharSpace", "RemoveLeftCols", "-", "CalculateFontSizes", "ResetCharSize", "RemoveFontLeftCols",
        "ChangeParameter"}},
      {"AnsichtMenu", {"CharEdit", "Charset", "KerningSpacing", "-", "HighlightSize"}},
      {"ExtrasMenu", {"AutoLoadChar", "AutoStoreChar", "-", "SelectStyleAction", "-", "Codepage für Unicode-Formate"}},
      {"CodePageMenu", {"CodePage_latin1", "CodePage_cp1252", "CodePage_cp437"}},
      {"HilfeMenu", {"ShowAbout"}},
  };
  for (const auto& [menu, entries] : menus) {
    QStringList names;
    for (const QAction* action : Child<QMenu>(menu)->actions()) {
      names << (action->isSeparator() ? QStringLiteral("-")
                : action->menu()      ? action->menu()->title()
                                      : action->objectName());
    }
    EXPECT_EQ(names, entries) << menu;
  }
  auto* bar = Child<QMenuBar>("MainMenu");
  EXPECT_EQ(bar->parentWidget()->objectName(), QStringLiteral("MenuBar"));
  QStringList shown;
  for (QAction* action : bar->actions()) shown << action->text();
  EXPECT_EQ(shown, (QStringList{"&Datei", "&Bearbeiten", "&Ansicht", "E&xtras", "&Hilfe"}));
  EXPECT_EQ(Form().Action("Close")->text(), QStringLiteral("Beenden"));
}

TEST_F(MainFormTest, F10OpensTheFirstMenuAndTheFocusComesBackWhenItCloses) {
  TMainForm& form = Start();
  form.show();
  QApplication::setActiveWindow(&form);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  auto* list = Child<QWidget>("FontList");
  list->setFocus();
  QTest::keyClick(&form, Qt::Key_F10);
  auto* menu = Child<QMenu>("DateiMenu");
  EXPECT_TRUE(menu->isVisible());
  QTest::keyClick(menu, Qt::Key_Escape);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_FALSE(menu->isVisible());
  EXPECT_EQ(QApplication::focusWidget(), list);
}

// "Hilfe" is a menu the keyboard opens like the others; F1 shows the about box.
TEST_F(MainFormTest, HilfeIsAMenuAndF1ShowsTheAboutBox) {
  TMainForm& form = Start();
  form.show();
  QApplication::setActiveWindow(&form);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  auto* bar = Child<QMenuBar>("MainMenu");
  auto* help = Child<QMenu>("HilfeMenu");
  EXPECT_EQ(bar->actions().last(), help->menuAction());
  bar->setActiveAction(help->menuAction());
  EXPECT_TRUE(help->isVisible());
  help->hide();
  EXPECT_EQ(form.Action("ShowAbout")->toolTip(), QStringLiteral("Über das Programm"));
  fdialogs.ExpectDialog([](QDialog& dialog) { return dynamic_cast<TAbout*>(&dialog) != nullptr; });
  Child<QWidget>("FontList")->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
  EXPECT_EQ(fdialogs.LastText(), QStringLiteral("Information"));
}

TEST_F(MainFormTest, ActionsCarryTheirCaptionsAndHints) {
  TMainForm& form = Start();
  const std::tuple<const char*, const char*, const char*> rows[] = {
      {"ShowAbout", "Info ...", "Über das Programm"},
      {"OpenFont", "Öffnen", "Font laden"},
      {"NewFont", "Neu", "Neue Font erstellen"},
      {"SaveFont", "Speichern", "Font speichern"},
      {"SaveFontAs", "Speichern unter", "Font unter anderem Namen speichern"},
      {"Mark", "Mark", "markieren"},
      {"Paint", "Paint", "Pixel bearbeiten"},
      {"Undo", "Rückgängig", "Rückgängig"},
      {"Cut", "Ausschneiden", "ausschneiden"},
      {"Cut2", "Cut2", "ausschneiden"},
      {"Paste", "Einfügen", "einfügen"},
      {"Paste2", "Paste2", "einfügen"},
      {"Copy", "Kopieren", "kopieren"},
      {"Copy2", "Copy2", "kopieren"},
      {"SaveAsBitmap", "Zeichen als Bitmap speichern", nullptr},
      {"LoadFromBitmap", "Zeichen aus Bitmap importieren", nullptr},
      {"Invert", "Invertieren", "Markierung invertieren"},
      {"Line", "Line", "Linie zeichnen"},
      {"Ellipse", "Ellipse", "Kreis/Ellipse zeichnen"},
      {"Rectangle", "Rectange", "Rechteck zeichen"},
      {"Fill", "Fill", "Bereich füllen"},
      {"ChangeParameter", "Font Parameter ändern ...", nullptr},
      {"CharEdit", "Zeicheneditor", nullptr},
      {"Charset", "Zeichensatz", nullptr},
      {"Print", "Drucken", nullptr},
      {"Export", "Exportieren", nullptr},
      {"CalculateFontSizes", "Breite aller Zeichen automatisch setzen", nullptr},
      {"ResetCharSize", "Breite aller Zeichen auf Zeichensatzbreite setzen", nullptr},
      {"CalculateCharSize", "Zeichenbreite setzen", nullptr},
      {"ToggleEditSet", "ToggleEditSet", "Anzeige des Zeichensatzes ein/aus"},
      {"ImportAction", "Import", nullptr},
      {"Kerning", "Kerning", "Kerningbereiche festlegen"},
      {"KerningSpacing", "Kerning Test", nullptr},
      {"HighlightSize", "Zeichenbreite hervorheben", nullptr},
      {"AutoLoadChar", "Zeichen bei Auswahl automatisch laden", nullptr},
      {"AutoStoreChar", "Zeichen bei Auswahl automatisch sichern", nullptr},
      {"RemoveLeftCols", "Leerspalten vor dem Zeichen entfernen", nullptr},
      {"RemoveFontLeftCols", "Leerspalten vor allen Zeichen entfernen", nullptr},
      {"SelectStyleAction", "Erscheinungsbild ändern", nullptr},
  };
  for (const auto& [name, caption, hint] : rows) {
    const QAction* action = form.Action(name);
    EXPECT_EQ(action->text(), QString::fromUtf8(caption)) << name;
    // A tool's tip adds its short-cut.
    if (hint) {
      EXPECT_EQ(action->toolTip().section(QStringLiteral(" ("), 0, 0), QString::fromUtf8(hint)) << name;
    }
  }
}

TEST_F(MainFormTest, TheDrawToolBarKeepsItsOrder) {
  Start();
  QStringList names;
  for (const QAction* action : Child<QToolBar>("DrawToolBar")->actions()) names << action->objectName();
  EXPECT_EQ(names, (QStringList{"Mark", "Paint", "Line", "Ellipse", "Rectangle", "Fill", "Kerning", "", "Invert"}));
}

TEST_F(MainFormTest, ShortcutsTriggerTheirActions) {
  TMainForm& form = Start();
  const std::pair<const char*, const char*> rows[] = {
      {"Undo", "Ctrl+Z"},  {"Cut2", "Shift+Del"},           {"Paste2", "Shift+Ins"},     {"Copy2", "Ctrl+Ins"},
      {"Print", "Ctrl+P"}, {"CalculateCharSize", "Ctrl+W"}, {"RemoveLeftCols", "Ctrl+R"}};
  for (const auto& [name, keys] : rows) EXPECT_EQ(form.Action(name)->shortcut(), QKeySequence(keys)) << name;
  EXPECT_EQ(form.Action("Redo")->shortcuts(),
            (QList<QKeySequence>{QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));
}

TEST_F(MainFormTest, StandardFileKeysRunTheirCommandsAndNoTwoActionsShareAKey) {
  TMainForm& form = Start();
  form.show();
  QApplication::setActiveWindow(&form);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  Document().SetSaveRequest(true);
  struct Row {
    const char* action;
    QKeySequence keys;
    std::function<void()> expect;  // the cancelled dialog the command opens
  };
  const Row rows[] = {
      {"NewFont", QKeySequence("Ctrl+N"),
       [this] {
         fdialogs.ExpectYesNoCancel(DialogAnswer::No);
         fdialogs.ExpectNewFont(std::nullopt);
       }},
      {"OpenFont", QKeySequence("Ctrl+O"), [this] { fdialogs.ExpectYesNoCancel(DialogAnswer::Cancel); }},
      {"SaveFont", QKeySequence("Ctrl+S"), [this] { fdialogs.ExpectSaveFile(QString()); }},
      {"SaveFontAs", QKeySequence("Ctrl+Shift+S"), [this] { fdialogs.ExpectSaveFile(QString()); }},
      {"Export", QKeySequence("Ctrl+E"), [this] { fdialogs.ExpectSaveFile(QString()); }},
  };
  for (const Row& row : rows) {
    QSignalSpy triggered(form.Action(row.action), &QAction::triggered);
    row.expect();
    QTest::keySequence(&form, row.keys);
    EXPECT_EQ(triggered.count(), 1) << row.action;
    fdialogs.VerifyAllAnswered();
  }
  std::set<QString> keys;
  for (const QAction* action : form.actions())
    for (const QKeySequence& sequence : action->shortcuts())
      EXPECT_TRUE(keys.insert(sequence.toString()).second)
          << sequence.toString().toStdString() << " " << action->objectName().toStdString();

  Document().SetSaveRequest(false);
  QTest::keySequence(&form, QKeySequence("Ctrl+Q"));
  EXPECT_FALSE(form.isVisible());
}

TEST_F(MainFormTest, EveryToolButtonHasAnIcon) {
  Start();
  for (const char* bar : {"FileToolBar", "EditToolBar", "DrawToolBar"}) {
    for (QAction* action : Child<QToolBar>(bar)->actions()) {
      if (!action->isSeparator()) {
        EXPECT_FALSE(action->icon().pixmap(16, 16).isNull()) << action->objectName().toStdString();
      }
    }
  }
}

TEST_F(MainFormTest, SettingsAreWrittenAtCloseAndReadAtTheNextStart) {
  TMainForm& form = Start();
  const std::array<QPoint, 4> bars = ShownToolBarPositions();
  form.move(40, 30);
  Trigger("AutoLoadChar");
  Trigger("HighlightSize");
  EXPECT_TRUE(form.Action("CodePage_latin1")->isChecked());
  Trigger("CodePage_cp437");
  EXPECT_FALSE(form.Action("CodePage_latin1")->isChecked()) << "one code page at a time";
  ASSERT_TRUE(form.close());

  EXPECT_EQ(fsettings.ReadString(kOptionsSection, "XPOS", ""), QStringLiteral("40"));
  EXPECT_EQ(fsettings.ReadString(kOptionsSection, "YPOS", ""), QStringLiteral("30"));
  EXPECT_EQ(fsettings.ReadString(kOptionsSection, "HighLightSize", ""), QStringLiteral("0"));
  EXPECT_EQ(fsettings.ReadString(kOptionsSection, "AutoLoadChar", ""), QStringLiteral("1"));
  EXPECT_EQ(fsettings.ReadString(kOptionsSection, "AutoStoreChar", ""), QStringLiteral("0"));
  EXPECT_EQ(fsettings.ReadString(kOptionsSection, "CodePage", ""), QStringLiteral("cp437"));
  EXPECT_EQ(fsettings.ReadString(kDesignSection, "Style", ""), QStringLiteral("Windows"));
  const char* prefixes[] = {"Menu", "FileTools", "EditTools", "DrawTools"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(fsettings.ReadInteger(kDesignSection, QString(prefixes[i]) + 'X', -99), bars[i].x()) << prefixes[i];
    EXPECT_EQ(fsettings.ReadInteger(kDesignSection, QString(prefixes[i]) + 'Y', -99), bars[i].y()) << prefixes[i];
  }
  Stop();

  TMainForm& next = Start();
  EXPECT_EQ(next.pos(), QPoint(40, 30));
  EXPECT_TRUE(next.Action("AutoLoadChar")->isChecked());
  EXPECT_FALSE(next.Action("HighlightSize")->isChecked());
  EXPECT_FALSE(next.Action("AutoStoreChar")->isChecked());
  EXPECT_TRUE(next.Action("CodePage_cp437")->isChecked());
  EXPECT_EQ(next.ChosenCodePage(), CodePage::Cp437);
}

TEST_F(MainFormTest, SizeAndMaximisedStateComeBackAndAnOversizedWindowIsIgnored) {
  TMainForm& form = Start();
  form.resize(700, 520);
  ASSERT_TRUE(form.close());
  EXPECT_EQ(fsettings.ReadInteger(kOptionsSection, "WIDTH", 0), 700);
  EXPECT_EQ(fsettings.ReadInteger(kOptionsSection, "HEIGHT", 0), 520);
  EXPECT_EQ(fsettings.ReadString(kOptionsSection, "MAXIMIZED", ""), QStringLiteral("0"));
  Stop();
  EXPECT_EQ(Start().size(), QSize(700, 520));
  Stop();

  const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
  fsettings.WriteInteger(kOptionsSection, "WIDTH", screen.width() + 1);
  EXPECT_EQ(Start().size(), QSize(624, 455));
  Stop();

  fsettings.WriteInteger(kOptionsSection, "WIDTH", 650);
  fsettings.WriteBool(kOptionsSection, "MAXIMIZED", true);
  TMainForm& maximised = Start();
  EXPECT_TRUE(maximised.windowState().testFlag(Qt::WindowMaximized));
  maximised.show();
  QCoreApplication::processEvents();
  ASSERT_TRUE(maximised.close());
  EXPECT_EQ(fsettings.ReadString(kOptionsSection, "MAXIMIZED", ""), QStringLiteral("1"));
  EXPECT_EQ(fsettings.ReadInteger(kOptionsSection, "WIDTH", 0), 650);
}

TEST_F(MainFormTest, StoredStyleStartsTheProgramInItAndIsWrittenBack) {
  fsettings.WriteString(kDesignSection, "Style", "Carbon");
  TMainForm& form = Start();
  EXPECT_EQ(form.Style(), QStringLiteral("Carbon"));
  EXPECT_EQ(form.Styles().ActiveStyle(), QStringLiteral("Carbon"));
  EXPECT_EQ(Child<TChangeListBox>("StylesList")->currentItem()->text(), QStringLiteral("Carbon"));
  ASSERT_TRUE(form.close());
  EXPECT_EQ(fsettings.ReadString(kDesignSection, "Style", ""), QStringLiteral("Carbon"));
}

TEST_F(MainFormTest, AStoredStyleDifferingInCaseStartsInTheSystemLookAndStoresIt) {
  fsettings.WriteString(kDesignSection, "Style", "carbon");
  TMainForm& form = Start();
  EXPECT_EQ(form.Styles().ActiveStyle(), QStringLiteral("Windows"));
  ASSERT_TRUE(form.close());
  EXPECT_EQ(fsettings.ReadString(kDesignSection, "Style", ""), QStringLiteral("Windows"));
}

TEST_F(MainFormTest, AStyleAcceptedInTheDialogIsStoredAtClose) {
  TMainForm& form = Start();
  fdialogs.ExpectDialog([](QDialog& dialog) {
    auto* styles = dialog.findChild<TChangeListBox*>("StylesList");
    styles->SetItemIndex(styles->row(styles->findItems("Luna", Qt::MatchExactly).value(0)));
    dialog.findChild<QPushButton*>("SelectBtn")->click();
    return dialog.result() == QDialog::Accepted;
  });
  Trigger("SelectStyleAction");
  EXPECT_EQ(fdialogs.LastText(), QStringLiteral("Erscheinungsbild anpassen"));
  EXPECT_EQ(form.Style(), QStringLiteral("Luna"));
  ASSERT_TRUE(form.close());
  EXPECT_EQ(fsettings.ReadString(kDesignSection, "Style", ""), QStringLiteral("Luna"));
}

TEST_F(MainFormTest, WindowIsCentredWhenTheStoredPositionLeavesTheScreen) {
  const std::pair<int, int> rows[] = {{5000, 10}, {10, 5000}, {-1, 10}, {10, -5}};
  for (const auto& [x, y] : rows) {
    fsettings.WriteInteger(kOptionsSection, "XPOS", x);
    fsettings.WriteInteger(kOptionsSection, "YPOS", y);
    TMainForm& form = Start();
    EXPECT_EQ(form.pos(), ScreenCentredPosition(form)) << x << "," << y;
    Stop();
  }
}

TEST_F(MainFormTest, WindowNeverGetsSmallerThan500x400) {
  TMainForm& form = Start();
  EXPECT_EQ(form.size(), QSize(624, 455));
  form.resize(300, 200);
  EXPECT_EQ(form.size(), QSize(500, 400));
  form.resize(450, 600);
  EXPECT_EQ(form.size(), QSize(500, 600));
}

TEST_F(MainFormTest, StatusPanelsShowTheirTextsWholeInTheSmallestWindow) {
  TMainForm& form = Start();
  form.show();
  form.resize(500, 400);
  Document().ReplaceFont(std::make_unique<TFontHandler>(64, 64));
  QCoreApplication::processEvents();
  ASSERT_EQ(form.width(), 500);
  const QList<QLabel*> panels = form.statusBar()->findChildren<QLabel*>();
  ASSERT_EQ(panels.size(), 6);
  for (int i = 0; i < 3; ++i) {
    const QLabel* panel = panels[i];
    EXPECT_GE(panel->contentsRect().width(), panel->fontMetrics().horizontalAdvance(panel->text()))
        << panel->text().toStdString();
  }
}

// The tool bars are part of the window: no context menu hides them (the menu
// tool bar could not be brought back).
TEST_F(MainFormTest, ToolBarsOfferNoMenuToHideThem) {
  TMainForm& form = Start();
  std::unique_ptr<QMenu> menu(form.createPopupMenu());
  EXPECT_EQ(menu, nullptr);
}

TEST_F(MainFormTest, ToolBarsStartInTheirDesignedArrangement) {
  Start();
  const auto [menu, file, edit, draw] = ShownToolBarPositions();
  EXPECT_LT(menu.y(), file.y());
  EXPECT_EQ(file.y(), edit.y());
  EXPECT_EQ(edit.y(), draw.y());
  EXPECT_LT(file.x(), edit.x());
  EXPECT_LT(edit.x(), draw.x());
}

TEST_F(MainFormTest, ToolBarsFollowTheirStoredPositions) {
  fsettings.WriteInteger(kDesignSection, "DrawToolsX", 200);
  fsettings.WriteInteger(kDesignSection, "DrawToolsY", 2);
  fsettings.WriteInteger(kDesignSection, "FileToolsX", 400);
  Start();
  const auto [menu, file, edit, draw] = ShownToolBarPositions();
  EXPECT_EQ(menu.y(), draw.y());
  EXPECT_LT(menu.x(), draw.x());
  EXPECT_EQ(edit.y(), file.y());
  EXPECT_LT(edit.x(), file.x());
  EXPECT_LT(menu.y(), edit.y());
}

TEST_F(MainFormTest, StoredRecentFilesAreShownNewestFirstAndWrittenBackWhenTheWindowGoes) {
  fsettings.WriteString(kFilesSection, "Font00", "/fonts/a.fnt");
  fsettings.WriteString(kFilesSection, "Font01", "");
  fsettings.WriteString(kFilesSection, "Font02", "/fonts/b.fnt");
  Start();
  const QStringList expected = {"/fonts/b.fnt", "/fonts/a.fnt"};
  EXPECT_EQ(MenuTexts("HistoryPopup"), expected);
  EXPECT_EQ(MenuTexts("HistoryOpen"), expected);
  Document().Setfilename("/fonts/c.fnt");
  Stop();
  EXPECT_EQ(fsettings.ReadString(kFilesSection, "Font00", "?"), QStringLiteral("/fonts/a.fnt"));
  EXPECT_EQ(fsettings.ReadString(kFilesSection, "Font01", "?"), QStringLiteral("/fonts/b.fnt"));
  EXPECT_EQ(fsettings.ReadString(kFilesSection, "Font02", "?"), QStringLiteral("/fonts/c.fnt"));
  EXPECT_EQ(fsettings.ReadString(kFilesSection, "Font03", "?"), QString());
}

TEST_F(MainFormTest, FileNameGoesIntoCaptionAndRecentFilesOnceIgnoringCase) {
  TMainForm& form = Start();
  Document().Setfilename("/fonts/a.fnt");
  Document().Setfilename("/fonts/b.fnt");
  Document().Setfilename("/fonts/A.FNT");
  EXPECT_EQ(form.windowTitle(), QStringLiteral("<kelvaront> Rastermeister - A.FNT"));
  EXPECT_EQ(MenuTexts("HistoryOpen"), (QStringList{"/fonts/A.FNT", "/fonts/b.fnt"}));

  // The same name again neither adds it nor touches the caption.
  form.HistoryList().Add("/fonts/b.fnt");
  form.setWindowTitle("x");
  Document().Setfilename("/fonts/A.FNT");
  EXPECT_EQ(form.windowTitle(), QStringLiteral("x"));
  EXPECT_EQ(MenuTexts("HistoryPopup"), (QStringList{"/fonts/b.fnt", "/fonts/A.FNT"}));

  Document().Setfilename(QString());
  EXPECT_EQ(form.windowTitle(), QStringLiteral("<kelvaront> Rastermeister - ohne Namen"));
  EXPECT_EQ(MenuTexts("HistoryPopup").size(), 2);
}

TEST_F(MainFormTest, StatusPanelsFollowTheState) {
  TMainForm& form = Start();
  Document().SetSaveRequest(true);
  EXPECT_EQ(form.StatusText(4), QStringLiteral("Font geändert"));
  EXPECT_TRUE(form.Action("SaveFont")->isEnabled());
  Document().SetSaveRequest(false);
  EXPECT_EQ(form.StatusText(4), QString());
  EXPECT_FALSE(form.Action("SaveFont")->isEnabled());
  Session().SetCharRequest(true);
  EXPECT_EQ(form.StatusText(3), QStringLiteral("Zeichen 00 geändert"));
  EXPECT_TRUE(form.Action("SaveFont")->isEnabled());
  Session().SetCharRequest(false);
  EXPECT_EQ(form.StatusText(3), QString());
  EXPECT_FALSE(form.Action("SaveFont")->isEnabled());
  Document().SetBaseLine(-2);
  EXPECT_EQ(form.StatusText(2), QStringLiteral("BaseLine = -2"));
  EXPECT_EQ(Document().EditFont().BaseLine(), -2);
  Document().Setfonttype(1);
  EXPECT_EQ(form.StatusText(0), QStringLiteral("Font Type 1"));
}

TEST_F(MainFormTest, EditSizeIsClampedToTheCellWidth) {
  TMainForm& form = Start();
  Document().ReplaceFont(std::make_unique<TFontHandler>(8, 12));
  Session().SetEditSize(20);
  EXPECT_EQ(Session().EditSize(), 8);
  EXPECT_EQ(form.StatusText(1), QStringLiteral("Zeichenbreite = 8"));
}

TEST_F(MainFormTest, ChangedGlyphPanelNamesTheSelectedGlyph) {
  TMainForm& form = Start();
  auto* list = Child<TChangeListBox>("FontList");
  const std::pair<int, const char*> rows[] = {{10, "Zeichen 0A geändert"}, {65, "Zeichen 'A' geändert"}};
  for (const auto& [selected, text] : rows) {
    list->SetItemIndex(selected);
    Session().SetCharRequest(true);
    EXPECT_EQ(form.StatusText(3), QString::fromUtf8(text));
  }
  Session().SetCharRequest(false);
  EXPECT_EQ(form.StatusText(3), QString());
}

TEST_F(MainFormTest, KerningTestHidesTheEditingToolsAndCharEditBringsThemBack) {
  TMainForm& form = Start();
  form.show();
  Child<TChangeListBox>("FontList")->SetItemIndex(66);
  Trigger("KerningSpacing");
  auto* pages = Child<QTabWidget>("PageControl1");
  EXPECT_EQ(pages->currentWidget()->objectName(), QStringLiteral("KerningSpacingPage"));
  EXPECT_TRUE(Child<QToolBar>("DrawToolBar")->isHidden());
  EXPECT_TRUE(Child<QToolBar>("EditToolBar")->isHidden());
  EXPECT_FALSE(Child<QMenu>("BearbeitenMenu")->menuAction()->isEnabled());
  EXPECT_EQ(Child<QComboBox>("KerningCharBox")->currentIndex(), 66);
  for (const char* name : {"CharEdit", "Charset", "ToggleEditSet"}) EXPECT_FALSE(form.Action(name)->isChecked());

  Trigger("CharEdit");
  EXPECT_EQ(pages->currentWidget()->objectName(), QStringLiteral("CharEditPage"));
  EXPECT_FALSE(Child<QToolBar>("DrawToolBar")->isHidden());
  EXPECT_FALSE(Child<QToolBar>("EditToolBar")->isHidden());
  EXPECT_TRUE(Child<QMenu>("BearbeitenMenu")->menuAction()->isEnabled());
  EXPECT_FALSE(form.Action("KerningSpacing")->isChecked());
}

TEST_F(MainFormTest, ToggleEditSetSwitchesBetweenEditorAndCharset) {
  TMainForm& form = Start();
  auto* pages = Child<QTabWidget>("PageControl1");
  Trigger("ToggleEditSet");
  EXPECT_EQ(pages->currentWidget()->objectName(), QStringLiteral("CharSetPage"));
  EXPECT_TRUE(form.Action("Charset")->isChecked());
  EXPECT_FALSE(form.Action("CharEdit")->isChecked());
  EXPECT_TRUE(Child<QToolBar>("DrawToolBar")->isHidden());
  Trigger("ToggleEditSet");
  EXPECT_EQ(pages->currentWidget()->objectName(), QStringLiteral("CharEditPage"));
  EXPECT_TRUE(form.Action("CharEdit")->isChecked());
  Trigger("Charset");
  EXPECT_TRUE(form.Action("ToggleEditSet")->isChecked());
}

TEST_F(MainFormTest, ChoosingAPageTabRunsItsViewActionAndLeavingTheKerningPageStopsAutoStepping) {
  TMainForm& form = Start();
  auto* pages = Child<QTabWidget>("PageControl1");
  pages->setCurrentIndex(2);
  EXPECT_TRUE(form.Action("KerningSpacing")->isChecked());
  EXPECT_TRUE(Child<QToolBar>("EditToolBar")->isHidden());
  auto* autoStep = Child<QCheckBox>("AutoPlayKerning");
  autoStep->setChecked(true);
  pages->setCurrentIndex(1);
  EXPECT_FALSE(autoStep->isChecked());
  EXPECT_TRUE(form.Action("Charset")->isChecked());
  EXPECT_FALSE(form.Action("KerningSpacing")->isChecked());
}

TEST_F(MainFormTest, CenterFormPlacesADialogOverTheWindow) {
  TMainForm& form = Start();
  form.move(100, 100);
  QWidget dialog;
  dialog.setFixedSize(200, 100);
  CenterForm(form, dialog);
  const QRect frame = form.frameGeometry();
  EXPECT_EQ(dialog.pos(), QPoint(frame.left() + frame.width() / 2 - 100, frame.top() + frame.height() / 2 - 50));
}

}  // namespace
