#include <QApplication>

#include "app/application.hpp"

int main(int argc, char **argv) {
  QApplication qtApp(argc, argv);
  Application application(QCoreApplication::applicationDirPath());
  return QApplication::exec();
}
