#include "commandguard.h"

#include "editor/scripteddialogs.h"
#include "model/ioerror.h"

#include <gtest/gtest.h>
#include <QAction>
#include <cerrno>
#include <functional>
#include <stdexcept>

namespace {

TEST(CommandGuard, ShowsTheTextOfEveryErrorAndGoesOn) {
  struct Row {
    const char* name;
    std::function<void()> handler;
    QString shown;
  };
  const Row rows[] = {
      {"missing file", [] { throw IoError(ENOENT); }, "Datei nicht gefunden"},
      {"no access", [] { throw IoError(EACCES); }, "Dateizugriff verweigert"},
      {"other I/O error", [] { throw IoError(EIO); }, QString("E/A-Fehler %1").arg(EIO)},
      {"font error", [] { throw FontError("Die Font ist ungültig"); }, "Die Font ist ungültig"},
      {"standard exception", [] { throw std::out_of_range("außerhalb"); }, "außerhalb"},
      {"anything else", [] { throw 42; }, "Unbekannter Fehler"},
  };
  for (const Row& row : rows) {
    ScriptedDialogs dialogs;
    CommandGuard guard(dialogs);
    dialogs.ExpectError();
    EXPECT_FALSE(guard.Run(row.handler)) << row.name;
    EXPECT_EQ(dialogs.LastText(), row.shown) << row.name;
  }
}

TEST(CommandGuard, RunsACommandWithoutErrorSilently) {
  ScriptedDialogs dialogs;
  CommandGuard guard(dialogs);
  int runs = 0;
  EXPECT_TRUE(guard.Run([&runs] { ++runs; }));
  EXPECT_EQ(runs, 1);
  EXPECT_TRUE(dialogs.Asked().empty());
}

TEST(CommandGuard, KeepsWhatTheCommandDidBeforeTheError) {
  ScriptedDialogs dialogs;
  CommandGuard guard(dialogs);
  int steps = 0;
  dialogs.ExpectError();
  guard.Run([&steps] {
    ++steps;
    throw IoError(ENOENT);
  });
  EXPECT_EQ(steps, 1);
}

TEST(CommandGuard, ConnectedActionShowsItsErrorAndStaysUsable) {
  ScriptedDialogs dialogs;
  CommandGuard guard(dialogs);
  QAction action("Öffnen");
  int runs = 0;
  guard.Connect(&action, [&runs] {
    ++runs;
    throw IoError(ENOENT);
  });

  dialogs.ExpectError();
  dialogs.ExpectError();
  action.trigger();
  action.trigger();

  EXPECT_EQ(runs, 2);
  ASSERT_EQ(dialogs.Asked().size(), 2u);
  EXPECT_EQ(dialogs.Asked()[0].Kind, DialogKind::Error);
  EXPECT_EQ(dialogs.Asked()[0].Text, "Datei nicht gefunden");
}

}  // namespace
