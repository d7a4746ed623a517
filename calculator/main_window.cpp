#include "calculator/main_window.hpp"

MainWindow::MainWindow(QWidget *parent) : QWidget(parent) {
  setObjectName("MainWindow");
  setWindowTitle("Zorvik超级计算器");
  resize(542, 390);
}
