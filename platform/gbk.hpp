#pragma once

#include <QByteArray>
#include <QString>

// The GBK code page, the encoding of the settings file and of the help files on
// Windows. Characters outside GBK are written as "?".
QByteArray EncodeGbk(const QString &text);
QString DecodeGbk(const QByteArray &bytes);

// Whether the bytes form valid UTF-8; such a file is read as UTF-8 rather than GBK.
bool IsValidUtf8(const QByteArray &bytes);
