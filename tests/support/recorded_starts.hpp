#pragma once

#include <QStringList>
#include <memory>

class Launcher;

// While it lives, the program's starts of other programs are recorded instead of made, so
// that tests never open real editors. Help files the program wrote to the temporary
// directory for the recorded starts are removed at the end.
class RecordedStarts {
 public:
  RecordedStarts();
  ~RecordedStarts();
  RecordedStarts(const RecordedStarts &) = delete;
  RecordedStarts &operator=(const RecordedStarts &) = delete;

  // One entry per start: "program arguments" for a program, the path for a document.
  QStringList opened;

 private:
  std::unique_ptr<Launcher> previous_;
};
