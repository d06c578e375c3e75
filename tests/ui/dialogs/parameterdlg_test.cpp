#include "dialogs/parameterdlg.h"

#include <gtest/gtest.h>
#include <QSpinBox>
#include <QTest>

namespace {

// Types a new height over the shown one, key by key as a user does.
void TypeHeight(TParameterDLG& dialog, const QString& digits) {
  QSpinBox& height = *dialog.HeightEdit();
  height.selectAll();
  QTest::keyClicks(&height, digits);
}

TEST(ParameterDLG, AHalfTypedHeightDoesNotLimitTheBaseline) {
  TParameterDLG dialog;
  dialog.SetParameters({8, 16, 13, 0});
  TypeHeight(dialog, QStringLiteral("14"));
  EXPECT_EQ(dialog.BaseEdit()->value(), 13);
  QTest::keyClick(dialog.HeightEdit(), Qt::Key_Return);
  EXPECT_EQ(dialog.BaseEdit()->maximum(), 14);
  EXPECT_EQ(dialog.BaseEdit()->value(), 13);
  EXPECT_EQ(dialog.Parameters().Height, 14);
  EXPECT_EQ(dialog.Parameters().Base, 13);
}

TEST(ParameterDLG, ACommittedHeightLimitsTheBaselineHoweverItIsCommitted) {
  struct Commit {
    const char* how;
    void (*commit)(QSpinBox&);
    int height;
  };
  const Commit commits[] = {
      {"Return", [](QSpinBox& edit) { QTest::keyClick(&edit, Qt::Key_Return); }, 9},
      {"arrow down", [](QSpinBox& edit) { QTest::keyClick(&edit, Qt::Key_Down); }, 8},
      {"Enter", [](QSpinBox& edit) { QTest::keyClick(&edit, Qt::Key_Enter); }, 9},
  };
  for (const Commit& commit : commits) {
    TParameterDLG dialog;
    dialog.SetParameters({8, 16, 13, 0});
    TypeHeight(dialog, QStringLiteral("9"));
    commit.commit(*dialog.HeightEdit());
    EXPECT_EQ(dialog.BaseEdit()->value(), commit.height) << commit.how;
    EXPECT_EQ(dialog.Parameters().Base, commit.height) << commit.how;
  }
  // OK with the height still being typed takes it as it stands.
  TParameterDLG dialog;
  dialog.SetParameters({8, 16, 13, 0});
  TypeHeight(dialog, QStringLiteral("9"));
  dialog.accept();
  EXPECT_EQ(dialog.Parameters().Height, 9);
  EXPECT_EQ(dialog.Parameters().Base, 9);
}

}  // namespace
