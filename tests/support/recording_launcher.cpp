#include "tests/support/recording_launcher.hpp"

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

RecordedLaunches::RecordedLaunches()
    : previous_(ReplaceLauncher(std::make_unique<RecordingLauncher>(opened))) {}

RecordedLaunches::~RecordedLaunches() { ReplaceLauncher(std::move(previous_)); }
