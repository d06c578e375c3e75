#include "historyfilelist.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QMap>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

namespace {

// What a menu shows, top to bottom: entries by path, the rest by caption.
QStringList Shown(const QMenu& menu) {
  QStringList shown;
  for (const QAction* item : menu.actions()) shown << (item->data().isValid() ? item->data().toString() : item->text());
  return shown;
}

QStringList Paths(int first, int last) {
  QStringList paths;
  for (int i = first; i <= last; ++i) paths << QString("/fonts/f%1.fnt").arg(i);
  return paths;
}

void AddAll(TKVHistoryFileList& list, const QStringList& paths) {
  for (const QString& path : paths) list.Add(path);
}

// The caller's store of the list's values, by value name.
struct StoredValues {
  TKVHistoryFileList::ValueReader Reader() const {
    return [this](const QString& name) { return values.value(name); };
  }
  TKVHistoryFileList::ValueWriter Writer() {
    return [this](const QString& name, const QString& value) { values.insert(name, value); };
  }
  QMap<QString, QString> values;
};

class HistoryFileListTest : public ::testing::Test {
 protected:
  TKVHistoryFileList flist;
  QMenu fmenu;
};

TEST_F(HistoryFileListTest, AddKeepsTheNewestMaxSizeEntriesOldestFirst) {
  AddAll(flist, Paths(0, 10));
  EXPECT_EQ(flist.Items(), Paths(1, 10));
  EXPECT_EQ(flist.Add("/fonts/neu.fnt"), 9);
  EXPECT_EQ(flist.Items().constFirst(), "/fonts/f2.fnt");
}

TEST_F(HistoryFileListTest, AddingAKnownPathInOtherCaseMovesItToTheNewestPlace) {
  AddAll(flist, {"/a/Eins.fnt", "/a/zwei.fnt", "/a/drei.fnt"});
  EXPECT_EQ(flist.Add("/A/EINS.FNT"), 2);
  EXPECT_EQ(flist.Items(), QStringList({"/a/zwei.fnt", "/a/drei.fnt", "/A/EINS.FNT"}));
  EXPECT_EQ(flist.Add("/a/drei.fnt"), 2);
  EXPECT_EQ(flist.Items(), QStringList({"/a/zwei.fnt", "/A/EINS.FNT", "/a/drei.fnt"}));
}

TEST_F(HistoryFileListTest, AddingAKnownPathToAFullListDropsNothingElse) {
  flist.SetMaxSize(3);
  AddAll(flist, Paths(1, 3));
  flist.Add("/fonts/f1.fnt");
  EXPECT_EQ(flist.Items(), QStringList({"/fonts/f2.fnt", "/fonts/f3.fnt", "/fonts/f1.fnt"}));
}

TEST_F(HistoryFileListTest, AnEmptyPathIsNotAdded) {
  flist.Add("/a/eins.fnt");
  EXPECT_EQ(flist.Add(""), -1);
  EXPECT_EQ(flist.Items(), QStringList({"/a/eins.fnt"}));
}

TEST_F(HistoryFileListTest, MaxSizeIsClampedTo1To99) {
  const std::pair<int, int> rows[] = {{0, 1}, {-5, 1}, {1, 1}, {42, 42}, {99, 99}, {100, 99}, {150, 99}};
  for (const auto& [value, expected] : rows) {
    flist.SetMaxSize(value);
    EXPECT_EQ(flist.MaxSize(), expected) << value;
  }
}

TEST_F(HistoryFileListTest, ReducingMaxSizeDropsTheOldestButLeavesTheMenus) {
  flist.SetMainMenuItem(&fmenu);
  AddAll(flist, Paths(1, 5));
  QSignalSpy changes(&flist, &TKVHistoryFileList::OnChange);

  flist.SetMaxSize(2);

  EXPECT_EQ(flist.Items(), Paths(4, 5));
  EXPECT_EQ(Shown(fmenu),
            QStringList({"/fonts/f5.fnt", "/fonts/f4.fnt", "/fonts/f3.fnt", "/fonts/f2.fnt", "/fonts/f1.fnt"}));
  EXPECT_EQ(changes.count(), 0);
}

TEST_F(HistoryFileListTest, MenuListsEntriesNewestFirstWithTheirExactPaths) {
  flist.SetMainMenuItem(&fmenu);
  AddAll(flist, {"/a/eins.fnt", "/a/B&C.fnt"});

  ASSERT_EQ(Shown(fmenu), QStringList({"/a/B&C.fnt", "/a/eins.fnt"}));
  const QAction* item = fmenu.actions().constFirst();
  EXPECT_EQ(item->text(), "/a/B&&C.fnt");
  EXPECT_TRUE(item->isEnabled());
  EXPECT_EQ(item->property("tag").toInt(), 1);
}

TEST_F(HistoryFileListTest, EmptyListShowsOneDisabledNonItem) {
  struct Row {
    QString nonItemText;
    bool separator;
  };
  const Row rows[] = {{"-", true}, {"keine Font", false}};
  for (const Row& row : rows) {
    flist.SetNonItemText(row.nonItemText);
    flist.AssignMenu(&fmenu);
    ASSERT_EQ(fmenu.actions().size(), 1);
    const QAction* item = fmenu.actions().constFirst();
    EXPECT_EQ(item->text(), row.nonItemText);
    EXPECT_EQ(item->isSeparator(), row.separator);
    EXPECT_FALSE(item->isEnabled());
    EXPECT_EQ(item->property("tag").toInt(), 0);
  }
}

TEST_F(HistoryFileListTest, AssignMenuReplacesWhatTheMenuHeld) {
  fmenu.addAction("alt");
  AddAll(flist, {"/a/eins.fnt"});
  flist.AssignMenu(&fmenu);
  flist.AssignMenu(&fmenu);
  EXPECT_EQ(Shown(fmenu), QStringList({"/a/eins.fnt"}));
  flist.AddToMenu(&fmenu);
  EXPECT_EQ(Shown(fmenu), QStringList({"/a/eins.fnt", "/a/eins.fnt"}));
}

TEST_F(HistoryFileListTest, DisabledListCreatesDisabledEntriesAndRebuildsAtOnce) {
  QMenu popup;
  flist.SetMainMenuItem(&fmenu);
  flist.SetPopupMenu(&popup);
  AddAll(flist, {"/a/eins.fnt", "/a/zwei.fnt"});
  QSignalSpy changes(&flist, &TKVHistoryFileList::OnChange);

  flist.SetEnabled(false);
  flist.SetEnabled(false);

  EXPECT_EQ(changes.count(), 1);
  for (const QMenu* menu : {&fmenu, &popup}) {
    ASSERT_EQ(menu->actions().size(), 2);
    for (const QAction* item : menu->actions()) EXPECT_FALSE(item->isEnabled()) << item->text().toStdString();
  }
}

TEST_F(HistoryFileListTest, ChosenEntryReportsItsItemAndPath) {
  flist.SetMainMenuItem(&fmenu);
  AddAll(flist, {"/a/eins.fnt", "/a/zwei & drei.fnt"});
  QSignalSpy clicks(&flist, &TKVHistoryFileList::OnClick);

  fmenu.popup(QPoint(0, 0));
  QAction* second = fmenu.actions().at(1);
  QTest::mouseClick(&fmenu, Qt::LeftButton, {}, fmenu.actionGeometry(second).center());
  fmenu.actions().at(0)->trigger();

  ASSERT_EQ(clicks.count(), 2);
  EXPECT_EQ(clicks.at(0).at(0).value<QAction*>(), second);
  EXPECT_EQ(clicks.at(0).at(1).toString(), "/a/eins.fnt");
  EXPECT_EQ(clicks.at(1).at(1).toString(), "/a/zwei & drei.fnt");
}

// The main window opens the chosen file, which adds it again and so rebuilds
// the very menu whose entry was clicked.
TEST_F(HistoryFileListTest, ChoosingAnEntryMayRebuildItsOwnMenu) {
  flist.SetMainMenuItem(&fmenu);
  AddAll(flist, {"/a/eins.fnt", "/a/zwei.fnt"});
  QObject::connect(&flist, &TKVHistoryFileList::OnClick, [this](QAction*, const QString& path) { flist.Add(path); });

  fmenu.popup(QPoint(0, 0));
  QTest::mouseClick(&fmenu, Qt::LeftButton, {}, fmenu.actionGeometry(fmenu.actions().at(1)).center());
  QApplication::processEvents();

  EXPECT_EQ(Shown(fmenu), QStringList({"/a/eins.fnt", "/a/zwei.fnt"}));
}

TEST_F(HistoryFileListTest, EveryChangeIsReportedWithTheListThatChanged) {
  QSignalSpy changes(&flist, &TKVHistoryFileList::OnChange);
  const StoredValues stored;
  flist.Add("/a/eins.fnt");
  flist.LoadList(stored.Reader(), "Font");
  flist.SetEnabled(false);
  ASSERT_EQ(changes.count(), 3);
  for (const QList<QVariant>& change : changes) EXPECT_EQ(change.at(0).value<TKVHistoryFileList*>(), &flist);
}

TEST_F(HistoryFileListTest, StoredListWithAGapLoadsAndSavesClosedUp) {
  StoredValues stored;
  stored.values = {{"Font00", "a.fnt"}, {"Font01", ""}, {"Font02", "b.fnt"}};
  flist.SetMainMenuItem(&fmenu);
  flist.LoadList(stored.Reader(), "Font");
  EXPECT_EQ(flist.Items(), QStringList({"a.fnt", "b.fnt"}));
  EXPECT_EQ(Shown(fmenu), QStringList({"b.fnt", "a.fnt"}));

  stored.values.clear();
  flist.SaveList(stored.Writer(), "Font");
  QStringList expected{"a.fnt", "b.fnt"};
  for (int i = 2; i < 10; ++i) expected << "";
  for (int i = 0; i < 10; ++i) {
    const QString name = QString("Font%1").arg(i, 2, 10, QChar('0'));
    EXPECT_TRUE(stored.values.contains(name)) << name.toStdString();
    EXPECT_EQ(stored.values.value(name, "fehlt"), expected.at(i)) << name.toStdString();
  }
  EXPECT_FALSE(stored.values.contains("Font10"));
}

TEST_F(HistoryFileListTest, SaveAndLoadRoundTripWith99Entries) {
  flist.SetMaxSize(150);
  AddAll(flist, Paths(0, 120));
  StoredValues stored;
  flist.SaveList(stored.Writer(), "Font");
  EXPECT_EQ(stored.values.value("Font98"), "/fonts/f120.fnt");
  EXPECT_FALSE(stored.values.contains("Font99"));

  TKVHistoryFileList loaded;
  loaded.SetMaxSize(99);
  loaded.LoadList(stored.Reader(), "Font");
  EXPECT_EQ(loaded.Items(), Paths(22, 120));
}

TEST_F(HistoryFileListTest, LoadingAsksTheValidatorAboutEveryStoredValue) {
  StoredValues stored;
  stored.values = {{"Font00", "gut.fnt"}, {"Font01", "schlecht.fnt"}};
  QStringList asked;
  flist.SetMaxSize(3);
  flist.SetOnItemValidate([&asked](TKVHistoryFileList&, const QString& item) {
    asked << item;
    return item != "schlecht.fnt";
  });
  flist.LoadList(stored.Reader(), "Font");
  EXPECT_EQ(asked, QStringList({"gut.fnt", "schlecht.fnt", ""}));
  EXPECT_EQ(flist.Items(), QStringList({"gut.fnt"}));
}

TEST_F(HistoryFileListTest, SlaveListAppendsItsEntriesBelowTheParents) {
  TKVHistoryFileList slave;
  flist.SetMainMenuItem(&fmenu);
  flist.SetSlaveList(&slave);
  EXPECT_EQ(slave.MainMenuItem(), &fmenu);
  EXPECT_EQ(slave.ParentList(), &flist);
  slave.SetMainMenuItem(nullptr);
  EXPECT_EQ(slave.MainMenuItem(), &fmenu);

  QSignalSpy parentChanges(&flist, &TKVHistoryFileList::OnChange);
  QSignalSpy slaveChanges(&slave, &TKVHistoryFileList::OnChange);
  flist.Add("/p/eins.fnt");
  EXPECT_EQ(Shown(fmenu), QStringList({"/p/eins.fnt", "-", "-"}));
  slave.Add("/s/zwei.fnt");
  EXPECT_EQ(Shown(fmenu), QStringList({"/p/eins.fnt", "-", "/s/zwei.fnt"}));
  flist.Add("/p/drei.fnt");
  EXPECT_EQ(Shown(fmenu), QStringList({"/p/drei.fnt", "/p/eins.fnt", "-", "/s/zwei.fnt"}));

  ASSERT_EQ(parentChanges.count(), 3);
  EXPECT_EQ(parentChanges.at(1).at(0).value<TKVHistoryFileList*>(), &slave);
  ASSERT_EQ(slaveChanges.count(), 3);
  EXPECT_EQ(slaveChanges.at(0).at(0).value<TKVHistoryFileList*>(), &flist);
  EXPECT_EQ(slaveChanges.at(1).at(0).value<TKVHistoryFileList*>(), &slave);
}

TEST_F(HistoryFileListTest, ReplacedSlaveIsReleased) {
  TKVHistoryFileList first;
  TKVHistoryFileList second;
  flist.SetSlaveList(&first);
  flist.SetSlaveList(&second);
  EXPECT_EQ(first.ParentList(), nullptr);
  EXPECT_EQ(second.ParentList(), &flist);
  {
    TKVHistoryFileList other;
    other.SetSlaveList(&second);
    EXPECT_EQ(flist.SlaveList(), nullptr);
  }
  EXPECT_EQ(second.ParentList(), nullptr);
}

TEST_F(HistoryFileListTest, AListCannotBecomeItsOwnSlave) {
  TKVHistoryFileList slave;
  flist.SetSlaveList(&slave);
  EXPECT_THROW(flist.SetSlaveList(&flist), std::invalid_argument);
  EXPECT_THROW(slave.SetSlaveList(&flist), std::invalid_argument);
  EXPECT_EQ(flist.SlaveList(), &slave);
}

class HistoryActionMenuTest : public HistoryFileListTest {
 protected:
  HistoryActionMenuTest() {
    QMenu* file = fbar.addMenu("&Datei");
    file->addAction("&Öffnen");
    fearlier = file->addMenu("&Zuletzt geöffnet (alt)");
    frecentMenu = file->addMenu("Zuletzt &geöffnet");
    frecent.setText("&Zuletzt geöffnet");
    flist.SetRecentAction(&frecent);
  }

