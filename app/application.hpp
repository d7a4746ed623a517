#pragma once

#include <QString>
#include <memory>

class MainWindow;

class Application {
 public:
  explicit Application(const QString &runDirectory);
  ~Application();
  MainWindow &mainWindow();

 private:
  std::unique_ptr<MainWindow> mainWindow_;
};
