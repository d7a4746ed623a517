#pragma once

#include <QString>

// The settings file "配置.ini": section "配置" with the keys "计算精度" (the precision of
// the trigonometric keys) and "小数保留位数" (the decimal places every keypad result
// keeps). Values stay texts; they are converted each time they are used.
namespace settings {
inline const QString kFileName = QStringLiteral("配置.ini");
inline const QString kSection = QStringLiteral("配置");
inline const QString kPrecisionKey = QStringLiteral("计算精度");
inline const QString kDecimalPlacesKey = QStringLiteral("小数保留位数");
inline const QString kDefaultPrecision = QStringLiteral("3");
inline const QString kDefaultDecimalPlaces = QStringLiteral("5");
}  // namespace settings

// The settings file of a program started from the run directory: "配置.ini" beside the
// program, unless there is none and the run directory cannot be written; then
// "配置.ini" in the user's configuration directory.
QString SettingsPath(const QString &runDirectory);

// Creates the settings file with the defaults when no file is at the path (a directory
// of that name does not count). Failures are not reported: the settings then read empty.
void EnsureSettingsFile(const QString &path);

QString ReadSetting(const QString &path, const QString &key);
