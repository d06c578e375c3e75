#include "changelistbox.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <functional>

namespace {

class ChangeListBoxTest : public ::testing::Test {
 protected:
  ChangeListBoxTest() : fchanges(&fbox, &TChangeListBox::OnChange), fclicks(&fbox, &QListWidget::itemClicked) {
    for (int i = 0; i < 20; ++i) fbox.addItem(QString("Zeichen %1").arg(i));
    fbox.resize(200, 120);
    fbox.show();
    QApplication::processEvents();
  }

  void ClickItem(int row, Qt::KeyboardModifiers modifiers = {}) {
    fbox.scrollToItem(fbox.item(row));
    QTest::mouseClick(fbox.viewport(), Qt::LeftButton, modifiers, fbox.visualItemRect(fbox.item(row)).center());
  }

  // The indexes OnChange reported so far.
  QList<int> Reported() const {
    QList<int> reported;
    for (const QList<QVariant>& change : fchanges) reported << change.at(0).toInt();
    return reported;
  }

  TChangeListBox fbox;
  QSignalSpy fchanges;
  QSignalSpy fclicks;
};

TEST_F(ChangeListBoxTest, StartsWithoutSelection) { EXPECT_EQ(fbox.ItemIndex(), -1); }

TEST_F(ChangeListBoxTest, SettingItemIndexReportsOnlyRealChanges) {
  struct Row {
    int value;
    int selected;
    bool reported;
  };
  const Row rows[] = {{3, 3, true},    {3, 3, false}, {19, 19, true}, {-1, -1, true},
                      {-1, -1, false}, {5, 5, true},  {20, -1, true}, {-7, -1, false}};
  for (const Row& row : rows) {
    fchanges.clear();
    fbox.SetItemIndex(row.value);
    EXPECT_EQ(fbox.ItemIndex(), row.selected) << row.value;
    EXPECT_EQ(Reported(), row.reported ? QList<int>{row.selected} : QList<int>{}) << row.value;
  }
}

TEST_F(ChangeListBoxTest, SettingItemIndexScrollsTheItemIntoView) {
  fbox.SetItemIndex(19);
  EXPECT_TRUE(fbox.viewport()->rect().intersects(fbox.visualItemRect(fbox.item(19))));
}

TEST_F(ChangeListBoxTest, FirstUserSelectionIsReported) {
  ClickItem(0);
  EXPECT_EQ(fbox.ItemIndex(), 0);
  EXPECT_EQ(Reported(), QList<int>{0});
}

TEST_F(ChangeListBoxTest, ClickingTheSelectedItemAgainIsAClickButNoChange) {
  ClickItem(4);
  ClickItem(4);
  EXPECT_EQ(fclicks.count(), 2);
  EXPECT_EQ(Reported(), QList<int>{4});
}

TEST_F(ChangeListBoxTest, ClickingAfterTheProgramSelectedTheSameItemReportsOnce) {
  fbox.SetItemIndex(5);
  ClickItem(5);
  EXPECT_EQ(Reported(), QList<int>{5});
}

TEST_F(ChangeListBoxTest, AfterResyncClickingTheSelectedItemIsReported) {
  ClickItem(2);
  fbox.ResyncAfterItemLostSelection();
  ClickItem(2);
  EXPECT_EQ(Reported(), QList<int>({2, 2}));
}

TEST_F(ChangeListBoxTest, KeyboardSelectionIsReported) {
  fbox.SetItemIndex(7);
  QTest::keyClick(&fbox, Qt::Key_Down);
  QTest::keyClick(&fbox, Qt::Key_Home);
  QTest::keyClick(&fbox, Qt::Key_Home);
  EXPECT_EQ(fbox.ItemIndex(), 0);
  EXPECT_EQ(Reported(), QList<int>({7, 8, 0}));
}

// Like a single-selection list box, the user can move the selection but never
// remove it: the program relies on a selected row once one was chosen.
TEST_F(ChangeListBoxTest, UserInputNeverRemovesTheSelection) {
  const std::function<void()> deselects[] = {
      [this] { ClickItem(6, Qt::ControlModifier); },
      [this] { QTest::keyClick(&fbox, Qt::Key_Space, Qt::ControlModifier); },
  };
  for (const auto& deselect : deselects) {
    fbox.SetItemIndex(6);
    fchanges.clear();
    deselect();
    EXPECT_EQ(fbox.ItemIndex(), 6);
    EXPECT_EQ(Reported(), QList<int>{});
  }
  ClickItem(8, Qt::ControlModifier);
  EXPECT_EQ(fbox.ItemIndex(), 8);
  EXPECT_EQ(Reported(), QList<int>{8});
}

TEST_F(ChangeListBoxTest, HandlerThatSelectsAgainCausesOneFurtherChange) {
  QObject::connect(&fbox, &TChangeListBox::OnChange, [this](int index) {
    if (index == 3) fbox.SetItemIndex(10);
    if (index == 10) fbox.SetItemIndex(10);
  });
  ClickItem(3);
  EXPECT_EQ(fbox.ItemIndex(), 10);
  EXPECT_EQ(Reported(), QList<int>({3, 10}));
}

}  // namespace
