#include "app/settings_file.hpp"

#include <QDir>
#include <QStandardPaths>

#include "platform/files.hpp"
#include "platform/profile_file.hpp"

QString SettingsPath(const QString &runDirectory) {
  const QString beside = QDir(runDirectory).filePath(settings::kFileName);
  // A copy unpacked and run in place keeps its settings beside it. An installed program's
  // directory is not the user's to write: there the settings live in the user's
  // configuration directory instead.
  if (FileExists(beside) || DirectoryWritable(runDirectory)) return beside;
  const QString configuration = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
  QDir().mkpath(configuration);
  return QDir(configuration).filePath(settings::kFileName);
}

void EnsureSettingsFile(const QString &path) {
  if (FileExists(path)) return;
  if (!CreateNewFile(path, QByteArray())) return;
  WriteProfileString(path, settings::kSection, settings::kPrecisionKey,
                     settings::kDefaultPrecision);
  WriteProfileString(path, settings::kSection, settings::kDecimalPlacesKey,
                     settings::kDefaultDecimalPlaces);
}

QString ReadSetting(const QString &path, const QString &key) {
  return ReadProfileString(path, settings::kSection, key);
}
