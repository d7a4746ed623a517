#include "tests/support/recorded_starts.hpp"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/launcher.hpp"

namespace {

class RecordingLauncher : public Launcher {
 public:
  explicit RecordingLauncher(QStringList &opened) : opened_(opened) {}
  bool StartProgram(const QString &program, const QStringList &arguments) override {
    opened_.append(program + " " + arguments.join(" "));
    return true;
  }
  bool OpenDocument(const QString &path) override {
    opened_.append(path);
    return true;
  }

 private:
  QStringList &opened_;
};

}  // namespace

RecordedStarts::RecordedStarts()
    : previous_(ReplaceLauncher(std::make_unique<RecordingLauncher>(opened))) {}

RecordedStarts::~RecordedStarts() {
  ReplaceLauncher(std::move(previous_));
  for (const QString &path : opened) {
    if (QFileInfo(path).dir() == QDir(QDir::tempPath())) QFile::remove(path);
  }
}
