#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName("kelvaront");
  QApplication::setApplicationName("Glyphwright");
  QMainWindow window;
  window.setWindowTitle("Glyphwright");
  window.resize(800, 600);
  window.show();
  return QApplication::exec();
}
