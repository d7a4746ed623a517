#pragma once

#include <QString>

// Values of an initialisation file on disk, by section and key. The file is GBK, the
// encoding of the Windows program whose files it shares; a file that is valid UTF-8 is
// read as UTF-8 and stays UTF-8 when written.

// The longest value a read gives back; longer values are cut there.
inline constexpr int kProfileValueLimit = 10240;

// The value, cut at kProfileValueLimit characters, or an empty text when the file, the
// section or the key is missing.
QString ReadProfileString(const QString &path, const QString &section, const QString &key);

// Sets the key, creating the file when it is missing; the file is replaced atomically.
// False when the file cannot be written.
bool WriteProfileString(const QString &path, const QString &section, const QString &key,
                        const QString &value);
