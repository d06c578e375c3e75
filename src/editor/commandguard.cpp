#include "commandguard.h"

#include "userdialogs.h"

#include <QAction>
#include <exception>

CommandGuard::CommandGuard(UserDialogs& dialogs) : fdialogs(dialogs) {}

bool CommandGuard::Run(const std::function<void()>& handler) {
  try {
    handler();
    return true;
  } catch (const std::exception& error) {
    fdialogs.ShowError(QString::fromUtf8(error.what()));
  } catch (...) {
    fdialogs.ShowError(QStringLiteral("Unbekannter Fehler"));
  }
  return false;
}

QMetaObject::Connection CommandGuard::Connect(QAction* action, std::function<void()> handler) {
  return QObject::connect(action, &QAction::triggered, action, [this, handler = std::move(handler)] { Run(handler); });
}
