#include "app/application.hpp"

#include "calculator/main_window.hpp"

Application::Application(const QString &) : mainWindow_(std::make_unique<MainWindow>()) {
  mainWindow_->show();
}
Application::~Application() = default;
MainWindow &Application::mainWindow() { return *mainWindow_; }
