#include "dialogs/newfontdlg.h"

#include <gtest/gtest.h>
#include <QRadioButton>
#include <QSpinBox>

namespace {

TEST(NewFontDLG, StartsWithAnEmpty16x16FontAndTheImportOffered) {
  TNewFontDLG dialog;
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Neue Font erstellen"));
  EXPECT_EQ(dialog.NewType(), 0);
  EXPECT_EQ(dialog.FontWidth(), 16);
  EXPECT_EQ(dialog.FontHeight(), 16);
  EXPECT_TRUE(dialog.NewBtn()->isChecked());
  EXPECT_EQ(dialog.ImportBtn()->text(), QStringLiteral("WINDOWS®-Font importieren"));
  EXPECT_TRUE(dialog.ImportBtn()->isEnabled());
}

TEST(NewFontDLG, SizesStayWithinOneTo64) {
  TNewFontDLG dialog;
  const std::pair<int, int> rows[] = {{1, 1}, {64, 64}, {0, 1}, {65, 64}, {8, 8}};
  for (const auto& [given, kept] : rows) {
    dialog.SetFontWidth(given);
    dialog.SetFontHeight(given);
    EXPECT_EQ(dialog.FontWidth(), kept) << given;
    EXPECT_EQ(dialog.FontHeight(), kept) << given;
  }
}

TEST(NewFontDLG, ClickingARadioButtonSetsNewTypeToItsTag) {
  TNewFontDLG dialog;
  dialog.ImportBtn()->click();
  EXPECT_EQ(dialog.NewType(), 1);
  dialog.NewBtn()->click();
  EXPECT_EQ(dialog.NewType(), 0);
}

}  // namespace