  QMenuBar fbar;
  QMenu* fearlier;
  QMenu* frecentMenu;
  QAction frecent;
};

TEST_F(HistoryActionMenuTest, EntriesGoBelowTheLastItemCarryingTheRecentCaption) {
  flist.SetActionMainMenu(&fbar);
  AddAll(flist, {"/a/eins.fnt", "/a/zwei.fnt"});
  EXPECT_TRUE(fearlier->actions().isEmpty());
  EXPECT_EQ(Shown(*frecentMenu), QStringList({"/a/zwei.fnt", "/a/eins.fnt"}));
}

TEST_F(HistoryActionMenuTest, EntriesReportTheirPathWhenChosen) {
  flist.SetActionMainMenu(&fbar);
  AddAll(flist, {"/a/eins.fnt"});
  flist.SetEnabled(false);
  QSignalSpy clicks(&flist, &TKVHistoryFileList::OnClick);
  QAction* entry = frecentMenu->actions().constFirst();
  EXPECT_FALSE(entry->isEnabled());
  entry->setEnabled(true);
  entry->trigger();
  ASSERT_EQ(clicks.count(), 1);
  EXPECT_EQ(clicks.at(0).at(1).toString(), "/a/eins.fnt");
}

TEST_F(HistoryActionMenuTest, AnotherRecentActionIsLookedUpAgain) {
  flist.SetActionMainMenu(&fbar);
  flist.Add("/a/eins.fnt");
  QAction earlier("Zuletzt geöffnet (alt)");
  flist.SetRecentAction(&earlier);
  flist.Add("/a/zwei.fnt");
  EXPECT_EQ(Shown(*fearlier), QStringList({"/a/zwei.fnt", "/a/eins.fnt"}));
}

TEST_F(HistoryActionMenuTest, WithoutRecentActionNothingIsListed) {
  flist.SetRecentAction(nullptr);
  flist.SetActionMainMenu(&fbar);
  AddAll(flist, {"/a/eins.fnt"});
  EXPECT_TRUE(frecentMenu->actions().isEmpty());
  EXPECT_TRUE(fearlier->actions().isEmpty());
}

TEST_F(HistoryActionMenuTest, SlaveEntriesFollowASeparatorInTheParentsItem) {
  TKVHistoryFileList slave;
  flist.SetActionMainMenu(&fbar);
  flist.SetSlaveList(&slave);
  flist.Add("/p/eins.fnt");
  slave.Add("/s/zwei.fnt");
  EXPECT_EQ(Shown(*frecentMenu), QStringList({"/p/eins.fnt", "-", "/s/zwei.fnt"}));
}

}  // namespace
