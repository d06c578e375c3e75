#include "ui/scriptedwindowdialogs.h"

#include <gtest/gtest.h>
#include <QDialog>

namespace {

TEST(ScriptedWindowDialogs, DialogScriptFillsInTheDialogAndDecidesTheResult) {
  ScriptedWindowDialogs dialogs;
  dialogs.ExpectDialog([](QDialog& dialog) {
    dialog.setObjectName("ausgefuellt");
    return true;
  });
  dialogs.ExpectDialog([](QDialog&) { return false; });

  QDialog dialog;
  dialog.setWindowTitle("Neue Font erstellen");
  EXPECT_TRUE(dialogs.Execute(dialog));
  EXPECT_EQ(dialog.objectName(), "ausgefuellt");
  EXPECT_FALSE(dialogs.Execute(dialog));
  EXPECT_EQ(dialogs.LastText(), "Neue Font erstellen");
}

}  // namespace
