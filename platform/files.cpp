#include "platform/files.hpp"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <utility>

namespace {

FileWriteFailureHook &WriteFailureHook() {
  static FileWriteFailureHook hook;
  return hook;
}

bool WriteRefused(const QString &path) {
  const FileWriteFailureHook &hook = WriteFailureHook();
  return hook && hook(path);
}

}  // namespace

bool FileExists(const QString &path) { return QFileInfo(path).isFile(); }

bool DirectoryWritable(const QString &directory) {
  const QFileInfo info(directory);
  return !WriteRefused(directory) && info.isDir() && info.isWritable();
}

std::optional<QByteArray> ReadFileBytes(const QString &path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  return file.readAll();
}

bool WriteFileAtomically(const QString &path, const QByteArray &bytes) {
  if (WriteRefused(path) || QFileInfo(path).isDir()) return false;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

bool CreateNewFile(const QString &path, const QByteArray &bytes) {
  if (WriteRefused(path)) return false;
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return false;
  const bool written = file.write(bytes) == bytes.size();
  file.close();
  if (!written) file.remove();
  return written;
}

FileWriteFailureHook SetFileWriteFailureHook(FileWriteFailureHook hook) {
  return std::exchange(WriteFailureHook(), std::move(hook));
}
