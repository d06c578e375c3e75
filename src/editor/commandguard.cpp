#include "commandguard.h"

#include "errortext.h"
#include "userdialogs.h"

#include <QAction>
#include <QCoreApplication>
#include <exception>

CommandGuard::CommandGuard(UserDialogs& dialogs) : fdialogs(dialogs) {}

bool CommandGuard::Run(const std::function<void()>& handler) {
  try {
    handler();
    return true;
  } catch (const std::exception& error) {
    fdialogs.ShowError(ErrorText(error));
  } catch (...) {
    fdialogs.ShowError(QCoreApplication::translate("CommandGuard", "Unbekannter Fehler"));
  }
  return false;
}

QMetaObject::Connection CommandGuard::Connect(QAction* action, std::function<void()> handler) {
  return QObject::connect(action, &QAction::triggered, action, [this, handler = std::move(handler)] { Run(handler); });
}
