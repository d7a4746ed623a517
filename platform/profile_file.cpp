#include "platform/profile_file.hpp"

#include "platform/files.hpp"
#include "platform/gbk.hpp"
#include "platform/profile_text.hpp"

namespace {

const QByteArray kUtf8Mark("\xEF\xBB\xBF");

struct ProfileText {
  std::string text;  // UTF-8, without a byte-order mark
  bool utf8 = false;
  bool byteOrderMark = false;
};

ProfileText Decode(const QByteArray &bytes) {
  ProfileText decoded;
  QByteArray body = bytes;
  if (body.startsWith(kUtf8Mark)) {
    body.remove(0, kUtf8Mark.size());
    decoded.byteOrderMark = true;
  }
  // Plain ASCII reads the same either way; only a file with UTF-8 characters stays UTF-8.
  bool ascii = true;
  for (char c : body) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  decoded.utf8 = decoded.byteOrderMark || (!ascii && IsValidUtf8(body));
  decoded.text = decoded.utf8 ? body.toStdString() : DecodeGbk(body).toStdString();
  return decoded;
}

// Cuts at the limit without splitting a character made of two UTF-16 units.
QString CutValue(const QString &value) {
  if (value.size() <= kProfileValueLimit) return value;
  const int length = value.at(kProfileValueLimit - 1).isHighSurrogate() ? kProfileValueLimit - 1
                                                                        : kProfileValueLimit;
  return value.left(length);
}

QByteArray Encode(const ProfileText &profile) {
  const QString text = QString::fromStdString(profile.text);
  if (!profile.utf8) return EncodeGbk(text);
  return (profile.byteOrderMark ? kUtf8Mark : QByteArray()) + text.toUtf8();
}

}  // namespace

QString ReadProfileString(const QString &path, const QString &section, const QString &key) {
  if (!FileExists(path)) return QString();
  const auto bytes = ReadFileBytes(path);
  if (!bytes) return QString();
  const auto value =
      FindProfileValue(Decode(*bytes).text, section.toStdString(), key.toStdString());
  return value ? CutValue(QString::fromStdString(*value)) : QString();
}

bool WriteProfileString(const QString &path, const QString &section, const QString &key,
                        const QString &value) {
  ProfileText profile;
  if (FileExists(path)) {
    const auto bytes = ReadFileBytes(path);
    if (!bytes) return false;
    profile = Decode(*bytes);
  }
  profile.text =
      SetProfileValue(profile.text, section.toStdString(), key.toStdString(), value.toStdString());
  return WriteFileAtomically(path, Encode(profile));
}
