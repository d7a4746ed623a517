#include "app/application.hpp"

#include <QApplication>
#include <QFont>

#include "calculator/main_window.hpp"
#include "platform/floating_point.hpp"

namespace {

// The layouts were measured for a 9-point font; larger sizes clip captions such as
// "傅立叶变换" on their 65-pixel buttons.
void UseProgramFont() {
  QFont font = QApplication::font();
  font.setFamilies({"WenQuanYi Micro Hei", "Noto Sans CJK SC", "Microsoft YaHei", "SimSun"});
  font.setPointSize(9);
  QApplication::setFont(font);
}

}  // namespace

Application::Application(const QString &runDirectory) {
  // Names the user's configuration directory (~/.config/zorvik).
  QCoreApplication::setApplicationName("zorvik");
  ResetFloatingPoint();
  UseProgramFont();
  globals_ = std::make_unique<AppGlobals>();
  globals_->runDirectory = runDirectory;
  mainWindow_ = std::make_unique<MainWindow>(*globals_);
  mainWindow_->show();
}

Application::~Application() = default;

MainWindow &Application::mainWindow() { return *mainWindow_; }

AppGlobals &Application::globals() { return *globals_; }
