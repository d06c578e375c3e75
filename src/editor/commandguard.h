#pragma once

#include <QMetaObject>
#include <functional>

class QAction;
class UserDialogs;

// The boundary of every command: an exception thrown by a handler ends the
// command and is shown in an error box; it never reaches the event loop.
class CommandGuard {
 public:
  explicit CommandGuard(UserDialogs& dialogs);

  // Runs the handler; false when it ended with an exception (already shown).
  bool Run(const std::function<void()>& handler);
  // Runs the handler through Run whenever the action is triggered; the
  // guard must outlive the action.
  QMetaObject::Connection Connect(QAction* action, std::function<void()> handler);

 private:
  UserDialogs& fdialogs;
};
