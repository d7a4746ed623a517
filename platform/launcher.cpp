#include "platform/launcher.hpp"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>
#include <utility>

namespace {

std::unique_ptr<Launcher> &Installed() {
  static std::unique_ptr<Launcher> launcher;
  return launcher;
}

}  // namespace

bool Launcher::StartProgram(const QString &program, const QStringList &arguments) {
  return QProcess::startDetached(program, arguments);
}

bool Launcher::OpenDocument(const QString &path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

Launcher &CurrentLauncher() {
  static Launcher systemLauncher;
  return Installed() ? *Installed() : systemLauncher;
}

std::unique_ptr<Launcher> ReplaceLauncher(std::unique_ptr<Launcher> launcher) {
  return std::exchange(Installed(), std::move(launcher));
}
