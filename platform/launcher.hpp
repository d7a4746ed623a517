#pragma once

#include <QString>
#include <QStringList>
#include <memory>

// Starts other programs: the text editor that shows a help file, and the program the
// desktop associates with a document. Every start goes through the current launcher so
// that tests can record starts instead of opening editors.
class Launcher {
 public:
  virtual ~Launcher() = default;
  // Starts the program without waiting for it; false when it could not be started.
  virtual bool StartProgram(const QString &program, const QStringList &arguments);
  // Opens the document with the program associated with it; false on failure.
  virtual bool OpenDocument(const QString &path);
};

Launcher &CurrentLauncher();

// Installs a launcher and returns the one it replaces (nullptr: the system launcher).
std::unique_ptr<Launcher> ReplaceLauncher(std::unique_ptr<Launcher> launcher);
