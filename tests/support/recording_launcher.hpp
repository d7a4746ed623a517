#pragma once

#include <QStringList>
#include <memory>

#include "platform/launcher.hpp"

// While it lives, program starts are recorded instead of run, so tests never open real
// editors. Each start adds "program arguments", each opened document its path.
class RecordedLaunches {
 public:
  RecordedLaunches();
  ~RecordedLaunches();
  RecordedLaunches(const RecordedLaunches &) = delete;
  RecordedLaunches &operator=(const RecordedLaunches &) = delete;

  QStringList opened;

 private:
  std::unique_ptr<Launcher> previous_;
};
