#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>

#include "app/application.hpp"
#include "calculator/main_window.hpp"

// A program started in a fresh temporary run directory.
class AppFixture : public testing::Test {
 protected:
  // Starts the program; call after preparing the run directory.
  void Start() { app_ = std::make_unique<Application>(dir_.path()); }
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

  QString RunDirectory() const { return dir_.path(); }
  QString SettingsFile() const { return dir_.filePath("配置.ini"); }
  Application &app() { return *app_; }
  MainWindow &window() { return app_->mainWindow(); }
  CalculatorState &state() { return app_->globals().calculatorState; }

 private:
  QTemporaryDir dir_;
  std::unique_ptr<Application> app_;
};
