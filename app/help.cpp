#include "app/help.hpp"

#include <QDir>
#include <QRandomGenerator>

#include "platform/files.hpp"
#include "platform/gbk.hpp"
#include "platform/launcher.hpp"

namespace {

// The encoding the system's text editor reads: Notepad reads the GBK code page, the
// editors of Linux desktops read UTF-8 (and show GBK as garbage).
QByteArray ForTheTextEditor(const QString &text) {
#ifdef Q_OS_WIN
  return EncodeGbk(text);
#else
  return text.toUtf8();
#endif
}

}  // namespace

QString WriteHelpFile(const QString &text) {
  const QByteArray bytes = ForTheTextEditor(text);
  const QDir temporary(QDir::tempPath());
  // Random names are taken only when no file has them, so an open help file is never
  // overwritten by the next press.
  for (int attempt = 0; attempt < 100; ++attempt) {
    const QString name =
        QString::number(QRandomGenerator::global()->generate(), 16).toUpper() + ".tmp";
    const QString path = QDir::toNativeSeparators(temporary.filePath(name));
    if (CreateNewFile(path, bytes)) return path;
    if (!QDir(temporary).exists()) break;
  }
  return QString();
}

void ShowHelp(const QString &text) {
  const QString path = WriteHelpFile(text);
  if (path.isEmpty()) return;
#ifdef Q_OS_WIN
  CurrentLauncher().StartProgram("notepad.exe", {path});
#else
  CurrentLauncher().OpenDocument(path);
#endif
}

void OpenMatrixHelpDocument(const QString &runDirectory) {
  CurrentLauncher().OpenDocument(QDir(runDirectory).filePath("帮助/矩阵运算.txt"));
}
