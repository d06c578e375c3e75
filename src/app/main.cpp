#include "app/mainform.h"
#include "app/qttexts.h"
#include "app/settings.h"
#include "app/userdialogs.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  InstallGermanQtTexts(app);
  QApplication::setOrganizationName("kelvaront");
  QApplication::setApplicationName("Glyphwright");
  Settings settings;
  QtUserDialogs dialogs;
  TMainForm window(settings, dialogs);
  window.show();
  return QApplication::exec();
}
