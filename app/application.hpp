#pragma once

#include <QString>
#include <memory>

#include "app/app_globals.hpp"

class MainWindow;

// The program's start and end: sets up the floating point and the font, creates the
// program-wide objects and the main window and shows it; its destruction is the
// shutdown, which releases them all.
class Application {
 public:
  explicit Application(const QString &runDirectory);
  ~Application();
  Application(const Application &) = delete;
  Application &operator=(const Application &) = delete;

  MainWindow &mainWindow();
  AppGlobals &globals();

 private:
  std::unique_ptr<AppGlobals> globals_;
  std::unique_ptr<MainWindow> mainWindow_;  // declared last: destroyed first
};
