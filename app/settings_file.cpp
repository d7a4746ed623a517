#include "app/settings_file.hpp"

#include "platform/files.hpp"
#include "platform/profile_file.hpp"

QString SettingsPath(const QString &runDirectory) {
  return runDirectory + "/" + settings::kFileName;
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
